// The label records and the settings store inside the real main window:
// creation, the start-up continuation, Reset To Defaults and destruction.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "document/program_settings.h"
#include "editions/edition.h"
#include "editions/command_ids.h"
#include "shell/view_state.h"
#include "shell/win32/win_state.h"
#include "tools/driver/driver.h"
#include "tests/gui/gui_harness.h"

namespace {

int g_driveCommands = 0;

LRESULT CALLBACK WatchPosted(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_COMMAND &&
        LOWORD(message->wParam) == CMD_SELECT_DRIVE)
        ++g_driveCommands;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string LocaleDate(DWORD format) {
    char date[64] = "";
    GetDateFormatA(LOCALE_USER_DEFAULT, format, nullptr, nullptr, date, sizeof date);
    return date;
}

std::string EditionIni() { return "\n" + EditionIniText(); }

bool IniHas(const std::string& ini, const std::string& line) {
    return ini.find("\n" + line + "\r\n") != std::string::npos;
}

class SettingsWindowTest : public testing::Test {
protected:
    void SetUp() override {
        g_driveCommands = 0;
        hook_ = SetWindowsHookExA(WH_GETMESSAGE, WatchPosted, nullptr, GetCurrentThreadId());
    }
    void TearDown() override {
        if (g_win.main && IsWindow(g_win.main)) CloseMainWindowInProcess();
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    void Start(const char* ini) {
        window_ = StartMainWindowInProcess(ini);
        ASSERT_NE(window_, nullptr);  // the drive request it posted handled too
    }
    HHOOK hook_ = nullptr;
    HWND window_ = nullptr;
};

TEST_F(SettingsWindowTest, WithoutAnIniTheDriveIsCAndTheDriveDialogIsAskedFor) {
    std::string before[2] = {LocaleDate(DATE_SHORTDATE), LocaleDate(DATE_LONGDATE)};
    Start(kFirstStartIni);
    std::string after[2] = {LocaleDate(DATE_SHORTDATE), LocaleDate(DATE_LONGDATE)};
    EXPECT_EQ(g_scan.Drive, 'C');
    EXPECT_EQ(g_driveCommands, 1);
    EXPECT_EQ(g_labelCount, TheEdition().labelCount);
    EXPECT_EQ(g_currentLabel, &g_labelRecords[0]);
    // Cleared at creation with today's dates in the locale's formats (on
    // either side of a midnight the start may have crossed).
    for (int i = 0; i < g_labelCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(g_labelRecords[i].LabelNumber, i + 1);
        const ZIPINFO& l = g_labelRecords[i];
        EXPECT_TRUE(l.ShortDate == before[0] || l.ShortDate == after[0]) << l.ShortDate;
        EXPECT_TRUE(l.LongDate == before[1] || l.LongDate == after[1]) << l.LongDate;
        EXPECT_EQ(g_labelRecords[i].Columns, 3);
    }
    EXPECT_EQ(g_view.paintingEnabled, 1);
}

TEST_F(SettingsWindowTest, AStoredDriveIsUsedWithoutAsking) {
    Start("[tlm5]\r\nDrive=68\r\n");
    EXPECT_EQ(g_scan.Drive, 'D');
    EXPECT_EQ(g_driveCommands, 0);
}

TEST_F(SettingsWindowTest, LoadedSettingsReachTheWindowAndTheLabels) {
    Start("[tlm5]\r\nDrive=67\r\nWindScale=75\r\nBackColor=255\r\nLabels=4\r\nColumns0=-5\r\nComment0=%volumename%\r\n"
          "Exts0=2\r\nNumExclude=1\r\nExclude0=.TMP\r\n");
    EXPECT_DOUBLE_EQ(g_view.windowScale, 0.75);
    EXPECT_EQ(g_settings.BackColor, 255u);
    EXPECT_EQ(g_view.labelKind, 10);
    EXPECT_EQ(g_labelRecords[0].Columns, 5);
    EXPECT_EQ(g_labelRecords[0].Lined, 0);
    EXPECT_STREQ(g_labelRecords[0].Comment, "%volumename%");
    EXPECT_EQ(g_labelRecords[0].NumExtStyles, 2);
    EXPECT_EQ(g_scan.NumExclude, 1);
    // The bottom-right corner of the client area, beside the label and
    // above the status bar, is erased with the loaded background colour.
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client, status;
    GetClientRect(window_, &client);
    GetWindowRect(g_win.status, &status);
    HDC dc = GetDC(window_);
    COLORREF pixel = GetPixel(dc, client.right - 3, client.bottom - (status.bottom - status.top) - 3);
    ReleaseDC(window_, dc);
    EXPECT_EQ(pixel, RGB(255, 0, 0));
}

TEST_F(SettingsWindowTest, DestructionSavesPositionAndLooksAndFreesTheRecords) {
    Start("[tlm5]\r\nDrive=67\r\nColumns0=6\r\nExts0=1\r\nExtName0_0=txt\r\nExtName0_1=kept\r\nNumExclude=1\r\n"
          "Exclude0=.BAK\r\nStranger=1\r\n");
    SetWindowPos(window_, nullptr, 37, 29, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Read at the start; from now on the file holds only what the program
    // leaves alone, so each stored key below comes from the destruction.
    ASSERT_TRUE(WriteEditionIni(TheEdition().name, "[tlm5]\r\nExtName0_1=kept\r\nStranger=1\r\n"));
    RECT rect;
    GetWindowRect(window_, &rect);
    g_labelRecords[g_labelCount - 1].SortMode = 3;
    CloseMainWindowInProcess();

    std::string ini = EditionIni();
    std::string last = std::to_string(g_labelCount - 1);
    EXPECT_TRUE(IniHas(ini, "MainWindowX=" + std::to_string(rect.left))) << ini;
    EXPECT_TRUE(IniHas(ini, "MainWindowY=" + std::to_string(rect.top))) << ini;
    EXPECT_TRUE(IniHas(ini, "Columns0=6")) << ini;
    EXPECT_TRUE(IniHas(ini, "SortMode" + last + "=3")) << ini;
    EXPECT_TRUE(IniHas(ini, "Drive=67")) << ini;
    EXPECT_TRUE(IniHas(ini, "ExtName0_0=txt")) << ini;
    EXPECT_TRUE(IniHas(ini, "ExtName0_1=kept")) << ini;
    EXPECT_TRUE(IniHas(ini, "Exclude0=.BAK")) << ini;
    EXPECT_TRUE(IniHas(ini, "Stranger=1")) << ini;
    EXPECT_EQ(ini.find("Initials="), std::string::npos) << ini;
    // Destruction step 3: records cleared, styles and patterns freed.
    EXPECT_EQ(g_labelRecords[0].NumExtStyles, 0);
    EXPECT_EQ(g_labelRecords[0].ExtStyles, nullptr);
    EXPECT_EQ(g_scan.Exclude, nullptr);
}

TEST_F(SettingsWindowTest, ResetToDefaultsReachesEveryLabel) {
    Start("[tlm5]\r\nDrive=67\r\nColumns0=6\r\nSortMode0=2\r\nComment0=mine\r\nDispSub=3\r\nExts0=1\r\n");
    for (int i = 0; i < g_labelCount; ++i) g_labelRecords[i].Columns = 5;
    g_view.modified = 0;
    SendMessageA(window_, WM_COMMAND, CMD_RESET_DEFAULTS, 0);
    for (int i = 0; i < g_labelCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(g_labelRecords[i].Columns, 3);
        EXPECT_EQ(g_labelRecords[i].SortMode, 1);
        EXPECT_STREQ(g_labelRecords[i].Comment, "%spacefree% free, %spaceused% used  (%shortdate%)");
        EXPECT_EQ(g_labelRecords[i].NumExtStyles, 0);
    }
    EXPECT_EQ(g_scan.DispSub, 1);
    EXPECT_EQ(g_view.modified, 1);
    EXPECT_TRUE(IsWindow(window_));
}

}  // namespace
