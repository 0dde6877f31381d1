// Each edition's caption and toolbar states as another process sees them,
// before and after a click on the label view.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "editions/resource_ids.h"
#include "editions/command_ids.h"
#include "tools/driver/driver.h"

namespace {

class LabelViewProgramTest : public testing::TestWithParam<const char*> {
protected:
    void TearDown() override {
        if (run_.process.hProcess) {
            EXPECT_EQ(CountBadStuffBoxes(run_), 0) << "a BAD STUFF box appeared";
        }
        KillProgram(&run_);
    }
    void Start(const char* ini) {
        ASSERT_TRUE(WriteEditionIni(GetParam(), ini));
        std::string error;
        ASSERT_TRUE(StartEdition(&run_, GetParam(), "", &error)) << error;
        toolbar_ = ChildById(run_.window, IDC_TOOLBAR);
        ASSERT_NE(toolbar_, nullptr);
    }
    std::string Edition() const { return GetParam(); }
    bool Pressed(int command) { return ToolbarState(toolbar_, command) & TBSTATE_CHECKED; }
    bool Usable(int command) { return ToolbarState(toolbar_, command) & TBSTATE_ENABLED; }
    // Client pixels of a logical point at window scale 1: hundredths of an
    // inch, y up from the client's top edge.
    POINT Pixel(int x, int y) {
        HDC screen = GetDC(nullptr);
        int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return {MulDiv(x, dpiX, 100), MulDiv(-y, dpiY, 100)};
    }
    // The toolbar's height in logical units: the drawing origin lies below it.
    int ToolbarUnits() {
        RECT r;
        GetWindowRect(toolbar_, &r);
        HDC screen = GetDC(nullptr);
        int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return MulDiv(r.bottom - r.top, 100, dpiY);
    }
    ProgramRun run_;
    HWND toolbar_ = nullptr;
};

TEST_P(LabelViewProgramTest, BookletCaptionAndToolbarFollowAClickBesideTheFrontPage) {
    if (Edition() == "Wimbrook") GTEST_SKIP() << "Wimbrook has no booklet";
    Start("[tlm5]\r\nDrive=67\r\nZoom=1\r\nLabels=12\r\nLblFmt0=6\r\nShowExt0=0\r\nColumns0=7\r\n");
    bool kestrin = Edition() == "Kestrin";
    EXPECT_EQ(WindowText(run_.window), "default - " + Edition() + (kestrin ? " - Front Cover" : " - Back Cover"));
    EXPECT_TRUE(Pressed(CMD_ZOOM));
    EXPECT_TRUE(Pressed(CMD_SHOW_SIZE));
    EXPECT_FALSE(Pressed(CMD_SHOW_EXT));
    EXPECT_FALSE(Usable(CMD_PREVIOUS_PAGE));
    EXPECT_TRUE(Usable(CMD_NEXT_PAGE));
    EXPECT_FALSE(Usable(CMD_COLUMNS_MORE));
    EXPECT_TRUE(Usable(CMD_COLUMNS_LESS));
    // Right of the front page (its right edge at 576 in Kestrin, 598 in
    // Dovantel), halfway down, inside the window's frame.
    POINT beside = Pixel(kestrin ? 579 : 603, -250);
    ClickClient(run_.window, beside.x, beside.y);
    EXPECT_EQ(WindowText(run_.window), "default - " + Edition() + (kestrin ? " - Back Cover" : " - Front Cover"));
    EXPECT_TRUE(Usable(CMD_PREVIOUS_PAGE));
    EXPECT_TRUE(Usable(CMD_NEXT_PAGE));
}

TEST_P(LabelViewProgramTest, CoversCaptionAndToolbarInTheSpreadView) {
    Start("[tlm5]\r\nDrive=67\r\nZoom=0\r\nLabels=10\r\nColumns0=0\r\n");
    EXPECT_EQ(WindowText(run_.window), "default - " + Edition());
    EXPECT_FALSE(Usable(CMD_COLUMNS_LESS));
    EXPECT_TRUE(Usable(CMD_COLUMNS_MORE));
    if (Edition() == "Wimbrook") {
        EXPECT_EQ(ToolbarState(toolbar_, CMD_ZOOM), -1) << "no zoom button";
        EXPECT_FALSE(Pressed(CMD_SHOW_SIZE));
    } else {
        EXPECT_FALSE(Pressed(CMD_ZOOM));
        EXPECT_TRUE(Pressed(CMD_SHOW_SIZE));
        EXPECT_FALSE(Usable(CMD_PREVIOUS_PAGE));
        EXPECT_TRUE(Usable(CMD_NEXT_PAGE));
    }
}

TEST_P(LabelViewProgramTest, WimbrookSheetMapClickNamesTheLabelInTheCaption) {
    if (Edition() != "Wimbrook") GTEST_SKIP() << "Wimbrook's sheet only";
    Start("[tlm5]\r\nDrive=67\r\nLabels=23\r\n");
    EXPECT_EQ(WindowText(run_.window), "default - Wimbrook - Label 1");
    // Cell 6 (label index 5): x 330 to 350, y 20 to 40 below the map's top,
    // which lies 44 units below the drawing origin.
    int originY = -6 - ToolbarUnits();
    POINT cell = Pixel(340, originY - 44 - 30);
    ClickClient(run_.window, cell.x, cell.y);
    EXPECT_EQ(WindowText(run_.window), "default - Wimbrook - Label 6");
}

INSTANTIATE_TEST_SUITE_P(Editions, LabelViewProgramTest, testing::Values("Kestrin", "Dovantel", "Wimbrook"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

}  // namespace
