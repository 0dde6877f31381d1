#include "shell/win32/bars.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "editions/edition.h"
#include "editions/resource_ids.h"
#include "render/win32/mapping_win32.h"
#include "shell/toolbar_table.h"
#include "shell/view_state.h"
#include "shell/window_size.h"
#include "shell/win32/win_state.h"

SIZE MainWindowPixelSize(double scale) {
    LogicalSize logical = MainWindowLogicalSize(TheEdition(), scale);
    // Convert through a display context set to the scaled label space.
    HDC ic = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    POINT point = {logical.width, logical.height};
    if (ic) {
        SetLabelMapping(ic, scale);
        LPtoDP(ic, &point, 1);
        DeleteDC(ic);
    } else {
        point.x = LogicalToPixels(logical.width, 96, scale);
        point.y = LogicalToPixels(logical.height, 96, scale);
    }
    SIZE size = {point.x, GetSystemMetrics(SM_CYMENU) + (point.y < 0 ? -point.y : point.y)};
    return size;
}

void CreateBars(HWND window) {
    const EditionProfile& edition = TheEdition();
    int count = 0;
    const ToolButton* table = ToolbarButtons(edition, &count);
    std::vector<TBBUTTON> buttons(count);
    for (int i = 0; i < count; ++i) {
        TBBUTTON& b = buttons[i];
        b = TBBUTTON();
        if (table[i].kind == TOOL_SEPARATOR) {
            b.iBitmap = 0;
            b.fsStyle = TBSTYLE_SEP;
        } else {
            b.iBitmap = table[i].image;
            b.idCommand = table[i].command;
            b.fsState = TBSTATE_ENABLED;
            b.fsStyle = table[i].kind == TOOL_CHECK ? TBSTYLE_CHECK : TBSTYLE_BUTTON;
        }
    }
    g_win.toolbar = CreateToolbarEx(window, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_TOOLTIPS | CCS_TOP,
                                    IDC_TOOLBAR, edition.toolbarImageCount, g_win.instance, IDB_TOOLBAR,
                                    buttons.data(), count, 0, 0, 16, 15, sizeof(TBBUTTON));
    if (!g_win.toolbar) return;
    std::string banner = BannerText(edition);
    g_win.status = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_BOTTOM, banner.c_str(), window,
                                       IDC_STATUSBAR);

    RECT toolRect, statusRect = {}, windowRect;
    GetWindowRect(g_win.toolbar, &toolRect);
    if (g_win.status) GetWindowRect(g_win.status, &statusRect);
    int toolHeight = toolRect.bottom - toolRect.top;
    int statusHeight = statusRect.bottom - statusRect.top;
    GetWindowRect(window, &windowRect);
    SetWindowPos(window, nullptr, 0, 0, windowRect.right - windowRect.left,
                 windowRect.bottom - windowRect.top + toolHeight + statusHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (g_win.status) SendMessageA(g_win.status, WM_SIZE, 0, 0);

    g_win.drawArea.top = toolHeight;
    g_win.drawArea.bottom -= statusHeight + 1;

    HDC ic = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    if (ic) {
        g_view.originY -= PixelsToLabelUnits(ic, toolHeight, g_view.windowScale);
        DeleteDC(ic);
    }
}

void ScaleWindow(double scale) {
    if (g_win.toolbar) {
        DestroyWindow(g_win.toolbar);
        g_win.toolbar = nullptr;
        if (g_win.status) DestroyWindow(g_win.status);
        g_win.status = nullptr;
    }
    g_view.windowScale = scale;
    g_view.originY = -6;
    SIZE size = MainWindowPixelSize(scale);
    SetWindowPos(g_win.main, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    RECT rect;
    GetWindowRect(g_win.main, &rect);
    g_win.drawArea = {0, 0, rect.right - rect.left, rect.bottom - rect.top};
    CreateBars(g_win.main);
}

bool HandleToolTipRequest(NMHDR* header) {
    if (header->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
        info->hinst = nullptr;
        info->lpszText = const_cast<char*>(ToolTipText(TheEdition(), static_cast<int>(header->idFrom)));
        return true;
    }
    if (header->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        const char* text = ToolTipText(TheEdition(), static_cast<int>(header->idFrom));
        MultiByteToWideChar(CP_ACP, 0, text, -1, info->szText, sizeof info->szText / sizeof info->szText[0]);
        info->hinst = nullptr;
        info->lpszText = info->szText;
        return true;
    }
    return false;
}

void SetStatusText(const char* text) {
    if (g_win.status) SendMessageA(g_win.status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}
