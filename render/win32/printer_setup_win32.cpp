#include "render/win32/printer_setup_win32.h"

#include <string>

#include "base/win32/dialog_fields_win32.h"
#include "base/win32/dialog_position_win32.h"
#include "editions/print_ids.h"

namespace {

constexpr int kBorderStyles = 6;  // 0 solid ... 4 dash-dot-dot, 5 none
constexpr int kBorderItemHeight = 20;
const char kCaption[] = "Printer Setup";

struct FieldControl {
    SetupField field;
    int control;
};

// The number fields of the edition's template.
int FieldsOf(const EditionProfile& edition, FieldControl out[4]) {
    if (edition.id == EDITION_WIMBROOK) {
        out[0] = {SETUP_X, IDC_PS_X};
        out[1] = {SETUP_Y, IDC_PS_Y};
        out[2] = {SETUP_MARGIN, IDC_PS_MARGIN};
        return 3;
    }
    out[0] = {SETUP_X, IDC_PS_X};
    out[1] = {SETUP_Y, IDC_PS_Y};
    out[2] = {SETUP_X2, IDC_PS_X2};
    out[3] = {SETUP_Y2, IDC_PS_Y2};
    return 4;
}

PrinterSetupRequest* RequestOf(HWND dialog) {
    return reinterpret_cast<PrinterSetupRequest*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
}

bool Checked(HWND dialog, int control) { return IsDlgButtonChecked(dialog, control) == BST_CHECKED; }

// The position fields can be edited only away from the default position.
void EnableFields(HWND dialog, const EditionProfile& edition) {
    bool own = !Checked(dialog, IDC_PS_DEFAULT_POSITION);
    FieldControl fields[4];
    int count = FieldsOf(edition, fields);
    for (int i = 0; i < count; ++i) EnableWindow(GetDlgItem(dialog, fields[i].control), own);
}

void ShowPrinterName(HWND dialog, const PrinterChoice& printer) {
    SetDlgItemTextA(dialog, IDC_PS_PRINTER_NAME, printer.names.name);
}

void Fill(HWND dialog, PrinterSetupRequest* request) {
    const PrintSetupValues& v = request->values;
    const PrintPlacement& p = v.placement;
    ShowPrinterName(dialog, *request->printer);
    CheckDlgButton(dialog, IDC_PS_CROP_MARKS, p.cropMarks ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_PS_DEFAULT_POSITION, p.origPosition ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_PS_SEPARATE, p.separate ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_PS_NEW_PAGE, p.multiPage ? BST_CHECKED : BST_UNCHECKED);
    HWND border = GetDlgItem(dialog, IDC_PS_BORDER);
    for (int style = 0; style < kBorderStyles; ++style) SendMessageA(border, CB_ADDSTRING, 0, style);
    SendMessageA(border, CB_SETCURSEL, v.border, 0);
    FieldControl fields[4];
    int count = FieldsOf(*request->edition, fields);
    PrintSetupValues copy = v;
    for (int i = 0; i < count; ++i)
        SetDlgItemTextA(dialog, fields[i].control, FormatSetupInches(*SetupFieldValue(&copy, fields[i].field)).c_str());
    EnableFields(dialog, *request->edition);
}

// Reads every control; on a field it cannot take, names it, puts the caret
// there and leaves the values as they were.
bool ReadDialog(HWND dialog, PrinterSetupRequest* request) {
    PrintSetupValues v = request->values;
    FieldControl fields[4];
    int count = FieldsOf(*request->edition, fields);
    for (int i = 0; i < count; ++i) {
        char text[128];
        GetDlgItemTextA(dialog, fields[i].control, text, sizeof text);
        std::string message;
        if (!ReadSetupField(*request->edition, fields[i].field, text, SetupFieldValue(&v, fields[i].field), &message)) {
            MessageBoxA(dialog, message.c_str(), kCaption, MB_OK | MB_ICONEXCLAMATION);
            HWND field = GetDlgItem(dialog, fields[i].control);
            SetFocus(field);
            SendMessageA(field, EM_SETSEL, 0, -1);
            return false;
        }
    }
    v.placement.cropMarks = Checked(dialog, IDC_PS_CROP_MARKS);
    v.placement.origPosition = Checked(dialog, IDC_PS_DEFAULT_POSITION);
    v.placement.separate = Checked(dialog, IDC_PS_SEPARATE);
    if (request->edition->id != EDITION_WIMBROOK) v.placement.multiPage = Checked(dialog, IDC_PS_NEW_PAGE);
    LRESULT border = SendDlgItemMessageA(dialog, IDC_PS_BORDER, CB_GETCURSEL, 0, 0);
    if (border >= 0 && border < kBorderStyles) v.border = static_cast<int>(border);
    request->values = v;
    return true;
}

void ChoosePrinter(HWND dialog, PrinterSetupRequest* request) {
    PrinterChoice chosen = *request->printer;
    PrintDialogStatus status = RunPrintSetupDialog(dialog, &chosen);
    if (status == PRINT_DIALOG_FAILED) {
        MessageBoxA(dialog, "The printer setup could not be opened for this printer.", kCaption,
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (status != PRINT_DIALOG_OK) return;
    *request->printer = chosen;
    if (request->printerChosen) request->printerChosen(chosen);
    ShowPrinterName(dialog, chosen);
}

// One border style: its line across the middle of a white item.
void DrawBorderItem(const DRAWITEMSTRUCT* item) {
    if (item->itemID == static_cast<UINT>(-1)) return;
    HDC dc = item->hDC;
    RECT r = item->rcItem;
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    int style = static_cast<int>(item->itemData);
    static const int kPens[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};
    if (style >= 0 && style < 5) {
        HPEN pen = CreatePen(kPens[style], style == 0 ? 1 : 0, RGB(0, 0, 0));
        HGDIOBJ old = SelectObject(dc, pen);
        int y = (r.top + r.bottom) / 2;
        MoveToEx(dc, r.left + 4, y, nullptr);
        LineTo(dc, r.right - 4, y);
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    if (item->itemState & ODS_SELECTED) {
        HBRUSH frame = GetSysColorBrush(COLOR_HIGHLIGHT);
        FrameRect(dc, &r, frame);
    }
}

INT_PTR CALLBACK PrinterSetupProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        PlaceDialog(dialog, WINDOW_PRINT_SETUP);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        Fill(dialog, reinterpret_cast<PrinterSetupRequest*>(lParam));
        return TRUE;
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kBorderItemHeight;
        return TRUE;
    case WM_DRAWITEM:
        DrawBorderItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND: {
        TrackDialogPosition(dialog, WINDOW_PRINT_SETUP);
        PrinterSetupRequest* request = RequestOf(dialog);
        if (!request) return FALSE;
        switch (LOWORD(wParam)) {
        case IDC_PS_DEFAULT_POSITION:
            if (HIWORD(wParam) == BN_CLICKED) EnableFields(dialog, *request->edition);
            return TRUE;
        case IDC_PS_PRINTER:
            if (HIWORD(wParam) == BN_CLICKED) ChoosePrinter(dialog, request);
            return TRUE;
        case IDOK:
            if (ReadDialog(dialog, request)) EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
        }
    }
    default:
        return FALSE;
    }
}

}  // namespace

bool RunPrinterSetupDialog(HWND owner, PrinterSetupRequest* request) {
    INT_PTR answer = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PRINT_SETUP), owner,
                                     SoftOnNoMemory<PrinterSetupProc>, reinterpret_cast<LPARAM>(request));
    return answer == IDOK;
}
