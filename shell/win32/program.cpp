#include "shell/win32/program.h"

#include "editions/resource_ids.h"
#include "shell/view_state.h"
#include "shell/win32/main_window.h"
#include "shell/win32/report_win32.h"
#include "shell/win32/win_state.h"

void DispatchProgramMessage(MSG* message) {
    if (g_win.main && g_win.accelerators && TranslateAcceleratorA(g_win.main, g_win.accelerators, message)) return;
    TranslateMessage(message);
    DispatchMessageA(message);
}

int RunProgram(HINSTANCE instance, HINSTANCE previous, const char* commandLine) {
    g_win.instance = instance;
    InstallWin32Hooks();
    if (!previous && !RegisterMainWindowClass(instance)) return 1;
    if (!CreateMainWindow(instance)) return 1;
    g_win.accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    g_view.commandLine = commandLine ? commandLine : "";
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchProgramMessage(&message);
    return static_cast<int>(message.wParam);
}
