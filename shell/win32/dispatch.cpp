#include "shell/win32/dispatch.h"

#include <deque>
#include <new>

#include "base/report.h"

#include "catalog/labels.h"
#include "editions/command_ids.h"
#include "editions/edition.h"
#include "shell/command_table.h"
#include "shell/menu_state.h"
#include "shell/view_state.h"
#include "shell/win32/menu_refresh_win32.h"
#include "shell/win32/message_dialogs_win32.h"
#include "shell/win32/win_state.h"

namespace {

// A request waiting for the running command.
struct Pending {
    int command;
    bool clearLabelItem;
};

struct DispatchState {
    int running = 0;
    bool clearLabelItem = false;  // the running command's
    std::deque<Pending> waiting;
    HMENU newItemMenu = nullptr;  // the menu of the last highlighted "&New"-numbered item
};
DispatchState g_dispatch;

void AskRescan(HWND window, HintId id) {
    const HintText& hint = RescanHint(id);
    if (ShowHint(window, hint.caption, hint.message, kScanDisk, kDontScanDisk, hint.number))
        PostMessageA(window, WM_COMMAND, CMD_READ_DISK, 0);
}

void Finish(HWND window, bool repaint) {
    if (!IsWindow(window)) return;
    RefreshMenus(window);
    if (repaint) RequestRepaint();
}

void RunCommand(HWND window, int command) {
    const EditionProfile& edition = TheEdition();
    CommandState state = CommandStateOf(edition, command, LiveState(g_currentLabel));
    const CommandRow* row = state.row;
    if (!row) {
        // Another edition's command, or none at all: a repaint only.
        RequestRepaint();
        return;
    }
    if (!state.selectionFits) return;
    if ((row->flags & CF_GUARD) && !ConfirmDiscard(window)) {
        Finish(window, true);
        return;
    }
    bool held = (row->flags & CF_WHEN_ENABLED) && !state.enabled;
    bool done = !held && row->handler(state.arg);
    if (!IsWindow(window)) return;
    if (done && (row->flags & CF_MODIFIES)) g_view.modified = 1;
    if (done && row->hint != NO_HINT) {
        RefreshMenus(window);
        AskRescan(window, row->hint);
    }
    Finish(window, !(row->flags & CF_NO_REPAINT));
}

// Counts the command that runs, however it ends, and keeps where it came
// from while it runs (a chooser's Apply runs inside another command).
struct RunningCommand {
    explicit RunningCommand(const Pending& request) : outerClearLabelItem(g_dispatch.clearLabelItem) {
        ++g_dispatch.running;
        g_dispatch.clearLabelItem = request.clearLabelItem;
    }
    ~RunningCommand() {
        --g_dispatch.running;
        g_dispatch.clearLabelItem = outerClearLabelItem;
    }
    bool outerClearLabelItem;
};

void Run(HWND window, Pending request) {
    RunningCommand running(request);
    // A command that runs out of memory may have changed the label part
    // way: the program ends, as for any catalog allocation. A dialog's own
    // steps fail softly inside the dialog and never arrive here.
    try {
        RunCommand(window, request.command);
    } catch (const std::bad_alloc&) {
        FatalError(kNoMemoryFatal);
    }
}

void Enqueue(HWND window, Pending request) {
    // A chooser's Apply belongs to the command whose dialog sends it.
    if (g_dispatch.running > 0 && request.command != CMD_APPLY) {
        g_dispatch.waiting.push_back(request);
        return;
    }
    Run(window, request);
    while (g_dispatch.running == 0 && !g_dispatch.waiting.empty() && IsWindow(window)) {
        Pending next = g_dispatch.waiting.front();
        g_dispatch.waiting.pop_front();
        Run(window, next);
    }
    if (!IsWindow(window)) g_dispatch.waiting.clear();
}

}  // namespace

void DispatchCommand(HWND window, int command, bool clearLabelItem) {
    Enqueue(window, {command, clearLabelItem});
}

void RequestClose(HWND window) { Enqueue(window, {CMD_EXIT, false}); }

bool CommandCameFromClearLabelItem() { return g_dispatch.clearLabelItem; }

void NoteMenuSelection(HMENU menu, int item) {
    if (item == CMD_NEW) g_dispatch.newItemMenu = menu;
}

bool CameFromClearLabelItem(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) != CMD_NEW) return false;
    if (lParam != 0) return true;              // the toolbar's "Clear Label" button
    if (HIWORD(wParam) == 1) return false;     // Ctrl+N
    HMENU menu = g_dispatch.newItemMenu;
    // "&New" leads the File menu; "Cle&ar Label" sits in the Body menus.
    return menu && GetMenuItemID(menu, 0) != CMD_NEW;
}
