// The main window of this test's edition, created in-process.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "catalog/labels.h"
#include "editions/edition.h"
#include "editions/resource_ids.h"
#include "editions/command_ids.h"
#include "shell/command_table.h"
#include "shell/toolbar_table.h"
#include "shell/view_state.h"
#include "shell/window_size.h"
#include "shell/win32/bars.h"
#include "shell/win32/win_state.h"
#include "tests/gui/gui_harness.h"

namespace {

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = StartMainWindowInProcess();
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override { CloseMainWindowInProcess(); }

    int BarHeights() {
        RECT t = {}, s = {};
        if (g_win.toolbar) GetWindowRect(g_win.toolbar, &t);
        if (g_win.status) GetWindowRect(g_win.status, &s);
        return (t.bottom - t.top) + (s.bottom - s.top);
    }
    HWND window_ = nullptr;
};

TEST_F(MainWindowTest, ClassCaptionAndStyleFollowTheEdition) {
    char name[64];
    GetClassNameA(window_, name, sizeof name);
    EXPECT_STREQ(name, TheEdition().name);
    // The start-up continuation's page switch sets the title.
    char caption[128];
    GetWindowTextA(window_, caption, sizeof caption);
    EXPECT_EQ(std::string(caption), "default - " + std::string(TheEdition().name));
    LONG style = GetWindowLongA(window_, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(GetDlgCtrlID(g_win.toolbar), IDC_TOOLBAR);
    EXPECT_EQ(GetDlgCtrlID(g_win.status), IDC_STATUSBAR);
    EXPECT_EQ(g_view.paintingEnabled, 1);
}

// Until the first title is set the caption is the version line.
std::string g_captionAtCreation;
void ReadCaption(HWND window) {
    char caption[128] = "";
    GetWindowTextA(window, caption, sizeof caption);
    g_captionAtCreation = caption;
}

TEST(MainWindowCreation, CaptionIsTheVersionLineUntilTheTitleIsSet) {
    g_captionAtCreation.clear();
    HWND window = StartMainWindowInProcess(nullptr, "", ReadCaption);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(g_captionAtCreation, TheEdition().versionLine);
    CloseMainWindowInProcess();
}

TEST_F(MainWindowTest, WindowSizeAtEveryScale) {
    HDC screen = GetDC(nullptr);
    int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    for (double scale : {0.5, 0.75, 1.0, 1.25, 1.5}) {
        SCOPED_TRACE(scale);
        ScaleWindow(scale);
        ASSERT_TRUE(PumpUntilHandled(window_));
        LogicalSize logical = MainWindowLogicalSize(TheEdition(), scale);
        RECT rect;
        GetWindowRect(window_, &rect);
        EXPECT_EQ(rect.right - rect.left, LogicalToPixels(logical.width, dpiX, scale));
        EXPECT_EQ(rect.bottom - rect.top,
                  GetSystemMetrics(SM_CYMENU) + LogicalToPixels(logical.height, dpiY, scale) + BarHeights());
        EXPECT_DOUBLE_EQ(g_view.windowScale, scale);
        ASSERT_NE(g_win.toolbar, nullptr) << "bars are recreated";
        ASSERT_NE(g_win.status, nullptr);
        // The drawing origin sits 0.06 inch below the toolbar.
        RECT t;
        GetWindowRect(g_win.toolbar, &t);
        int toolbarUnits = static_cast<int>((t.bottom - t.top) * 100.0 / (dpiY * scale) + 0.5);
        EXPECT_EQ(g_view.originY, -6 - toolbarUnits);
        EXPECT_EQ(g_view.originX, 7);
        EXPECT_EQ(g_win.drawArea.top, t.bottom - t.top);
    }
}

TEST_F(MainWindowTest, KestrinAtThreeQuartersIs590By545UnitsPlusBars) {
    if (TheEdition().id != EDITION_KESTRIN) GTEST_SKIP() << "Kestrin only";
    ScaleWindow(0.75);
    ASSERT_TRUE(PumpUntilHandled(window_));
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    RECT rect;
    GetWindowRect(window_, &rect);
    EXPECT_EQ(rect.right - rect.left, LogicalToPixels(590, dpi, 0.75));
    EXPECT_EQ(rect.bottom - rect.top, GetSystemMetrics(SM_CYMENU) + LogicalToPixels(545, dpi, 0.75) + BarHeights());
}

TEST_F(MainWindowTest, TooltipLookupAnswersEveryButton) {
    int count = 0;
    const ToolButton* buttons = ToolbarButtons(TheEdition(), &count);
    for (int i = 0; i < count; ++i) {
        if (buttons[i].kind == TOOL_SEPARATOR) continue;
        NMTTDISPINFOA info = {};
        info.hdr.hwndFrom = g_win.toolbar;
        info.hdr.idFrom = static_cast<UINT_PTR>(buttons[i].command);
        info.hdr.code = TTN_GETDISPINFOA;
        LRESULT handled = SendMessageA(window_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(handled, 1);
        ASSERT_NE(info.lpszText, nullptr);
        EXPECT_STREQ(info.lpszText, ToolTipText(TheEdition(), buttons[i].command));
        EXPECT_GT(std::strlen(info.lpszText), 0u) << buttons[i].command;
    }
    NMTTDISPINFOA info = {};
    info.hdr.idFrom = CMD_EXIT;
    info.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(window_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_STREQ(info.lpszText, "");
}

TEST_F(MainWindowTest, ToolbarMatchesTheEditionTable) {
    int count = 0;
    const ToolButton* buttons = ToolbarButtons(TheEdition(), &count);
    ASSERT_EQ(SendMessageA(g_win.toolbar, TB_BUTTONCOUNT, 0, 0), count);
    for (int i = 0; i < count; ++i) {
        TBBUTTON b;
        ASSERT_TRUE(SendMessageA(g_win.toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b)));
        if (buttons[i].kind == TOOL_SEPARATOR) {
            EXPECT_TRUE(b.fsStyle & TBSTYLE_SEP);
        } else {
            EXPECT_EQ(b.idCommand, buttons[i].command);
            EXPECT_EQ(b.iBitmap, buttons[i].image);
            EXPECT_EQ((b.fsStyle & TBSTYLE_CHECK) != 0, buttons[i].kind == TOOL_CHECK);
        }
    }
}

TEST_F(MainWindowTest, StatusBarShowsTheBannerAndMenuHints) {
    char text[256];
    SendMessageA(g_win.status, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::string(text), BannerText(TheEdition()));
    // A highlighted item without a string-table text shows an empty hint.
    SendMessageA(window_, WM_MENUSELECT, MAKEWPARAM(65000, 0), 0);
    SendMessageA(g_win.status, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "");
}

TEST_F(MainWindowTest, UnhandledCommandsOnlyRepaint) {
    // An id no edition has, and another edition's command that would
    // change the label or its kind here.
    auto label = [] { return std::string(reinterpret_cast<const char*>(g_currentLabel), sizeof(ZIPINFO)); };
    for (int command : {40999, TheEdition().id == EDITION_WIMBROOK ? CMD_COLUMNS_6 : CMD_FORMAT_NINE}) {
        SCOPED_TRACE(command);
        ASSERT_EQ(FindCommand(TheEdition(), command), nullptr);
        std::string before = label();
        int kind = g_view.labelKind;
        ValidateRect(window_, nullptr);
        SendMessageA(window_, WM_COMMAND, static_cast<WPARAM>(command), 0);
        RECT update;
        EXPECT_TRUE(GetUpdateRect(window_, &update, FALSE));
        EXPECT_TRUE(label() == before);
        EXPECT_EQ(g_view.labelKind, kind);
        EXPECT_EQ(g_view.modified, 0);
    }
}

TEST_F(MainWindowTest, CloseRequestDestroysTheWindowAndPostsQuitZero) {
    SendMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window_));
    MSG message;
    bool quit = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message == WM_QUIT) {
            quit = true;
            EXPECT_EQ(message.wParam, 0u);
        }
    EXPECT_TRUE(quit);
}

}  // namespace
