// Comment Entry: the label's one-line comment, its macro buttons and a
// sample that shows exactly what OK stores, expanded with the label's facts.
#include "catalog/comment_entry.h"
#include "catalog/macros.h"
#include "base/text_field.h"
#include "catalog/win32/catalog_dialogs_win32.h"
#include "base/win32/dialog_fields_win32.h"
#include "base/win32/dialog_position_win32.h"
#include "editions/dialog_ids.h"
#include "editions/edition.h"

namespace {

struct CommentState {
    const ZIPINFO* label;
    std::string stored;  // what OK takes
};

constexpr int kMacroButtons[MACRO_COUNT] = {IDC_MACRO_SHORT_DATE, IDC_MACRO_LONG_DATE, IDC_MACRO_FILES,
                                            IDC_MACRO_SPACE_USED, IDC_MACRO_SPACE_FREE, IDC_MACRO_PCT_FREE,
                                            IDC_MACRO_PCT_USED,   IDC_MACRO_FOLDERS};

void ShowSample(HWND dialog, const CommentState& state) {
    char sample[kExpandedCommentSize];
    ExpandMacroText(state.label, StoredCommentLine(FieldText(dialog, IDC_COMMENT_TEXT)).c_str(), sample, sizeof sample);
    SetDlgItemTextA(dialog, IDC_COMMENT_SAMPLE, sample);
}

void InsertMacro(HWND dialog, CommentMacro macro) {
    HWND edit = GetDlgItem(dialog, IDC_COMMENT_TEXT);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    // A macro that does not fit whole is not inserted: the edit beeps, as
    // it does for a key past its limit.
    if (MacroFits(GetWindowTextLengthA(edit), static_cast<int>(start), static_cast<int>(end), macro))
        SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(MacroText(macro)));
    else
        MessageBeep(MB_OK);
    SetFocus(edit);
}

INT_PTR CALLBACK CommentProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<CommentState*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    switch (message) {
    case WM_INITDIALOG: {
        PlaceDialog(dialog, WINDOW_COMMENT);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        state = reinterpret_cast<CommentState*>(lParam);
        FillCaption(dialog, TheEdition().mediumWord);
        LimitField(dialog, IDC_COMMENT_TEXT, kCommentChars);
        HWND edit = GetDlgItem(dialog, IDC_COMMENT_TEXT);
        SetWindowTextA(edit, StoredCommentLine(state->label->Comment).c_str());
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SetFocus(edit);
        ShowSample(dialog, *state);
        return FALSE;
    }
    case WM_COMMAND: {
        TrackDialogPosition(dialog, WINDOW_COMMENT);
        int id = LOWORD(wParam);
        for (int m = 0; m < MACRO_COUNT; ++m)
            if (id == kMacroButtons[m]) InsertMacro(dialog, static_cast<CommentMacro>(m));
        switch (id) {
        case IDC_COMMENT_TEXT:
            if (HIWORD(wParam) == EN_CHANGE) ShowSample(dialog, *state);
            break;
        case IDC_DEFAULT_COMMENT: SetDlgItemTextA(dialog, IDC_COMMENT_TEXT, kDefaultComment); break;
        case IDC_DEFAULT_AUDIO: SetDlgItemTextA(dialog, IDC_COMMENT_TEXT, kAudioComment); break;
        case IDOK:
            state->stored = StoredCommentLine(FieldText(dialog, IDC_COMMENT_TEXT));
            EndDialog(dialog, 1);
            break;
        case IDCANCEL: EndDialog(dialog, 0); break;
        }
        return TRUE;
    }
    }
    return FALSE;
}

}  // namespace

bool CommentDialog(HWND owner, ZIPINFO* label) {
    CommentState state{label, std::string()};
    if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_COMMENT), owner, SoftOnNoMemory<CommentProc>,
                        reinterpret_cast<LPARAM>(&state)) != 1)
        return false;
    CopyField(label->Comment, state.stored.c_str());
    return true;
}
