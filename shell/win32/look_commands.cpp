#include "shell/win32/look_commands.h"

#include "document/look.h"
#include "editions/edition.h"
#include "render/win32/font_heights_win32.h"
#include "shell/view_state.h"
#include "shell/win32/menu_refresh_win32.h"
#include "shell/win32/win_state.h"

void ResetToDefaults(HWND window) {
    ResetAllLooks(TheEdition());
    g_view.modified = 1;
    HDC dc = GetDC(window);
    ApplyDefaultFonts(dc, g_view.windowScale);
    ReleaseDC(window, dc);
    MeasureMainFontHeights();
    RefreshMenus(window);
    RequestRepaint();
}
