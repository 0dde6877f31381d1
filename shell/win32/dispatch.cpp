#include "shell/win32/dispatch.h"

#include "catalog/labels.h"
#include "document/object_list.h"
#include "document/string_object.h"
#include "document/win32/insert_picture_win32.h"
#include "editions/command_ids.h"
#include "shell/object_command_map.h"
#include "shell/win32/look_commands.h"
#include "shell/view_state.h"
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
    case CMD_INSERT_IMAGE:
        ClearObjectSelection(g_currentLabel);
        if (InsertPicture(window, g_currentLabel, CurrentPlacement())) g_view.modified = 1;
        RequestRepaint();
        return;
    case CMD_INSERT_STRING:
        // The new string is centred on the page as it is placed now.
        PageOrigin(g_currentLabel, g_view.currentPage);
        if (InsertNewString(g_currentLabel, CurrentPlacement())) g_view.modified = 1;
        RequestRepaint();
        return;
    default: {
        ObjectCommand operation;
        if (ObjectCommandFor(command, &operation)) {
            // Without a fitting selection nothing happens, not even a repaint.
            if (RunObjectCommand(g_currentLabel, operation, CurrentPlacement())) {
                g_view.modified = 1;
                RequestRepaint();
            }
            return;
        }
        // Commands without a handler only repaint.
        RequestRepaint();
        return;
    }
    }
}
