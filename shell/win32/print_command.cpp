#include "shell/win32/print_command.h"

#include <cstdio>

#include "catalog/labels.h"
#include "document/program_settings.h"
#include "document/settings_bounds.h"
#include "editions/edition.h"
#include "render/page_flow.h"
#include "render/print_plan.h"
#include "render/print_setup.h"
#include "render/win32/font_heights_win32.h"
#include "render/win32/print_dialog_win32.h"
#include "render/win32/print_job_win32.h"
#include "render/win32/printer_setup_win32.h"
#include "render/win32/printer_win32.h"
#include "render/win32/spine_win32.h"
#include "shell/program_records.h"
#include "shell/view_state.h"
#include "shell/win32/message_dialogs_win32.h"
#include "shell/win32/page_painter.h"
#include "shell/win32/win_state.h"

namespace {

const char kPrintCaption[] = "Print";
bool AskSizeWarning(HWND owner) {
    return ShowHint(owner, "Printout Size Warning",
                    "The label doesn't fit completely in your printer's printable region.\n"
                    "It may or may not print out correctly.\n"
                    "Would you like to print on separate pages?",
                    "Print On Separate", "Print On One Page", 4);
}

PrinterChoice SelectedPrinter() {
    return {g_settings.Printer, g_settings.PrinterOrientation, g_settings.PrinterPaperSize};
}

void TakePrinter(const PrinterChoice& choice) {
    g_settings.Printer = choice.names;
    g_settings.PrinterOrientation = SoundOrientation(choice.orientation);
    g_settings.PrinterPaperSize = SoundPaperSize(choice.paperSize);
}

// "&Printer:" of Printer Setup chose a printer: the lines are measured on it.
void TakeChosenPrinter(const PrinterChoice& choice) {
    TakePrinter(choice);
    MeasureMainFontHeights(g_labelRecords, g_labelCount, &g_settings.Printer);
    RequestRepaint();
}

// A printer chosen in an earlier run may be gone: the system's default
// takes its place. False, after saying so, when there is no printer at all.
bool EnsurePrinter(HWND owner) {
    if (PrinterExists(g_settings.Printer)) return true;
    ReadDefaultPrinter(&g_settings.Printer);
    ForgetKeptDeviceMode();
    if (PrinterExists(g_settings.Printer)) {
        MeasureMainFontHeights(g_labelRecords, g_labelCount, &g_settings.Printer);
        return true;
    }
    MessageBoxA(owner, "There is no printer to print on.\nInstall a printer, then choose it in Printer Setup.",
                kPrintCaption, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

// The label records the job draws: the current one, or Wimbrook's labels.
int JobLabels(const EditionProfile& edition, ZIPINFO* labels[kMaxLabels]) {
    if (edition.id != EDITION_WIMBROOK) {
        labels[0] = g_currentLabel;
        return 1;
    }
    for (int i = 0; i < g_labelCount; ++i) labels[i] = &g_labelRecords[i];
    return g_labelCount;
}

PrintRequest NewRequest(int what) {
    PrintRequest request;
    request.edition = &TheEdition();
    request.kind = g_view.labelKind;
    request.what = what;
    request.page = g_view.currentPage;
    return request;
}

// Sheets of the job: a whole booklet's, else one.
int JobSheets(const PrintRequest& r) {
    if (r.edition->id == EDITION_WIMBROOK || r.what != PRINT_WHOLE || !IsBookletKind(*r.edition, r.kind)) return 1;
    return BookletSheetCount(g_currentLabel, *r.edition, ProgramGeometry(), r.kind, false);
}

// Wimbrook: which labels print; false (saying so when asked to) when none
// does: a blank sheet would only waste paper.
bool ChooseWimbrookLabels(HWND owner, PrintRequest* request, bool tell) {
    int count = request->kind == KIND_SHEET ? (g_labelCount < 9 ? g_labelCount : 9) : 1;
    bool any = false;
    for (int i = 0; i < count; ++i) {
        request->printsLabel[i] = WimbrookLabelPrints(g_labelRecords[i], g_settings.Separate != 0);
        any = any || request->printsLabel[i];
    }
    if (!any && tell)
        MessageBoxA(owner,
                    "There is no label to print: every label is empty.\n"
                    "Check \"Print Empty Labels\" in Printer Setup to print empty labels.",
                    kPrintCaption, MB_OK | MB_ICONINFORMATION);
    return any;
}

void ReportDialogFailure(HWND owner, DWORD error) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "The print dialog could not be opened (error 0x%04lX).\nCheck the printer in Printer Setup.",
                  static_cast<unsigned long>(error));
    MessageBoxA(owner, text, kPrintCaption, MB_OK | MB_ICONEXCLAMATION);
}

// The job itself, with the window at true scale and painting held back (a
// box shown during the job must not draw over the label being printed).
bool RunJob(HDC dc, const PrintRequest& request, const PrintDialogAnswer& answer, ZIPINFO* const* labels,
            int labelCount, const char* documentName) {
    std::vector<PrintSheet> sheets = PlanPrintJob(request);
    HCURSOR oldCursor = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    int painting = g_view.paintingEnabled;
    double scale = g_view.windowScale;
    g_view.paintingEnabled = 0;
    g_view.windowScale = 1.0;
    RequestSpineFontRebuild();
    PrintJob job = {documentName, &sheets, labels, labelCount, ProgramPageDrawing(1, 1, true),
                    request.paper, answer.copies};
    PrintJobStatus status = RunPrintJob(dc, job);
    g_view.windowScale = scale;
    g_view.paintingEnabled = painting;
    RequestSpineFontRebuild();
    SetCursor(oldCursor);
    RequestRepaint();
    return status == PRINT_JOB_DONE;
}

}  // namespace


bool PrintLabel(HWND owner, int what) {
    const EditionProfile& edition = TheEdition();
    PrintRequest request = NewRequest(what);
    if (edition.id == EDITION_WIMBROOK && !ChooseWimbrookLabels(owner, &request, true)) return false;
    if (!EnsurePrinter(owner)) return false;
    PrinterChoice printer = SelectedPrinter();
    PrintDialogAnswer answer;
    PrintDialogStatus shown = RunPrintDialog(owner, JobSheets(request), &printer, &answer);
    if (shown == PRINT_DIALOG_FAILED) ReportDialogFailure(owner, answer.error);
    if (shown != PRINT_DIALOG_OK) return false;
    TakePrinter(printer);
    return PrintOnContext(owner, what, answer, edition.name);
}

bool PrintOnContext(HWND owner, int what, const PrintDialogAnswer& answer, const char* documentName) {
    if (!answer.dc) return false;
    const EditionProfile& edition = TheEdition();
    PrintRequest request = NewRequest(what);
    ZIPINFO* labels[kMaxLabels];
    int labelCount = JobLabels(edition, labels);
    bool printed = false;
    if (edition.id != EDITION_WIMBROOK || ChooseWimbrookLabels(owner, &request, false)) {
        for (int i = 0; i < labelCount; ++i) MeasureLabelFontHeightsOn(answer.dc, labels[i]);
        int sheets = JobSheets(request);
        request.fromSheet = answer.fromSheet;
        request.toSheet = answer.toSheet;
        ClampSheetRange(sheets, &request.fromSheet, &request.toSheet);
        request.lastSheet =
            sheets > 1 ? LastSheetWithContent(labels[0], edition, ProgramGeometry(), request.kind, sheets) : 1;
        request.paper = PrintableAreaOf(answer.dc);
        request.placement = PlacementFrom(g_settings);
        // Asked once, before the job: the box may repaint the window, which
        // the job's scale and page places must not reach.
        if (AsksSizeWarning(request)) {
            g_settings.MultiPage = AskSizeWarning(owner) ? 1 : 0;
            request.placement.multiPage = g_settings.MultiPage != 0;
        }
        printed = RunJob(answer.dc, request, answer, labels, labelCount, documentName);
    }
    DeleteDC(answer.dc);
    return printed;
}

bool PrinterSetupDialog(HWND owner) {
    PrinterChoice before = SelectedPrinter();
    HGLOBAL modeBefore = CopyKeptDeviceMode();
    PrinterChoice shown = before;
    PrinterSetupRequest request = {&TheEdition(), PrintSetupFrom(g_settings), &shown, TakeChosenPrinter};
    if (RunPrinterSetupDialog(owner, &request)) {
        if (modeBefore) GlobalFree(modeBefore);
        StorePrintSetup(request.values, &g_settings);
        // Wimbrook's body inset follows the margin and the default position.
        RequestRepaint();
        return true;
    }
    // "&Printer:" may have changed the printer, its device mode, orientation
    // and paper: all go back.
    TakePrinter(before);
    RestoreKeptDeviceMode(modeBefore);
    MeasureMainFontHeights(g_labelRecords, g_labelCount, &g_settings.Printer);
    RequestRepaint();
    return false;
}
