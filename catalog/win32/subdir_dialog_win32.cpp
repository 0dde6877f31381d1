// Subdirectory Selection: which folders of the label are shown expanded.
// It works on the label's tree itself; there is nothing to undo.
#include "catalog/catalog_ops.h"
#include "catalog/win32/catalog_dialogs_win32.h"
#include "catalog/win32/tree_list_win32.h"
#include "base/win32/dialog_fields_win32.h"
#include "base/win32/dialog_position_win32.h"
#include "editions/dialog_ids.h"

namespace {

struct SubdirState {
    ZIPINFO* label;
    TreeList tree;
};

void Toggle(SubdirState* state) {
    int row = SelectedTreeRow(state->tree);
    if (row >= 0 && ToggleRow(&state->tree.rows, row)) ShowTreeRows(&state->tree, row);
}

void SetAll(SubdirState* state, int open) {
    SetOpenAll(state->label, open);
    BuildTreeRows(&state->tree.rows, state->label, ROWS_FOLDERS);
    ShowTreeRows(&state->tree, state->tree.rows.rows.empty() ? -1 : 0);
}

INT_PTR CALLBACK SubdirProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<SubdirState*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    INT_PTR answer = 0;
    if (state && TreeDialogMessage(state->tree, message, lParam, &answer)) return answer;
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        state = reinterpret_cast<SubdirState*>(lParam);
        StartTreeDialog(&state->tree, dialog, state->label, ROWS_FOLDERS);
        return FALSE;
    case WM_VKEYTOITEM:
        if (state && (LOWORD(wParam) == VK_SPACE || LOWORD(wParam) == VK_RETURN)) {
            Toggle(state);
            return -2;
        }
        return -1;
    case WM_COMMAND:
        TrackDialogPosition(dialog, WINDOW_SUBDIR);
        switch (LOWORD(wParam)) {
        case IDC_LIST:
            if (HIWORD(wParam) == LBN_DBLCLK) Toggle(state);
            break;
        case IDC_OPEN_ALL: SetAll(state, 1); break;
        case IDC_CLOSE_ALL: SetAll(state, 0); break;
        case IDOK:
        case IDCANCEL:
            // Esc and the close box end it as OK does: the changes stay.
            InvalidateLayout(state->label);
            EndDialog(dialog, LOWORD(wParam) == IDOK ? 1 : 0);
            break;
        }
        return TRUE;
    case WM_DESTROY:
        if (state) CloseTreeList(&state->tree);
        return FALSE;
    }
    return FALSE;
}

}  // namespace

bool SubdirDialog(HWND owner, ZIPINFO* label) {
    SubdirState state{label, TreeList()};
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SUBDIRS), owner, SoftOnNoMemory<SubdirProc>,
                           reinterpret_cast<LPARAM>(&state)) == 1;
}
