#include <gtest/gtest.h>

#include "document/palette.h"

namespace {

TEST(PicturePalette, EntriesFollowTheColourCube) {
    PaletteColor c = PicturePaletteEntry(0);
    EXPECT_EQ(c.red, 0);
    EXPECT_EQ(c.green, 0);
    EXPECT_EQ(c.blue, 0);
    c = PicturePaletteEntry(1);  // entry 1 is white
    EXPECT_EQ(c.red, 255);
    EXPECT_EQ(c.green, 255);
    EXPECT_EQ(c.blue, 255);
    c = PicturePaletteEntry(2 + 8 * 3 + 64 * 2);
    EXPECT_EQ(c.red, 64);
    EXPECT_EQ(c.green, 96);
    EXPECT_EQ(c.blue, 128);
    c = PicturePaletteEntry(255);
    EXPECT_EQ(c.red, 224);
    EXPECT_EQ(c.green, 224);
    EXPECT_EQ(c.blue, 192);
}

}  // namespace
