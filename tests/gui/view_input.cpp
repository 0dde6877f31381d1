#include "tests/gui/view_input.h"

#include "tools/driver/window_capture.h"

#include <cstring>

#include "catalog/labels.h"
#include "document/object_list.h"
#include "render/page_origin.h"
#include "shell/view_points.h"
#include "shell/view_state.h"
#include "shell/win32/program.h"
#include "shell/win32/view_dc_win32.h"
#include "shell/win32/win_state.h"
#include "tests/gui/gui_harness.h"

const char* const kViewTestIni = "[tlm5]\r\nDrive=67\r\n";

namespace {

DWORD g_lastClick = 0;

void WaitOutDoubleClick() {
    DWORD wait = GetDoubleClickTime() + 100;
    while (g_lastClick && GetTickCount() - g_lastClick < wait) Sleep(20);
}

void SendKeys(const std::vector<WORD>& keys, bool up) {
    for (WORD key : keys) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &input, sizeof input);
    }
}

void SendButton(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void PutCursor(HWND window, LabelPoint p) {
    POINT pixel = ClientPixelOf(window, p);
    ClientToScreen(window, &pixel);
    SetCursorPos(pixel.x, pixel.y);
}

PopupSeen* g_popup = nullptr;

void CALLBACK ReadPopup(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND popup = FindWindowA("#32768", nullptr);
    if (!popup || !IsWindowVisible(popup) || !g_popup) return;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    g_popup->menu = menu;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        UINT id = GetMenuItemID(menu, i);
        if (id == static_cast<UINT>(-1) || id == 0) continue;
        g_popup->states.push_back({static_cast<int>(id), GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION)});
    }
    g_popup = nullptr;
    KillTimer(nullptr, timer);
    EndMenu();
}

}  // namespace

POINT ClientPixelOf(HWND window, LabelPoint logical) {
    HDC dc = GetDC(window);
    SetViewMapping(dc);
    POINT point = {logical.x, logical.y};
    LPtoDP(dc, &point, 1);
    ReleaseDC(window, dc);
    return point;
}

LabelPoint LogicalOfPagePoint(int page, LabelPoint q) {
    PageOrigin(g_currentLabel, page);
    LabelRect r = PageUnitsToLogical({q.x, q.y, q.x, q.y}, *g_currentLabel, HalfSizeView());
    return {r.left, r.top};
}

void PumpInput(int milliseconds) {
    DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < static_cast<DWORD>(milliseconds)) {
        bool any = false;
        while (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE) ||
               PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
            DispatchProgramMessage(&message);
            any = true;
        }
        if (any) start = GetTickCount();
        Sleep(10);
    }
}

void PressAt(HWND window, LabelPoint p, const std::vector<WORD>& modifiers) {
    WaitOutDoubleClick();
    SetForegroundWindow(window);
    PutCursor(window, p);
    PumpInput(50);
    SendKeys(modifiers, false);
    SendButton(MOUSEEVENTF_LEFTDOWN);
    PumpInput();
}

void MoveTo(HWND window, LabelPoint p) {
    PutCursor(window, p);
    PumpInput(80);
}

void ReleaseAt(HWND window, LabelPoint p, const std::vector<WORD>& modifiers) {
    PutCursor(window, p);
    PumpInput(50);
    SendButton(MOUSEEVENTF_LEFTUP);
    SendKeys(modifiers, true);
    PumpInput();
    g_lastClick = GetTickCount();
}

void ClickAt(HWND window, LabelPoint p, const std::vector<WORD>& modifiers) {
    PressAt(window, p, modifiers);
    ReleaseAt(window, p, modifiers);
}

void DoubleClickAt(HWND window, LabelPoint p, const std::vector<WORD>& modifiers) {
    WaitOutDoubleClick();
    SetForegroundWindow(window);
    PutCursor(window, p);
    PumpInput(50);
    SendKeys(modifiers, false);
    SendButton(MOUSEEVENTF_LEFTDOWN);
    SendButton(MOUSEEVENTF_LEFTUP);
    SendButton(MOUSEEVENTF_LEFTDOWN);
    SendButton(MOUSEEVENTF_LEFTUP);
    SendKeys(modifiers, true);
    PumpInput(300);
    g_lastClick = GetTickCount();
}

void DragFromTo(HWND window, LabelPoint from, LabelPoint to, const std::vector<WORD>& modifiers) {
    PressAt(window, from, modifiers);
    for (int step = 1; step <= 3; ++step)
        MoveTo(window, {from.x + (to.x - from.x) * step / 3, from.y + (to.y - from.y) * step / 3});
    ReleaseAt(window, to, modifiers);
}

void ExpectPopupOnNextRightClick(PopupSeen* seen) {
    *seen = PopupSeen();
    g_popup = seen;
    SetTimer(nullptr, 0, 100, ReadPopup);
}

void RightClickAt(HWND window, LabelPoint p) {
    WaitOutDoubleClick();
    SetForegroundWindow(window);
    PutCursor(window, p);
    PumpInput(50);
    SendButton(MOUSEEVENTF_RIGHTDOWN);
    SendButton(MOUSEEVENTF_RIGHTUP);
    // The pop-up's own loop runs inside the button handler; the timer reads
    // and closes it.
    PumpInput(300);
    g_lastClick = GetTickCount();
}

UINT PopupSeen::StateOf(int command) const {
    for (const auto& s : states)
        if (s.first == command) return s.second;
    return static_cast<UINT>(-1);
}

std::vector<int> TakePostedCommands(HWND window) {
    std::vector<int> commands;
    MSG message;
    while (PeekMessageA(&message, window, WM_COMMAND, WM_COMMAND, PM_REMOVE))
        commands.push_back(LOWORD(message.wParam));
    return commands;
}

void RepaintNow(HWND window) {
    RequestRepaint();
    UpdateWindow(window);
    PumpUntilHandled(window);
}

std::string StatusText(HWND window) {
    char text[256] = "";
    SendMessageA(GetDlgItem(window, 4321), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string Caption(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

COLORREF PixelAt(HWND window, LabelPoint p) {
    POINT pixel = ClientPixelOf(window, p);
    HDC dc = GetDC(window);
    COLORREF colour = GetPixel(dc, pixel.x, pixel.y);
    ReleaseDC(window, dc);
    return colour;
}

int CountPixels(HWND window, const LabelRect& area, COLORREF colour) {
    RECT r = LogicalToClient(window, area);
    HDC dc = GetDC(window);
    int count = 0;
    for (int y = r.top; y <= r.bottom; ++y)
        for (int x = r.left; x <= r.right; ++x)
            if (GetPixel(dc, x, y) == colour) ++count;
    ReleaseDC(window, dc);
    return count;
}

PlacedObject* AddObject(int type, int page, int layer, const LabelRect& rect, bool autoSize) {
    PlacedObject o;
    std::memset(&o, 0, sizeof o);
    o.rec.Type = type;
    o.rec.Page = page;
    o.rec.Layer = layer;
    o.rec.Left = rect.left;
    o.rec.Top = rect.top;
    o.rec.Right = rect.right;
    o.rec.Bottom = rect.bottom;
    if (type == OBJECT_STRING) {
        std::strcpy(o.rec.Text, "Label text");
        o.rec.AutoSize = autoSize ? 1 : 0;
        o.rec.Filled = 1;
        o.rec.BackColor = 0xFFFFFF;
        o.rec.Font.lfHeight = -20;
        std::strcpy(o.rec.Font.lfFaceName, "Arial");
        o.rec.HAlign = 1;
        o.rec.VAlign = 1;
    }
    ZIPINFO* label = g_currentLabel;
    if (!InsertObjectAtHead(label, o)) return nullptr;
    // Rotate the new head to the end of the list.
    PlacedObject head = label->Objects[0];
    std::memmove(label->Objects, label->Objects + 1, sizeof(PlacedObject) * (label->NumObjects - 1));
    label->Objects[label->NumObjects - 1] = head;
    return &label->Objects[label->NumObjects - 1];
}

void SaveWindowPicture(HWND window, const std::string& name) {
    char folder[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("LABEL_SCREENSHOTS", folder, sizeof folder) || !folder[0]) return;
    PumpUntilHandled(window);
    CaptureWindow(window, std::string(folder) + "\\" + name + ".bmp");
}
