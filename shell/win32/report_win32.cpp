#include "shell/win32/report_win32.h"

#include <windows.h>

#include "catalog/win32/catalog_hooks_win32.h"
#include "catalog/win32/dates_win32.h"
#include "catalog/win32/tree_list_win32.h"
#include "document/win32/settings_store_win32.h"
#include "editions/edition.h"
#include "render/win32/text_output_win32.h"
#include "shell/win32/string_measure_win32.h"
#include "base/report.h"
#include "base/window_positions.h"
#include "document/program_settings.h"
#include "shell/win32/win_state.h"

namespace {
void ShowReport(const char* title, const char* text) {
    MessageBoxA(g_win.main, text, title, MB_OK | MB_ICONERROR);
}
void EndProcess(int code) { ExitProcess(static_cast<UINT>(code)); }
}  // namespace

void InstallWin32Hooks() {
    SetReportHook(ShowReport);
    SetExitHook(EndProcess);
    InstallWin32DateHook();
    InstallWin32SettingsStore(TheEdition().iniFile, TheEdition().settingsRoot);
    InstallStringMeasureHook();
    InstallWin32CatalogHooks();
    SetWindowPositionStore(g_settings.Windows);
    SetTreeRowFontMaker(LabelFont);
}
