#include "shell/win32/win_state.h"

WinState g_win;

void RequestRepaint() {
    if (g_win.main) InvalidateRect(g_win.main, &g_win.drawArea, TRUE);
}
