// Whole-program start-up and exit of the real edition executables.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "editions/resource_ids.h"
#include "editions/command_ids.h"
#include "tools/driver/driver.h"

namespace {

class ProgramTest : public testing::TestWithParam<const char*> {
protected:
    void TearDown() override {
        if (run_.process.hProcess) {
            EXPECT_EQ(CountBadStuffBoxes(run_), 0) << "a BAD STUFF box appeared";
        }
        KillProgram(&run_);
    }
    void Start(const char* ini, const std::string& arguments = "") {
        ASSERT_TRUE(WriteEditionIni(GetParam(), ini));
        std::string error;
        ASSERT_TRUE(StartEdition(&run_, GetParam(), arguments, &error)) << error;
    }
    // The position tests need a 1024 x 768 screen of their own: CTest runs
    // them through scripts/small-screen-exec, which says so in the
    // environment.
    bool OnSmallScreen() {
        char size[32] = "";
        GetEnvironmentVariableA("LABEL_SMALL_SCREEN", size, sizeof size);
        return std::string(size) == "1024x768" && GetSystemMetrics(SM_CXSCREEN) == 1024 &&
               GetSystemMetrics(SM_CYSCREEN) == 768;
    }
    ProgramRun run_;
};

TEST_P(ProgramTest, ShowsTheTitleWithToolbarAndBanner) {
    Start(nullptr);
    std::string edition = GetParam();
    EXPECT_EQ(WindowText(run_.window), "default - " + edition);
    HWND status = ChildById(run_.window, IDC_STATUSBAR);
    ASSERT_NE(status, nullptr);
    std::string banner = WindowText(status);
    EXPECT_EQ(banner.rfind(edition + " - Version 4.0", 0), 0u) << banner;
    HWND toolbar = ChildById(run_.window, IDC_TOOLBAR);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(ClassNameOf(toolbar), "ToolbarWindow32");
    EXPECT_EQ(CountBadStuffBoxes(run_), 0);
}

TEST_P(ProgramTest, ToolbarButtonsIdsAndCheckButtons) {
    Start(nullptr);
    HWND toolbar = ChildById(run_.window, IDC_TOOLBAR);
    ASSERT_NE(toolbar, nullptr);
    bool floppy = std::string(GetParam()) == "Wimbrook";
    const std::vector<int> kFull = {0,     40061, 0,     40070, 0,     40072, 40071, 0,     40076, 0,
                                    40026, 40127, 40085, 40146, 0,     40088, 40087, 0,     40059, 0,
                                    40102, 40149, 0,     40096, 40095, 0,     40024, 0,     40005};
    const std::vector<int> kFloppy = {0,     40061, 40004, 0,     40072, 40071, 0, 40026, 40127,
                                      40085, 0,     40059, 0,     40102, 40149, 0, 40255, 40024};
    const std::vector<int>& expected = floppy ? kFloppy : kFull;
    ASSERT_EQ(ToolbarButtonCount(toolbar), static_cast<int>(expected.size()));
    int image = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
        TBBUTTON button;
        ASSERT_TRUE(ToolbarButtonAt(run_, toolbar, static_cast<int>(i), &button)) << i;
        if (expected[i] == 0) {
            EXPECT_TRUE(button.fsStyle & TBSTYLE_SEP) << i;
            continue;
        }
        EXPECT_EQ(button.idCommand, expected[i]) << i;
        EXPECT_EQ(button.iBitmap, image++) << i;
        bool check = expected[i] == CMD_ZOOM || expected[i] == CMD_SHOW_SIZE || expected[i] == CMD_SHOW_EXT;
        EXPECT_EQ((button.fsStyle & TBSTYLE_CHECK) != 0, check) << i;
        EXPECT_NE(ToolbarState(toolbar, expected[i]), -1);
    }
    EXPECT_EQ(image, floppy ? 12 : 18);
}

TEST_P(ProgramTest, CloseEndsWithExitCodeZero) {
    Start(nullptr);
    DWORD code = 1234;
    ASSERT_TRUE(CloseProgram(&run_, &code));
    EXPECT_EQ(code, 0u);
}

TEST_P(ProgramTest, CtrlXEndsWithExitCodeZero) {
    Start(nullptr);
    PressKey(run_.window, 'X', {VK_CONTROL});
    DWORD code = 1234;
    ASSERT_TRUE(WaitForExit(&run_, &code)) << "Ctrl+X did not end the program";
    EXPECT_EQ(code, 0u);
}

TEST_P(ProgramTest, SmallScreenSavedPositionBeyondTheScreenIsPulledBack) {
    if (!OnSmallScreen()) GTEST_SKIP() << "runs on the 1024 x 768 screen only";
    Start("[tlm5]\r\nDrive=67\r\nMainWindowX=5000\r\nMainWindowY=5000\r\n");
    RECT rect;
    ASSERT_TRUE(GetWindowRect(run_.window, &rect));
    EXPECT_EQ(rect.left, 924);
    EXPECT_EQ(rect.top, 668);
}

TEST_P(ProgramTest, SmallScreenNegativeSavedPositionPlacesTheWindowAtZero) {
    if (!OnSmallScreen()) GTEST_SKIP() << "runs on the 1024 x 768 screen only";
    Start("[tlm5]\r\nDrive=67\r\nMainWindowX=-300\r\nMainWindowY=-7\r\n");
    RECT rect;
    ASSERT_TRUE(GetWindowRect(run_.window, &rect));
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
}

TEST_P(ProgramTest, ExitWritesTheWindowPositionBack) {
    Start("[tlm5]\r\nDrive=67\r\nMainWindowX=40\r\nMainWindowY=30\r\n");
    // Moved after the start: only the exit's write can bring the new place.
    ASSERT_TRUE(SetWindowPos(run_.window, nullptr, 70, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
    DWORD code = 1;
    ASSERT_TRUE(CloseProgram(&run_, &code));
    std::string ini;
    ASSERT_TRUE(ReadEditionIni(GetParam(), &ini));
    EXPECT_NE(ini.find("MainWindowX=70\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("MainWindowY=50\r\n"), std::string::npos) << ini;
}

INSTANTIATE_TEST_SUITE_P(Editions, ProgramTest, testing::Values("Kestrin", "Dovantel", "Wimbrook"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

}  // namespace
