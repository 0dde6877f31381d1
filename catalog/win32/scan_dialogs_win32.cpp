// The drive and exclusion dialogs, on copies of the scan settings.
#include "catalog/scan_choices.h"
#include "catalog/scan_settings.h"
#include "catalog/win32/catalog_dialogs_win32.h"
#include "base/win32/dialog_fields_win32.h"
#include "base/win32/dialog_position_win32.h"
#include "editions/dialog_ids.h"
#include "editions/edition.h"

namespace {

struct DriveChoice {
    std::vector<std::string> entries;
    int selected;
};

INT_PTR CALLBACK DriveProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* choice = reinterpret_cast<DriveChoice*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    switch (message) {
    case WM_INITDIALOG: {
        PlaceDialog(dialog, WINDOW_DRIVE);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        choice = reinterpret_cast<DriveChoice*>(lParam);
        FillCaption(dialog, TheEdition().mediumWord);
        FillControlText(dialog, IDC_DRIVE_LABEL, TheEdition().mediumWord);
        HWND list = GetDlgItem(dialog, IDC_DRIVE_LIST);
        for (const std::string& entry : choice->entries) SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        SendMessageA(list, CB_SETCURSEL, choice->selected, 0);
        SetFocus(list);
        return FALSE;
    }
    case WM_COMMAND:
        TrackDialogPosition(dialog, WINDOW_DRIVE);
        if (LOWORD(wParam) == IDOK) {
            choice->selected = static_cast<int>(SendDlgItemMessageA(dialog, IDC_DRIVE_LIST, CB_GETCURSEL, 0, 0));
            EndDialog(dialog, 1);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
        }
        return TRUE;
    }
    return FALSE;
}

void ShowPatterns(HWND dialog, const ExcludeEdit& edit, int select) {
    HWND list = GetDlgItem(dialog, IDC_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& p : edit.patterns) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(p.c_str()));
    SendMessageA(list, LB_SETCURSEL, edit.patterns.empty() ? -1 : select, 0);
    EnableWindow(GetDlgItem(dialog, IDC_EXCLUDE_REMOVE), !edit.patterns.empty() && select >= 0);
}

void AddTypedPattern(HWND dialog, ExcludeEdit* edit) {
    int at = 0;
    PatternStatus status = AddPattern(edit, FieldText(dialog, IDC_EXCLUDE_PATTERN), &at);
    if (status == PATTERN_EMPTY) return;
    if (status != PATTERN_ADDED) {
        TellInputProblem(dialog, PatternMessage(status));
        return;
    }
    ShowPatterns(dialog, *edit, at);
    SetFieldText(dialog, IDC_EXCLUDE_PATTERN, "");
}

INT_PTR CALLBACK ExcludeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* edit = reinterpret_cast<ExcludeEdit*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    switch (message) {
    case WM_INITDIALOG:
        PlaceDialog(dialog, WINDOW_EXCLUDE);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        edit = reinterpret_cast<ExcludeEdit*>(lParam);
        // One more than a pattern holds: the "*" that is dropped.
        LimitField(dialog, IDC_EXCLUDE_PATTERN, kPatternChars + 1);
        CheckRadioButton(dialog, IDC_EXCLUDE_MODE, IDC_INCLUDE_MODE, edit->exclude ? IDC_EXCLUDE_MODE : IDC_INCLUDE_MODE);
        ShowPatterns(dialog, *edit, 0);
        return TRUE;
    case WM_COMMAND:
        TrackDialogPosition(dialog, WINDOW_EXCLUDE);
        switch (LOWORD(wParam)) {
        case IDC_EXCLUDE_ADD: AddTypedPattern(dialog, edit); break;
        case IDC_EXCLUDE_REMOVE: {
            int at = static_cast<int>(SendDlgItemMessageA(dialog, IDC_LIST, LB_GETCURSEL, 0, 0));
            if (at < 0 || at >= static_cast<int>(edit->patterns.size())) break;
            edit->patterns.erase(edit->patterns.begin() + at);
            ShowPatterns(dialog, *edit, -1);
            break;
        }
        case IDC_EXCLUDE_CLEAR:
            RemoveAllPatterns(edit);
            ShowPatterns(dialog, *edit, -1);
            CheckRadioButton(dialog, IDC_EXCLUDE_MODE, IDC_INCLUDE_MODE, IDC_EXCLUDE_MODE);
            break;
        case IDC_LIST:
            if (HIWORD(wParam) == LBN_SELCHANGE)
                EnableWindow(GetDlgItem(dialog, IDC_EXCLUDE_REMOVE),
                             SendDlgItemMessageA(dialog, IDC_LIST, LB_GETCURSEL, 0, 0) >= 0);
            break;
        case IDOK:
            edit->exclude = IsDlgButtonChecked(dialog, IDC_EXCLUDE_MODE) == BST_CHECKED;
            EndDialog(dialog, 1);
            break;
        case IDCANCEL: EndDialog(dialog, 0); break;
        }
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool DriveDialog(HWND owner, char* drive) {
    DriveChoice choice;
    choice.entries = DriveListEntries(GetLogicalDrives());
    choice.selected = DriveEntryIndex(choice.entries, *drive);
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_DRIVE), owner,
                                     SoftOnNoMemory<DriveProc>, reinterpret_cast<LPARAM>(&choice));
    if (result != 1 || choice.selected < 0 || choice.selected >= static_cast<int>(choice.entries.size())) return false;
    *drive = choice.entries[static_cast<size_t>(choice.selected)][0];
    return true;
}

bool ExcludeDialog(HWND owner, ScanSettings* scan) {
    ExcludeEdit edit = ExcludeEditFromScan(*scan);
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EXCLUDE), owner,
                                     SoftOnNoMemory<ExcludeProc>, reinterpret_cast<LPARAM>(&edit));
    return result == 1 && CommitExcludeEdit(edit, scan);
}
