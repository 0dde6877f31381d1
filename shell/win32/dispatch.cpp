#include "shell/win32/dispatch.h"

#include "shell/command_ids.h"
#include "shell/win32/look_commands.h"
#include "shell/win32/main_window.h"
#include "shell/win32/startup.h"
#include "shell/win32/win_state.h"

void DispatchCommand(HWND window, int command) {
    switch (command) {
    case CMD_STARTUP:
        StartupContinuation(window);
        return;
    case CMD_RESET_DEFAULTS:
        ResetToDefaults(window);
        return;
    case CMD_EXIT:
        if (ExitCheck(window)) DestroyWindow(window);
        return;
    default:
        // Commands without a handler only repaint.
        RequestRepaint();
        return;
    }
}
