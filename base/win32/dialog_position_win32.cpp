#include "base/win32/dialog_position_win32.h"

void PlaceDialog(HWND dialog, WindowKey key) {
    ScreenPosition* saved = WindowPosition(key);
    RECT box;
    GetWindowRect(dialog, &box);
    if (saved && saved->x != 0 && saved->y != 0) {
        saved->x = ClampSavedPosition(saved->x, GetSystemMetrics(SM_CXSCREEN));
        saved->y = ClampSavedPosition(saved->y, GetSystemMetrics(SM_CYSCREEN));
        SetWindowPos(dialog, nullptr, saved->x, saved->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    HWND parent = GetParent(dialog);
    RECT over;
    if (!parent || !GetWindowRect(parent, &over)) GetWindowRect(GetDesktopWindow(), &over);
    int left = over.left + ((over.right - over.left) - (box.right - box.left)) / 2;
    int top = over.top + ((over.bottom - over.top) - (box.bottom - box.top)) / 2;
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TrackDialogPosition(HWND dialog, WindowKey key) {
    ScreenPosition* saved = WindowPosition(key);
    RECT box;
    if (!saved || !GetWindowRect(dialog, &box)) return;
    *saved = {box.left, box.top};
}
