#include "tests/gui/view_input.h"

#include "tools/driver/window_capture.h"

#include <gtest/gtest.h>

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
#include "tools/driver/driver.h"
#include "tools/driver/input_events.h"

const char* const kViewTestIni = "[tlm5]\r\nDrive=67\r\n";

namespace {

// Every injected batch ends in a mouse event marked with this extra
// information; a hook notes when it leaves the queue, whichever loop takes
// it (the pump below, or a menu or dialog loop that a handler runs).
constexpr ULONG_PTR kEndOfBatch = 0x4C424C45;
bool g_batchTaken = false;

LRESULT CALLBACK NoteEndOfBatch(int code, WPARAM removal, LPARAM message) {
    if (code == HC_ACTION && removal == PM_REMOVE &&
        static_cast<ULONG_PTR>(GetMessageExtraInfo()) == kEndOfBatch)
        g_batchTaken = true;
    return CallNextHookEx(nullptr, code, removal, message);
}

// Input is stamped with a clock of the harness's own. A click that must
// stand alone is stamped more than a double-click time after the last click,
// so the system never pairs the two, and no test waits that time out.
DWORD g_inputClock = 0;
DWORD g_lastClick = 0;
bool g_clicked = false;

DWORD Stamp(bool separateClick) {
    DWORD now = GetTickCount();
    if (!g_inputClock || static_cast<LONG>(now - g_inputClock) > 0) g_inputClock = now;
    if (separateClick) {
        DWORD apart = g_lastClick + GetDoubleClickTime() + 1;
        if (g_clicked && static_cast<LONG>(apart - g_inputClock) > 0) g_inputClock = apart;
        g_lastClick = g_inputClock;
        g_clicked = true;
    }
    if (!g_inputClock) g_inputClock = 1;  // a stamp of 0 asks for the system's time
    return g_inputClock;
}

// Dispatches only mouse and key messages (no paint, no commands) that are
// queued now.
void DispatchQueuedInput() {
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE) ||
           PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE))
        DispatchProgramMessage(&message);
}

// Injects the batch and dispatches input until its last mouse event has
// left the queue, then what is queued behind it (modifier releases).
void Inject(std::vector<INPUT> batch, bool separateClick = false) {
    DWORD stamp = Stamp(separateClick);
    INPUT* last = nullptr;
    for (INPUT& input : batch) {
        if (input.type == INPUT_MOUSE) {
            input.mi.time = stamp;
            last = &input;
        } else {
            input.ki.time = stamp;
        }
    }
    if (last) last->mi.dwExtraInfo = kEndOfBatch;
    g_batchTaken = false;
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, NoteEndOfBatch, nullptr, GetCurrentThreadId());
    SendInput(static_cast<UINT>(batch.size()), batch.data(), sizeof(INPUT));
    bool taken = WaitFor([] {
        DispatchQueuedInput();
        return g_batchTaken;
    });
    UnhookWindowsHookEx(hook);
    DispatchQueuedInput();
    if (!taken) ADD_FAILURE() << "the window never took the injected input";
}

std::vector<INPUT> Keys(const std::vector<WORD>& keys, bool up) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) inputs.push_back(KeyEvent(key, up));
    return inputs;
}

std::vector<INPUT> Then(std::vector<INPUT> first, const std::vector<INPUT>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// The cursor moves by injected input too, so that its move is ordered with
// the clicks. A cursor already there is left alone: no move would be queued
// to wait for.
void PutCursor(HWND window, LabelPoint p) {
    POINT pixel = ClientPixelOf(window, p), at;
    ClientToScreen(window, &pixel);
    if (GetCursorPos(&at) && at.x == pixel.x && at.y == pixel.y) return;
    Inject({MouseEventAt(pixel, 0)});
    if (!GetCursorPos(&at) || at.x != pixel.x || at.y != pixel.y)
        ADD_FAILURE() << "the cursor is at " << at.x << "," << at.y << ", not " << pixel.x << "," << pixel.y;
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

void PressAt(HWND window, LabelPoint p, const std::vector<WORD>& modifiers) {
    SetForegroundWindow(window);
    PutCursor(window, p);
    Inject(Then(Keys(modifiers, false), {MouseEvent(MOUSEEVENTF_LEFTDOWN)}), true);
}

void MoveTo(HWND window, LabelPoint p) {
    PutCursor(window, p);
}

void ReleaseAt(HWND window, LabelPoint p, const std::vector<WORD>& modifiers) {
    PutCursor(window, p);
    Inject(Then({MouseEvent(MOUSEEVENTF_LEFTUP)}, Keys(modifiers, true)));
}

void ClickAt(HWND window, LabelPoint p, const std::vector<WORD>& modifiers) {
    PressAt(window, p, modifiers);
    ReleaseAt(window, p, modifiers);
}

void DoubleClickAt(HWND window, LabelPoint p, const std::vector<WORD>& modifiers) {
    SetForegroundWindow(window);
    PutCursor(window, p);
    std::vector<INPUT> clicks = {MouseEvent(MOUSEEVENTF_LEFTDOWN), MouseEvent(MOUSEEVENTF_LEFTUP),
                                 MouseEvent(MOUSEEVENTF_LEFTDOWN), MouseEvent(MOUSEEVENTF_LEFTUP)};
    Inject(Then(Then(Keys(modifiers, false), clicks), Keys(modifiers, true)), true);
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
    SetForegroundWindow(window);
    PutCursor(window, p);
    // The pop-up's own loop runs inside the button handler; the timer reads
    // and closes it.
    Inject({MouseEvent(MOUSEEVENTF_RIGHTDOWN), MouseEvent(MOUSEEVENTF_RIGHTUP)}, true);
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
