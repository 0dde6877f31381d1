// The Files and Folders Editor on a copy of the label's tree, and its
// Change File dialog on one entry.
#include <cstdlib>

#include "catalog/catalog_ops.h"
#include "catalog/entry_fields.h"
#include "catalog/win32/catalog_dialogs_win32.h"
#include "catalog/win32/tree_list_win32.h"
#include "base/win32/dialog_fields_win32.h"
#include "base/win32/dialog_position_win32.h"
#include "editions/dialog_ids.h"

namespace {

struct ChangeState {
    CatalogEntry entry;  // a copy; the caller takes it on OK
};

void ShowAlignments(HWND dialog, int align) {
    HWND list = GetDlgItem(dialog, IDC_ENTRY_ALIGN);
    for (const char* name : {"Left", "Center", "Right"}) SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendMessageA(list, CB_SETCURSEL, align, 0);
}

INT_PTR CALLBACK ChangeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<ChangeState*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    switch (message) {
    case WM_INITDIALOG: {
        PlaceDialog(dialog, WINDOW_CHANGE_FILE);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        state = reinterpret_cast<ChangeState*>(lParam);
        LimitField(dialog, IDC_ENTRY_NAME, kEntryNameChars);
        LimitField(dialog, IDC_ENTRY_COMMENT, kEntryCommentChars);
        LimitField(dialog, IDC_ENTRY_SIZE, kEntrySizeDigits);
        EntryFields fields = FieldsOfEntry(state->entry);
        SetFieldText(dialog, IDC_ENTRY_NAME, fields.name);
        SetFieldText(dialog, IDC_ENTRY_COMMENT, fields.comment);
        SetFieldText(dialog, IDC_ENTRY_SIZE, fields.size);
        ShowAlignments(dialog, fields.align);
        SendDlgItemMessageA(dialog, IDC_ENTRY_NAME, EM_SETSEL, 0, -1);
        SetFocus(GetDlgItem(dialog, IDC_ENTRY_NAME));
        return FALSE;
    }
    case WM_COMMAND:
        TrackDialogPosition(dialog, WINDOW_CHANGE_FILE);
        if (LOWORD(wParam) == IDOK) {
            EntryFields fields;
            fields.name = FieldText(dialog, IDC_ENTRY_NAME);
            fields.comment = FieldText(dialog, IDC_ENTRY_COMMENT);
            fields.size = FieldText(dialog, IDC_ENTRY_SIZE);
            fields.align = static_cast<int>(SendDlgItemMessageA(dialog, IDC_ENTRY_ALIGN, CB_GETCURSEL, 0, 0));
            if (!StoreEntryFields(fields, &state->entry)) {
                TellInputProblem(dialog, kEntrySizeMessage);
                SetFocus(GetDlgItem(dialog, IDC_ENTRY_SIZE));
                return TRUE;
            }
            EndDialog(dialog, 1);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
        }
        return TRUE;
    }
    return FALSE;
}

bool ChangeFileDialog(HWND owner, CatalogEntry* entry) {
    ChangeState state{*entry};
    if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CHANGE_FILE), owner, SoftOnNoMemory<ChangeProc>,
                        reinterpret_cast<LPARAM>(&state)) != 1)
        return false;
    *entry = state.entry;
    return true;
}

struct EditorState {
    ZIPINFO* copy;
    TreeList tree;
};

void Change(HWND dialog, EditorState* state) {
    int row = SelectedTreeRow(state->tree);
    if (row < 0) return;
    if (ChangeFileDialog(dialog, &RowEntry(state->tree.rows.rows[static_cast<size_t>(row)])))
        InvalidateRect(state->tree.list, nullptr, TRUE);
}

void Move(EditorState* state, int step) {
    int row = SelectedTreeRow(state->tree);
    if (row < 0) return;
    int to = MoveRow(&state->tree.rows, row, step);
    if (to >= 0) ShowTreeRows(&state->tree, to);
}

void Delete(EditorState* state) {
    int row = SelectedTreeRow(state->tree);
    if (row < 0) return;
    DeleteRow(&state->tree.rows, row);
    ShowTreeRows(&state->tree, row);
}

void AddNew(HWND dialog, EditorState* state) {
    int at = AddEntryAtRow(&state->tree.rows, SelectedTreeRow(state->tree));
    if (at < 0) {
        TellInputProblem(dialog, "There is not enough memory for another entry.");
        return;
    }
    ShowTreeRows(&state->tree, at);
    Change(dialog, state);
}

// Double click, Space and Enter: a folder opens or closes, anything else
// is changed.
void Activate(HWND dialog, EditorState* state) {
    int row = SelectedTreeRow(state->tree);
    if (row < 0) return;
    if (ToggleRow(&state->tree.rows, row))
        ShowTreeRows(&state->tree, row);
    else
        Change(dialog, state);
}

INT_PTR CALLBACK EditorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<EditorState*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    INT_PTR answer = 0;
    if (state && TreeDialogMessage(state->tree, message, lParam, &answer)) return answer;
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        state = reinterpret_cast<EditorState*>(lParam);
        StartTreeDialog(&state->tree, dialog, state->copy, ROWS_ENTRIES);
        return FALSE;
    case WM_VKEYTOITEM: {
        WORD key = LOWORD(wParam);
        if (!state || (key != VK_SPACE && key != VK_RETURN && key != VK_BACK && key != VK_DELETE)) return -1;
        if (key == VK_BACK || key == VK_DELETE)
            Delete(state);
        else
            Activate(dialog, state);
        return -2;
    }
    case WM_COMMAND:
        TrackDialogPosition(dialog, WINDOW_SUBDIR);
        switch (LOWORD(wParam)) {
        case IDC_LIST:
            if (HIWORD(wParam) == LBN_DBLCLK) Activate(dialog, state);
            break;
        case IDC_MOVE_UP: Move(state, -1); break;
        case IDC_MOVE_DOWN: Move(state, 1); break;
        case IDC_ADD_ENTRY: AddNew(dialog, state); break;
        case IDC_DELETE_ENTRY: Delete(state); break;
        case IDC_CHANGE_ENTRY: Change(dialog, state); break;
        case IDOK: EndDialog(dialog, 1); break;
        case IDCANCEL: EndDialog(dialog, 0); break;
        }
        return TRUE;
    case WM_DESTROY:
        if (state) CloseTreeList(&state->tree);
        return FALSE;
    }
    return FALSE;
}

}  // namespace

bool FilesFoldersDialog(HWND owner, ZIPINFO* label) {
    ZIPINFO* copy = TryDuplicateCatalog(label);
    if (!copy) {
        MessageBoxA(owner, "There is not enough memory to copy the files and folders for editing.",
                    "Files and Folders Editor", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    EditorState state{copy, TreeList()};
    if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FILES_FOLDERS), owner,
                        SoftOnNoMemory<EditorProc>, reinterpret_cast<LPARAM>(&state)) != 1) {
        DeleteCatalogList(copy);
        return false;
    }
    FreeCatalog(label);
    label->Entries = copy->Entries;
    label->NumEntries = copy->NumEntries;
    copy->Entries = nullptr;
    copy->NumEntries = 0;
    DeleteCatalogList(copy);
    InvalidateLayout(label);
    RecountCatalog(label);
    return true;
}
