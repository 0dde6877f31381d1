// String Entry and Modification on the label's head object: the text, its
// rotation, alignment and auto-size, and the choosers for its colours and
// font. "&Apply" and every chooser's choice reach the label at once
// (RequestApply, and the Apply command repaints it); Cancel puts the whole
// record back.
#include "base/report.h"
#include "document/string_object.h"
#include "document/text_entry.h"
#include "document/win32/apply_choice_win32.h"
#include "base/win32/dialog_fields_win32.h"
#include "base/win32/dialog_position_win32.h"
#include "document/win32/style_dialogs_win32.h"
#include "editions/dialog_ids.h"

namespace {

struct StringState {
    const ZIPINFO* label;
    ObjectRecord* rec;
    HWND dialog;
    ObjectRecord saved;  // the whole record as it was, for Cancel
    ProgramSettings* settings;  // the choosers' custom colours, the printer
};

StringState* g_open = nullptr;

void ShowControls(HWND dialog, const ObjectRecord& rec) {
    StringControls c = StringControlsOf(rec);
    SendDlgItemMessageA(dialog, IDC_STRING_ROTATION, CB_SETCURSEL, c.orientation, 0);
    SendDlgItemMessageA(dialog, IDC_STRING_HALIGN, CB_SETCURSEL, c.hAlign, 0);
    SendDlgItemMessageA(dialog, IDC_STRING_VALIGN, CB_SETCURSEL, c.vAlign, 0);
    CheckDlgButton(dialog, IDC_STRING_AUTOSIZE, c.autoSize ? BST_CHECKED : BST_UNCHECKED);
}

void TakeControls(HWND dialog, ObjectRecord* rec) {
    TakeStringText(FieldText(dialog, IDC_STRING_TEXT), rec);
    StringControls c;
    c.orientation = static_cast<int>(SendDlgItemMessageA(dialog, IDC_STRING_ROTATION, CB_GETCURSEL, 0, 0));
    c.hAlign = static_cast<int>(SendDlgItemMessageA(dialog, IDC_STRING_HALIGN, CB_GETCURSEL, 0, 0));
    c.vAlign = static_cast<int>(SendDlgItemMessageA(dialog, IDC_STRING_VALIGN, CB_GETCURSEL, 0, 0));
    c.autoSize = IsDlgButtonChecked(dialog, IDC_STRING_AUTOSIZE) == BST_CHECKED;
    TakeStringControls(c, rec);
}

void FillList(HWND dialog, int id, const wchar_t* const* items, int count) {
    for (int i = 0; i < count; ++i) SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i]));
}

void Init(HWND dialog, StringState* state) {
    state->dialog = dialog;
    LimitField(dialog, IDC_STRING_TEXT, kStringTextSize - 1);
    SetFieldText(dialog, IDC_STRING_TEXT, state->rec->Text);
    SendDlgItemMessageA(dialog, IDC_STRING_TEXT, EM_SETSEL, 0, -1);
    // Wide texts: the degree sign is the same on every code page.
    const wchar_t* const rotations[] = {L"0\u00B0", L"90\u00B0", L"180\u00B0", L"270\u00B0"};
    const wchar_t* const across[] = {L"Left", L"Center", L"Right"};
    const wchar_t* const down[] = {L"Top", L"Center", L"Bottom"};
    FillList(dialog, IDC_STRING_ROTATION, rotations, 4);
    FillList(dialog, IDC_STRING_HALIGN, across, 3);
    FillList(dialog, IDC_STRING_VALIGN, down, 3);
    ShowControls(dialog, *state->rec);
    SetFocus(GetDlgItem(dialog, IDC_STRING_TEXT));
}

INT_PTR CALLBACK StringProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<StringState*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    switch (message) {
    case WM_INITDIALOG:
        PlaceDialog(dialog, WINDOW_STRING);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        Init(dialog, reinterpret_cast<StringState*>(lParam));
        return FALSE;
    case WM_COMMAND: {
        TrackDialogPosition(dialog, WINDOW_STRING);
        ObjectRecord* rec = state->rec;
        switch (LOWORD(wParam)) {
        case IDC_STRING_APPLY: RequestApply(dialog, APPLY_STRING_DIALOG, &state->settings->Printer); break;
        case IDC_STRING_COLOR:
            ChooseLabelColor(dialog, APPLY_STRING_DIALOG, &rec->TextColor, state->settings->CustColors);
            RequestApply(dialog, APPLY_STRING_DIALOG, &state->settings->Printer);
            break;
        case IDC_STRING_BACKGROUND: {
            int filled = rec->Filled;
            rec->Filled = 1;
            if (!ChooseLabelColor(dialog, APPLY_STRING_DIALOG, &rec->BackColor, state->settings->CustColors))
                rec->Filled = filled;
            RequestApply(dialog, APPLY_STRING_DIALOG, &state->settings->Printer);
            break;
        }
        case IDC_STRING_FONT:
            ChooseLabelFont(dialog, APPLY_STRING_DIALOG, &rec->Font, &rec->TextColor, &state->settings->Printer);
            RequestApply(dialog, APPLY_STRING_DIALOG, &state->settings->Printer);
            break;
        case IDC_STRING_DEFAULT:
            SetStringDefaults(*state->label, rec);
            ShowControls(dialog, *rec);
            RequestApply(dialog, APPLY_STRING_DIALOG, &state->settings->Printer);
            break;
        case IDOK:
            TakeControls(dialog, rec);
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

bool ApplyOpenStringDialog() {
    if (!g_open || !g_open->dialog) return false;
    TakeControls(g_open->dialog, g_open->rec);
    if (g_open->rec->AutoSize) AutoSizeString(g_open->rec);
    return true;
}

bool StringDialog(HWND owner, ZIPINFO* label, ProgramSettings* settings) {
    if (label->NumObjects <= 0 || label->Objects[0].rec.Type != OBJECT_STRING) {
        ReportBadStuff("StringDialog - the head object is not a string");
        return false;
    }
    ObjectRecord* rec = &label->Objects[0].rec;
    StringState state{label, rec, nullptr, *rec, settings};
    StringState* outer = g_open;
    g_open = &state;
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_STRING), owner,
                                     SoftOnNoMemory<StringProc>, reinterpret_cast<LPARAM>(&state));
    g_open = outer;
    if (result != 1) *rec = state.saved;
    return result == 1;
}
