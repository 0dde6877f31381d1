#include "shell/win32/message_dialogs_win32.h"

#include <cstdio>

#include "catalog/labels.h"
#include "document/program_settings.h"
#include "document/shell_integration.h"
#include "base/win32/dialog_fields_win32.h"
#include "base/win32/dialog_position_win32.h"
#include "editions/edition.h"
#include "editions/resource_ids.h"
#include "shell/view_pages.h"
#include "shell/view_state.h"
#include "document/win32/shell_integration_win32.h"
#include "shell/win32/file_commands.h"
#include "shell/win32/win_state.h"

namespace {

struct HintRequest {
    const char* caption;
    const char* message;
    const char* first;
    const char* second;
    int hint;
};

INT_PTR CALLBACK HintProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        PlaceDialog(dialog, WINDOW_DUMMY);
        const auto* request = reinterpret_cast<const HintRequest*>(lParam);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        SetWindowTextA(dialog, request->caption);
        SetDlgItemTextA(dialog, IDC_HINT_MESSAGE, request->message);
        SetDlgItemTextA(dialog, IDOK, request->first);
        SetDlgItemTextA(dialog, IDCANCEL, request->second);
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;
    }
    case WM_COMMAND: {
        TrackDialogPosition(dialog, WINDOW_DUMMY);
        const auto* request = reinterpret_cast<const HintRequest*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
        g_settings.HideDummy[request->hint] = IsDlgButtonChecked(dialog, IDC_HINT_HIDE) == BST_CHECKED ? 1 : 0;
        if (LOWORD(wParam) == IDOK) EndDialog(dialog, 1);
        else if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

enum WarningAnswer { WARNING_CANCEL = 0, WARNING_DISCARD = 1, WARNING_SAVE = 2 };

INT_PTR CALLBACK WarningProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        PlaceDialog(dialog, WINDOW_DIRTY);
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;
    case WM_COMMAND:
        TrackDialogPosition(dialog, WINDOW_DIRTY);
        switch (LOWORD(wParam)) {
        case IDOK:
            EndDialog(dialog, WARNING_DISCARD);
            break;
        case IDC_SAVE_LABEL:
            EndDialog(dialog, WARNING_SAVE);
            break;
        case IDCANCEL:
            EndDialog(dialog, WARNING_CANCEL);
            break;
        default:
            break;
        }
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK GoToPageProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        PlaceDialog(dialog, WINDOW_GOTO_PAGE);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        HWND field = GetDlgItem(dialog, IDC_GOTO_PAGE);
        SetDlgItemInt(dialog, IDC_GOTO_PAGE, static_cast<UINT>(static_cast<int>(lParam) - 1), FALSE);
        SendMessageA(field, EM_SETSEL, 0, -1);
        SetFocus(field);
        return FALSE;
    }
    case WM_COMMAND:
        TrackDialogPosition(dialog, WINDOW_GOTO_PAGE);
        if (LOWORD(wParam) == IDOK) {
            char text[32] = "";
            GetDlgItemTextA(dialog, IDC_GOTO_PAGE, text, sizeof text);
            EndDialog(dialog, PageFromEntry(text, static_cast<int>(GetWindowLongPtrA(dialog, GWLP_USERDATA))));
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, GetWindowLongPtrA(dialog, GWLP_USERDATA));
        }
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        PlaceDialog(dialog, WINDOW_ABOUT);
        const char* name = TheEdition().name;
        char text[128];
        std::snprintf(text, sizeof text, "About %s", name);
        SetWindowTextA(dialog, text);
        std::snprintf(text, sizeof text, "%s %s", name, "4.1");
        SetDlgItemTextA(dialog, IDC_ABOUT_NAME, text);
        SetDlgItemTextA(dialog, IDC_ABOUT_WEB, WebPageAddress(TheEdition(), true).c_str());
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;
    }
    case WM_COMMAND:
        TrackDialogPosition(dialog, WINDOW_ABOUT);
        if (LOWORD(wParam) == IDC_ABOUT_WEB) OpenWebPage(true);
        else if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

bool ShowHint(HWND owner, const char* caption, const char* message, const char* first, const char* second, int hint) {
    if (hint < 0 || hint >= kHintCount || g_settings.HideDummy[hint]) return false;
    HintRequest request = {caption, message, first, second, hint};
    return DialogBoxParamA(g_win.instance, MAKEINTRESOURCEA(IDD_HINT), owner, SoftOnNoMemory<HintProc>,
                           reinterpret_cast<LPARAM>(&request)) == 1;
}

bool ConfirmDiscard(HWND window) {
    // Wimbrook's sheet has no unsaved-label warning.
    if (TheEdition().id == EDITION_WIMBROOK || !g_view.modified) return true;
    if (!CurrentLabelHasContent()) {
        g_view.modified = 0;
        return true;
    }
    INT_PTR answer = DialogBoxParamA(g_win.instance, MAKEINTRESOURCEA(IDD_WARNING), window,
                                     SoftOnNoMemory<WarningProc>, 0);
    // Going on after a Save As that wrote nothing would lose the label.
    if (answer == WARNING_SAVE) return SaveBodyAsCommand(window);
    return answer == WARNING_DISCARD;
}

int GoToPage(HWND owner, int currentPage) {
    INT_PTR page = DialogBoxParamA(g_win.instance, MAKEINTRESOURCEA(IDD_GOTO_PAGE), owner, SoftOnNoMemory<GoToPageProc>,
                                   static_cast<LPARAM>(currentPage));
    return page >= 1 ? static_cast<int>(page) : currentPage;
}

void About(HWND owner) {
    DialogBoxParamA(g_win.instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, SoftOnNoMemory<AboutProc>, 0);
}
