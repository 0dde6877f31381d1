#include "shell/win32/main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <new>

#include "base/report.h"

#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "document/label_copy.h"
#include "document/program_settings.h"
#include "document/settings.h"
#include "document/settings_bounds.h"
#include "document/settings_store.h"
#include "document/win32/palette_win32.h"
#include "document/win32/settings_store_win32.h"
#include "editions/edition.h"
#include "editions/resource_ids.h"
#include "editions/command_ids.h"
#include "render/win32/printer_win32.h"
#include "shell/view_state.h"
#include "shell/window_size.h"
#include "shell/win32/bars.h"
#include "shell/win32/dispatch.h"
#include "shell/object_drag.h"
#include "shell/program_records.h"
#include "shell/win32/label_view_win32.h"
#include "shell/win32/menu_refresh_win32.h"
#include "shell/win32/mouse_win32.h"
#include "shell/win32/object_drag_win32.h"
#include "shell/win32/view_dc_win32.h"
#include "shell/win32/menus_win32.h"
#include "shell/win32/glue_commands_win32.h"
#include "shell/win32/win_state.h"

namespace {

// The saved main-window position is read on its own before the settings.
int ReadSavedCoordinate(const char* key) {
    int32_t value = 0;
    if (!ReadSetting(SettingsRoot(), key, &value, 4, SETTING_INT)) value = 0;
    return value;
}

void OnCreate(HWND window) {
    g_win.main = window;
    MakeLabelCurrent(0);
    ClearAllLabelRecords(g_labelRecords, g_labelCount);
    LoadPopupMenus();
    PostMessageA(window, WM_COMMAND, CMD_STARTUP, 0);
    g_view.currentPage = 1;

    ScreenPosition& saved = g_settings.Windows[WINDOW_MAIN];
    saved.x = ClampSavedPosition(ReadSavedCoordinate("MainWindowX"), GetSystemMetrics(SM_CXSCREEN));
    saved.y = ClampSavedPosition(ReadSavedCoordinate("MainWindowY"), GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(window, nullptr, saved.x, saved.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    HDC dc = GetDC(window);
    g_view.paletteDevice = (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0;
    ReleaseDC(window, dc);
    if (!g_win.palette) g_win.palette = MakePicturePalette();

    RECT rect;
    GetWindowRect(window, &rect);
    g_win.drawArea = {0, 0, rect.right - rect.left, rect.bottom - rect.top};
    CreateBars(window);
}

void OnDestroy(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    g_settings.Windows[WINDOW_MAIN] = {rect.left, rect.top};
    BeginSettingsBatch();
    SaveSettings(TheEdition(), StoredView(), ProgramStoredSettings());
    EndSettingsBatch();
    ClearAllLabelRecords(g_labelRecords, g_labelCount);
    FreeExcludePatterns(&g_scan);
    FreeLabelViewObjects();
    FreeDragObjects();
    PostQuitMessage(0);
}

// Selects and realises the palette into a context; true when colours changed.
bool RealisePalette(HDC dc, bool background) {
    if (!g_win.palette) return false;
    SelectPalette(dc, g_win.palette, background ? TRUE : FALSE);
    return RealizePalette(dc) != 0;
}

LRESULT OnQueryNewPalette(HWND window) {
    HDC dc = GetDC(window);
    bool changed = RealisePalette(dc, false);
    ReleaseDC(window, dc);
    if (changed) InvalidateRect(window, nullptr, TRUE);
    return changed ? 1 : 0;
}

void OnPaint(HWND window) {
    RefreshMenus(window);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    HPALETTE oldPalette = nullptr;
    g_view.paletteDevice = (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0;
    if (g_view.paletteDevice && g_win.palette) {
        oldPalette = SelectPalette(dc, g_win.palette, FALSE);
        RealizePalette(dc);
    }
    if (ps.fErase) {
        HBRUSH brush = CreateSolidBrush(g_settings.BackColor);
        FillRect(dc, &ps.rcPaint, brush);
        DeleteObject(brush);
    }
    if (g_view.paintingEnabled) PaintLabelView(dc);
    RedrawRubberBand(dc);
    if (oldPalette) SelectPalette(dc, oldPalette, FALSE);
    EndPaint(window, &ps);
}

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr;
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = TheEdition().name;
    if (!RegisterClassA(&wc)) return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    return true;
}

HWND CreateMainWindow(HINSTANCE instance) {
    g_win.instance = instance;
    RegisterWin32Handlers();
    ReadDefaultPrinter(&g_settings.Printer);
    ClearCustomColors(&g_settings);
    PrepareLabelRecords(TheEdition().labelCount);
    ForgetLoadedSettings();
    g_view.currentPage = 1;
    SIZE size = MainWindowPixelSize(g_view.windowScale);
    HWND window = CreateWindowExA(0, TheEdition().name, TheEdition().versionLine,
                                  WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT, size.cx,
                                  size.cy, nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    ShowWindow(window, SW_HIDE);
    UpdateWindow(window);
    g_drag = DragState();
    return window;
}

namespace {

LRESULT MainWindowSteps(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        return 0;
    case WM_CLOSE:
        RequestClose(window);
        return 0;
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    case WM_SIZE:
        if (g_win.toolbar && g_view.paintingEnabled) {
            if (g_win.status) {
                RECT client, status;
                GetClientRect(window, &client);
                GetWindowRect(g_win.status, &status);
                int height = status.bottom - status.top;
                MoveWindow(g_win.status, 0, client.bottom - height, client.right, height, TRUE);
            }
            RequestRepaint();
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && g_view.paletteDevice) return OnQueryNewPalette(window);
        break;
    case WM_QUERYNEWPALETTE:
        return OnQueryNewPalette(window);
    case WM_PALETTECHANGED:
        if (reinterpret_cast<HWND>(wParam) != window && g_view.paletteDevice) {
            HDC dc = GetDC(window);
            if (RealisePalette(dc, true)) UpdateColors(dc);
            ReleaseDC(window, dc);
        }
        break;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_NOTIFY:
        if (g_win.toolbar) {
            HandleToolTipRequest(reinterpret_cast<NMHDR*>(lParam));
            return 1;
        }
        break;
    case WM_COMMAND:
        DispatchCommand(window, LOWORD(wParam), CameFromClearLabelItem(wParam, lParam));
        break;
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam);
        break;
    case WM_LBUTTONDBLCLK:
        OnLeftDoubleClick(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam);
        break;
    case WM_RBUTTONDOWN:
        OnRightButtonDown(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam);
        break;
    case WM_MOUSEMOVE:
        if (g_drag.DragMode != DRAG_NONE)
            DragMouseMove(window, ClientToLogical(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
        break;
    case WM_LBUTTONUP:
        if (g_drag.DragMode != DRAG_NONE)
            DragLeftUp(window, ClientToLogical(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
        break;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window) DragCaptureLost(window);
        break;
    case WM_MENUSELECT:
        NoteMenuSelection(reinterpret_cast<HMENU>(lParam), LOWORD(wParam));
        if (g_win.status) {
            char text[256] = "";
            if (!(HIWORD(wParam) & (MF_POPUP | MF_SEPARATOR)))
                LoadStringA(g_win.instance, LOWORD(wParam), text, sizeof text);
            SetStatusText(text);
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Memory that runs out while the window changes the label may leave its
    // catalog half made: the program ends, as for any catalog allocation.
    // No exception crosses the system's code.
    try {
        return MainWindowSteps(window, message, wParam, lParam);
    } catch (const std::bad_alloc&) {
        FatalError(kNoMemoryFatal);
    }
}
