#include <gtest/gtest.h>

#include "editions/profile.h"
#include "shell/view_state.h"
#include "shell/window_title.h"

namespace {

TEST(WindowTitle, KestrinCoversAndBooklet) {
    EXPECT_EQ(WindowTitle(kKestrinProfile, "default", KIND_COVERS, 2, 1, 0), "default - Kestrin");
    EXPECT_EQ(WindowTitle(kKestrinProfile, "disk1", KIND_BOOKLET, 1, 1, 0), "disk1 - Kestrin - Front Cover");
    EXPECT_EQ(WindowTitle(kKestrinProfile, "disk1", KIND_BOOKLET, 2, 0, 0), "disk1 - Kestrin - Back Cover");
    EXPECT_EQ(WindowTitle(kKestrinProfile, "disk1", KIND_BOOKLET, 7, 1, 0), "disk1 - Kestrin - Page 6");
}

TEST(WindowTitle, DovantelBookletStartsWithTheBackCover) {
    EXPECT_EQ(WindowTitle(kDovantelProfile, "cd", KIND_BOOKLET, 1, 1, 0), "cd - Dovantel - Back Cover");
    EXPECT_EQ(WindowTitle(kDovantelProfile, "cd", KIND_BOOKLET, 2, 1, 0), "cd - Dovantel - Front Cover");
    EXPECT_EQ(WindowTitle(kDovantelProfile, "cd", KIND_BOOKLET, 3, 1, 0), "cd - Dovantel - Page 2");
    EXPECT_EQ(WindowTitle(kDovantelProfile, "cd", KIND_COVERS, 2, 1, 0), "cd - Dovantel");
}

TEST(WindowTitle, WimbrookNamesTheLabelOnlyOnAFullSizeSheet) {
    EXPECT_EQ(WindowTitle(kWimbrookProfile, "floppies", KIND_SHEET, 1, 1, 4), "floppies - Wimbrook - Label 5");
    EXPECT_EQ(WindowTitle(kWimbrookProfile, "floppies", KIND_SHEET, 1, 0, 4), "floppies - Wimbrook");
    EXPECT_EQ(WindowTitle(kWimbrookProfile, "floppies", KIND_COVERS, 1, 1, 0), "floppies - Wimbrook");
}

TEST(WindowTitle, OnlyTheNameAfterTheLastBackslashShows) {
    EXPECT_EQ(WindowTitle(kKestrinProfile, "C:\\labels\\disk1", KIND_COVERS, 1, 1, 0), "disk1 - Kestrin");
    // A name with format characters is shown as it is.
    EXPECT_EQ(WindowTitle(kKestrinProfile, "100%s", KIND_COVERS, 1, 1, 0), "100%s - Kestrin");
}

}  // namespace
