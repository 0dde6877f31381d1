#include <gtest/gtest.h>

#include "base/window_positions.h"
#include "document/settings_bounds.h"
#include "editions/profile.h"
#include "shell/window_size.h"

namespace {

struct SizeCase {
    double scale;
    int width, height;
};

void ExpectSizes(const EditionProfile& edition, std::initializer_list<SizeCase> cases) {
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << edition.name << " at " << c.scale);
        LogicalSize size = MainWindowLogicalSize(edition, c.scale);
        EXPECT_EQ(size.width, c.width);
        EXPECT_EQ(size.height, c.height);
    }
}

TEST(WindowSize, PerEditionAndScale) {
    ExpectSizes(kKestrinProfile, {{1.5, 590, 535}, {1.25, 590, 535}, {1.0, 590, 535}, {0.9, 590, 535},
                                  {0.75, 590, 545}, {0.7, 590, 545}, {0.5, 590, 565}});
    ExpectSizes(kDovantelProfile, {{1.0, 614, 515}, {0.75, 614, 525}, {0.5, 614, 545}});
    ExpectSizes(kWimbrookProfile, {{1.0, 360, 320}, {0.75, 360, 330}, {0.5, 360, 350}});
}

TEST(WindowSize, LogicalUnitsBecomePixelsAtTheWindowScale) {
    // 0.01 inch at 96 pixels per inch, times the scale, rounded.
    EXPECT_EQ(LogicalToPixels(590, 96, 1.0), 566);
    EXPECT_EQ(LogicalToPixels(590, 96, 0.75), 425);
    EXPECT_EQ(LogicalToPixels(545, 96, 0.75), 392);
    EXPECT_EQ(LogicalToPixels(100, 96, 1.5), 144);
    EXPECT_EQ(LogicalToPixels(0, 96, 1.0), 0);
}

TEST(WindowSize, SavedPositionIsPulledOntoTheScreen) {
    EXPECT_EQ(ClampSavedPosition(5000, 1024), 924);
    EXPECT_EQ(ClampSavedPosition(5000, 768), 668);
    EXPECT_EQ(ClampSavedPosition(-20, 1024), 0);
    EXPECT_EQ(ClampSavedPosition(300, 1024), 300);
    EXPECT_EQ(ClampSavedPosition(924, 1024), 924);
    // A screen narrower than 100 pixels still gives a position on it.
    EXPECT_EQ(ClampSavedPosition(50, 80), 0);
}

}  // namespace
