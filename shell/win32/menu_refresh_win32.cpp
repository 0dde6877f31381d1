#include "shell/win32/menu_refresh_win32.h"

#include <commctrl.h>

#include <string>

#include "catalog/labels.h"
#include "document/object_list.h"
#include "document/program_settings.h"
#include "editions/edition.h"
#include "editions/command_ids.h"
#include "shell/command_table.h"
#include "shell/menu_state.h"
#include "shell/recent_files.h"
#include "shell/toolbar_table.h"
#include "shell/view_state.h"
#include "shell/window_title.h"
#include "shell/win32/win_state.h"

namespace {

// Bar positions of the object menus in every edition.
constexpr int kImageMenuPosition = 3;
constexpr int kStringMenuPosition = 4;

// The states the rows give to the items of a menu and its sub-menus; an
// item whose row has no rule keeps its state.
void ApplyStates(HMENU menu, const StateView& in, CommandPlace place) {
    const EditionProfile& edition = TheEdition();
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            ApplyStates(sub, in, place);
            continue;
        }
        UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1)) continue;
        CommandState s = CommandStateOf(edition, static_cast<int>(id), in, place);
        UINT at = static_cast<UINT>(i);
        if (s.hasCheck) CheckMenuItem(menu, at, MF_BYPOSITION | (s.checked ? MF_CHECKED : MF_UNCHECKED));
        if (s.hasEnabledState) EnableMenuItem(menu, at, MF_BYPOSITION | (s.enabled ? MF_ENABLED : MF_GRAYED));
    }
}

// The object menus' own rule: every item but the first (their sub-menus'
// titles too) usable only while an object of the menu's kind is selected.
void EnableAllButFirst(HMENU menu, bool enabled) {
    int count = GetMenuItemCount(menu);
    for (int i = 1; i < count; ++i)
        EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

int ObjectMenuKind(int position) {
    if (position == kImageMenuPosition) return SELECTED_PICTURE;
    if (position == kStringMenuPosition) return SELECTED_STRING;
    return SELECTED_NOTHING;
}

void SetToolbarStates(const StateView& in) {
    HWND toolbar = g_win.toolbar;
    if (!toolbar) return;
    const EditionProfile& edition = TheEdition();
    int count = 0;
    const ToolButton* buttons = ToolbarButtons(edition, &count);
    for (int i = 0; i < count; ++i) {
        if (!buttons[i].command) continue;
        CommandState s = CommandStateOf(edition, buttons[i].command, in);
        WPARAM command = static_cast<WPARAM>(buttons[i].command);
        if (s.hasCheck) SendMessageA(toolbar, TB_CHECKBUTTON, command, MAKELPARAM(s.checked ? TRUE : FALSE, 0));
        if (s.hasEnabledState)
            SendMessageA(toolbar, TB_ENABLEBUTTON, command, MAKELPARAM(s.enabled ? TRUE : FALSE, 0));
    }
}

void SetRecentItems(HMENU bar) {
    for (int k = 0; k < kRecentFiles; ++k) {
        int command = CMD_RECENT_1 + k;
        ModifyMenuA(bar, static_cast<UINT>(command), MF_BYCOMMAND | MF_STRING, static_cast<UINT_PTR>(command),
                    RecentItemText(g_settings.Recent[k]));
    }
}

}  // namespace

void RefreshMenus(HWND window) {
    HMENU bar = window ? GetMenu(window) : nullptr;
    if (!bar) return;
    StateView in = LiveState(g_currentLabel);
    int menus = GetMenuItemCount(bar);
    for (int position = 0; position < menus; ++position) {
        HMENU menu = GetSubMenu(bar, position);
        if (!menu) continue;
        int kind = ObjectMenuKind(position);
        if (kind != SELECTED_NOTHING) {
            bool selected = in.SelectionKind() == kind;
            EnableAllButFirst(menu, selected);
            if (!selected) continue;
        }
        ApplyStates(menu, in, ON_MENU_BAR);
    }
    SetToolbarStates(in);
    SetRecentItems(bar);
}

void RefreshPopup(HMENU popup, const ZIPINFO* label) {
    if (popup) ApplyStates(popup, LiveState(label), ON_POPUP);
}

void AddRecentFile(const char* path) {
    PushRecentFile(g_settings.Recent, path ? path : "");
    RefreshMenus(g_win.main);
}

void SetTitle(HWND window) {
    if (!window) return;
    std::string title = WindowTitle(TheEdition(), g_view.labelName.c_str(), g_view.labelKind, g_view.currentPage,
                                    g_view.fullSize, CurrentLabelIndex());
    char shown[512] = "";
    GetWindowTextA(window, shown, sizeof shown);
    if (title != shown) SetWindowTextA(window, title.c_str());
}
