// Fonts And Colors: the fonts and colours of files, folders, comment and
// spine and the extension styles, as rows of an owner-drawn list. The rows
// reach the label after every chooser and change (RequestApply, and the
// Apply command repaints it); Cancel puts back the look saved at opening.
#include "document/style_rows.h"
#include "document/win32/apply_choice_win32.h"
#include "base/win32/dialog_fields_win32.h"
#include "base/win32/dialog_position_win32.h"
#include "record/win32/font_desc_win32.h"
#include "document/win32/style_dialogs_win32.h"
#include "editions/dialog_ids.h"
#include "render/win32/font_heights_win32.h"

namespace {

struct FontsState {
    ZIPINFO* label;
    StyleRows rows;
    SavedLook saved;
    ProgramSettings* settings;  // the choosers' custom colours, the printer
};

FontsState* g_open = nullptr;

constexpr const char* kNoMemory = "There is not enough memory for these styles.";

int SelectedRow(HWND dialog) {
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_STYLE_LIST, LB_GETCURSEL, 0, 0));
}

void EnableButtons(HWND dialog, const FontsState& state) {
    int row = SelectedRow(dialog);
    bool any = row >= 0 && row < static_cast<int>(state.rows.rows.size());
    for (int id : {IDC_STYLE_COLOR, IDC_STYLE_FONT, IDC_COPY_FILES, IDC_COPY_FOLDERS})
        EnableWindow(GetDlgItem(dialog, id), any);
    EnableWindow(GetDlgItem(dialog, IDC_STYLE_REMOVE), any && row >= kFixedStyleRows);
}

void Select(HWND dialog, const FontsState& state, int row) {
    SendDlgItemMessageA(dialog, IDC_STYLE_LIST, LB_SETCURSEL, row, 0);
    EnableButtons(dialog, state);
}

// The row's height follows its font; then the list and the label show it.
void RowChanged(HWND dialog, const FontsState& state, int row) {
    HWND list = GetDlgItem(dialog, IDC_STYLE_LIST);
    SendMessageA(list, LB_SETITEMHEIGHT, row, StyleRowHeight(state.rows.rows[static_cast<size_t>(row)].ExtFont));
    InvalidateRect(list, nullptr, TRUE);
    RequestApply(dialog, APPLY_FONTS_DIALOG, &state.settings->Printer);
}

void ChooseRowColor(HWND dialog, FontsState* state) {
    int row = SelectedRow(dialog);
    if (row < 0) return;
    ChooseLabelColor(dialog, APPLY_FONTS_DIALOG, &state->rows.rows[static_cast<size_t>(row)].ExtColor,
                     state->settings->CustColors);
    RowChanged(dialog, *state, row);
}

void ChooseRowFont(HWND dialog, FontsState* state) {
    int row = SelectedRow(dialog);
    if (row < 0) return;
    ExtStyle& style = state->rows.rows[static_cast<size_t>(row)];
    ChooseLabelFont(dialog, APPLY_FONTS_DIALOG, &style.ExtFont, &style.ExtColor, &state->settings->Printer);
    RowChanged(dialog, *state, row);
}

void AddRow(HWND dialog, FontsState* state) {
    ExtensionStatus status = AddExtensionRow(&state->rows, FieldText(dialog, IDC_EXTENSION_TEXT), *state->label);
    if (status == EXTENSION_EMPTY) return;
    if (status != EXTENSION_ADDED) {
        TellInputProblem(dialog, ExtensionMessage(status));
        return;
    }
    int row = static_cast<int>(SendDlgItemMessageA(dialog, IDC_STYLE_LIST, LB_ADDSTRING, 0, 0));
    Select(dialog, *state, row);
    SetFieldText(dialog, IDC_EXTENSION_TEXT, "");
    // The label has the new row before its chooser opens: a Cancel there
    // goes back to it.
    RequestApply(dialog, APPLY_FONTS_DIALOG, &state->settings->Printer);
    ChooseRowColor(dialog, state);
}

void RemoveRow(HWND dialog, FontsState* state) {
    int row = SelectedRow(dialog);
    if (!RemoveStyleRow(&state->rows, row)) return;
    SendDlgItemMessageA(dialog, IDC_STYLE_LIST, LB_DELETESTRING, row, 0);
    EnableButtons(dialog, *state);
    RequestApply(dialog, APPLY_FONTS_DIALOG, &state->settings->Printer);
}

void DrawRow(const FontsState& state, const DRAWITEMSTRUCT* item) {
    if (item->itemID >= state.rows.rows.size()) return;
    const ExtStyle& style = state.rows.rows[item->itemID];
    HDC dc = item->hDC;
    RECT box = item->rcItem;
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(RowOnBlack(style.ExtColor) ? BLACK_BRUSH : WHITE_BRUSH)));
    HFONT font = CreateFontIndirectA(AsLogFont(&style.ExtFont));
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, style.ExtColor);
    DrawTextA(dc, style.ExtName, static_cast<int>(strnlen(style.ExtName, sizeof style.ExtName)), &box,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(font);
    if (item->itemState & (ODS_FOCUS | ODS_SELECTED)) DrawFocusRect(dc, &box);
}

INT_PTR CALLBACK FontsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<FontsState*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    switch (message) {
    case WM_INITDIALOG:
        PlaceDialog(dialog, WINDOW_EXT);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        state = reinterpret_cast<FontsState*>(lParam);
        // One more than a name holds: the full stop that is dropped.
        LimitField(dialog, IDC_EXTENSION_TEXT, kExtensionChars + 1);
        for (size_t i = 0; i < state->rows.rows.size(); ++i) SendDlgItemMessageA(dialog, IDC_STYLE_LIST, LB_ADDSTRING, 0, 0);
        Select(dialog, *state, 0);
        return TRUE;
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        item->itemHeight = state && item->itemID < state->rows.rows.size()
                               ? StyleRowHeight(state->rows.rows[item->itemID].ExtFont)
                               : 20;
        return TRUE;
    }
    case WM_DRAWITEM:
        if (state) DrawRow(*state, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        TrackDialogPosition(dialog, WINDOW_EXT);
        switch (LOWORD(wParam)) {
        case IDC_STYLE_LIST:
            if (HIWORD(wParam) == LBN_SELCHANGE) EnableButtons(dialog, *state);
            if (HIWORD(wParam) == LBN_DBLCLK) ChooseRowColor(dialog, state);
            break;
        case IDC_STYLE_COLOR: ChooseRowColor(dialog, state); break;
        case IDC_STYLE_FONT: ChooseRowFont(dialog, state); break;
        case IDC_COPY_FILES:
        case IDC_COPY_FOLDERS: {
            int row = SelectedRow(dialog);
            if (row < 0) break;
            CopyStyleRow(&state->rows, row, LOWORD(wParam) == IDC_COPY_FILES ? 0 : 1);
            RowChanged(dialog, *state, row);
            break;
        }
        case IDC_EXTENSION_ADD: AddRow(dialog, state); break;
        case IDC_STYLE_REMOVE: RemoveRow(dialog, state); break;
        case IDOK:
            if (!ApplyStyleRows(state->rows, state->label)) {
                TellInputProblem(dialog, kNoMemory);
                break;
            }
            EndDialog(dialog, 1);
            break;
        case IDCANCEL: EndDialog(dialog, 0); break;
        }
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool ApplyOpenFontsDialog() {
    if (!g_open || !ApplyStyleRows(g_open->rows, g_open->label)) return false;
    MeasureLabelFontHeights(g_open->label, &g_open->settings->Printer);
    return true;
}

bool FontsColorsDialog(HWND owner, ZIPINFO* label, ProgramSettings* settings) {
    FontsState state{label, StyleRowsOf(*label), SaveLook(*label), settings};
    FontsState* outer = g_open;
    g_open = &state;
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FONTS_COLORS), owner,
                                     SoftOnNoMemory<FontsProc>, reinterpret_cast<LPARAM>(&state));
    g_open = outer;
    if (result != 1 && !RestoreLook(state.saved, label))
        MessageBoxA(owner, kNoMemory, "Fonts And Colors", MB_OK | MB_ICONEXCLAMATION);
    InvalidateLayout(label);
    MeasureLabelFontHeights(label, &settings->Printer);
    return result == 1;
}
