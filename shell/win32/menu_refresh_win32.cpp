#include "shell/win32/menu_refresh_win32.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "catalog/labels.h"
#include "document/program_settings.h"
#include "editions/edition.h"
#include "editions/command_ids.h"
#include "shell/menu_inputs.h"
#include "shell/menu_state.h"
#include "shell/recent_files.h"
#include "shell/view_state.h"
#include "shell/window_title.h"
#include "shell/win32/menus_win32.h"
#include "shell/win32/win_state.h"

namespace {

// Bar positions of the object menus in every edition.
constexpr int kImageMenuPosition = 3;
constexpr int kStringMenuPosition = 4;

void Check(HMENU menu, int command, bool checked) {
    CheckMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void ApplyChecks(HMENU menu, const std::vector<ItemCheck>& checks) {
    for (const ItemCheck& c : checks) Check(menu, c.command, c.checked);
}

void Enable(HMENU menu, int command, bool enabled) {
    EnableMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

// Every item but the first usable or greyed.
void EnableAllButFirst(HMENU menu, bool enabled) {
    int count = GetMenuItemCount(menu);
    for (int i = 1; i < count; ++i)
        EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

void SetToolbarStates(const EditionProfile& edition, const MenuInputs& in) {
    HWND toolbar = g_win.toolbar;
    if (!toolbar) return;
    ToolbarStates s = ComputeToolbarStates(edition, in);
    auto check = [toolbar](int command, bool on) {
        SendMessageA(toolbar, TB_CHECKBUTTON, static_cast<WPARAM>(command), MAKELPARAM(on ? TRUE : FALSE, 0));
    };
    auto enable = [toolbar](int command, bool on) {
        SendMessageA(toolbar, TB_ENABLEBUTTON, static_cast<WPARAM>(command), MAKELPARAM(on ? TRUE : FALSE, 0));
    };
    if (edition.id != EDITION_WIMBROOK) {
        check(CMD_ZOOM, s.zoomPressed);
        enable(CMD_PREVIOUS_PAGE, s.previousEnabled);
        enable(CMD_NEXT_PAGE, s.nextEnabled);
    }
    check(CMD_SHOW_SIZE, s.sizesPressed);
    check(CMD_SHOW_EXT, s.extensionsPressed);
    enable(CMD_COLUMNS_LESS, s.fewerColumnsEnabled);
    enable(CMD_COLUMNS_MORE, s.moreColumnsEnabled);
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
    const EditionProfile& edition = TheEdition();
    MenuInputs in = GatherMenuInputs(g_currentLabel);
    ApplyChecks(bar, MenuBarChecks(edition, in));
    if (edition.id != EDITION_WIMBROOK) Enable(bar, CMD_GOTO_PAGE, GoToPageEnabled(in));

    HMENU image = GetSubMenu(bar, kImageMenuPosition);
    HMENU string = GetSubMenu(bar, kStringMenuPosition);
    bool imageSelected = in.selectionKind == 1, stringSelected = in.selectionKind == 2;
    if (image) {
        EnableAllButFirst(image, imageSelected);
        if (imageSelected) SetLayerChecks(image, in.layer);
    }
    if (string) {
        EnableAllButFirst(string, stringSelected);
        if (stringSelected) {
            SetLayerChecks(string, in.layer);
            RefreshStringChecks(string, g_currentLabel);
        }
    }
    SetToolbarStates(edition, in);
    SetRecentItems(bar);
}

void RefreshPopupChecks(const ZIPINFO* label, HMENU body, HMENU spine) {
    MenuInputs in = GatherMenuInputs(label);
    if (body) ApplyChecks(body, BodyPopupChecks(in));
    if (spine) ApplyChecks(spine, SpinePopupChecks(in));
}

void RefreshPagePopupChecks(HMENU page) {
    if (!page) return;
    Check(page, CMD_FRONT_COVER, g_view.currentPage == 1);
    Check(page, CMD_BACK_COVER, g_view.currentPage == 2);
    Enable(page, CMD_GOTO_PAGE, g_view.labelKind == KIND_BOOKLET);
}

void RefreshStringChecks(HMENU menu, const ZIPINFO* label) {
    if (!menu) return;
    ApplyChecks(menu, StringChecks(GatherMenuInputs(label)));
}

void SetLayerChecks(HMENU menu, int layer) {
    if (menu) ApplyChecks(menu, LayerChecks(layer));
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
