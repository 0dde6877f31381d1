#include "document/win32/dialog_position_win32.h"

#include "document/settings_bounds.h"

void PlaceDialog(HWND dialog, WindowKey key) {
    ScreenPosition& saved = g_settings.Windows[key];
    RECT box;
    GetWindowRect(dialog, &box);
    if (saved.x != 0 && saved.y != 0) {
        saved.x = ClampSavedPosition(saved.x, GetSystemMetrics(SM_CXSCREEN));
        saved.y = ClampSavedPosition(saved.y, GetSystemMetrics(SM_CYSCREEN));
        SetWindowPos(dialog, nullptr, saved.x, saved.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    RECT box;
    if (!GetWindowRect(dialog, &box)) return;
    g_settings.Windows[key] = {box.left, box.top};
}
