#include "shell/win32/startup.h"

#include "document/program_settings.h"
#include "document/settings.h"
#include "editions/edition.h"
#include "render/win32/font_heights_win32.h"
#include "editions/command_ids.h"
#include "shell/command_line.h"
#include "shell/program_records.h"
#include "shell/toolbar_table.h"
#include "shell/view_state.h"
#include "shell/win32/bars.h"
#include "shell/win32/label_view_win32.h"
#include "document/win32/shell_integration_win32.h"
#include "shell/win32/menus_win32.h"
#include "shell/win32/win_state.h"

void StartupContinuation(HWND window) {
    AssembleMenus(window);
    InstallFileTypes();
    ViewSettings stored = StoredView();
    LoadSettings(TheEdition(), &stored, ProgramStoredSettings());
    TakeStoredView(stored);
    g_view.paintingEnabled = 1;

    HDC dc = GetDC(window);
    ApplyDefaultFonts(dc, g_view.windowScale, g_labelRecords, g_labelCount);
    ReleaseDC(window, dc);

    ScaleWindow(g_view.windowScale);
    // Shown without painting at once: the catalog's rows need the line
    // heights measured next, so the first paint comes after them.
    ShowWindow(window, SW_SHOW);

    MeasureMainFontHeights(g_labelRecords, g_labelCount, &g_settings.Printer);
    SwitchPage(0, 1);
    RequestRepaint();

    if (TakeMissingDrive(&g_scan)) PostMessageA(window, WM_COMMAND, CMD_SELECT_DRIVE, 0);

    CommandLineRequest request = ParseCommandLine(g_view.commandLine.c_str());
    if (request.command != 0) {
        g_view.commandLineFile = request.fileName;
        PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(request.command), 0);
    }

    SetStatusText(BannerText(TheEdition()).c_str());
}
