// The system's print and print setup dialogs over the chosen printer, the
// device mode kept from one dialog to the next for the rest of the run,
// and what a printer context tells about its paper.
#pragma once
#include <windows.h>

#include "render/print_plan.h"
#include "render/printer_names.h"

// The printer a job or Printer Setup works with.
struct PrinterChoice {
    PrinterNames names;
    int orientation;  // 1 portrait, 2 landscape
    int paperSize;    // device paper code; -1 the printer's own
};

enum PrintDialogStatus { PRINT_DIALOG_OK, PRINT_DIALOG_CANCELLED, PRINT_DIALOG_FAILED };

struct PrintDialogAnswer {
    HDC dc = nullptr;  // the caller deletes it
    int fromSheet = 1;
    int toSheet = 1;
    int copies = 1;    // whole sets the job prints; the context itself makes one
    DWORD error = 0;   // CommDlgExtendedError of a failed dialog
};

// The print dialog for a job of the given number of sheets (page numbers
// greyed when there is only one): on OK the three names, orientation and
// paper size go back into the choice, the device mode is kept, and the
// answer carries a printer context that prints one copy of each page.
PrintDialogStatus RunPrintDialog(HWND owner, int sheets, PrinterChoice* choice, PrintDialogAnswer* answer);

// The print setup dialog ("&Printer:" of Printer Setup): on OK the names,
// orientation and paper size go into the choice and the device mode is kept.
PrintDialogStatus RunPrintSetupDialog(HWND owner, PrinterChoice* choice);

// Tests replace the print dialog (RunPrintDialog) here; null restores it.
using PrintDialogHook = PrintDialogStatus (*)(HWND owner, int sheets, PrinterChoice* choice,
                                              PrintDialogAnswer* answer);
void SetPrintDialogHook(PrintDialogHook hook);

// A copy of the kept device mode (null when none), and putting such a copy
// back in its place (Printer Setup's Cancel); the kept one is freed.
HGLOBAL CopyKeptDeviceMode();
void RestoreKeptDeviceMode(HGLOBAL copy);
void ForgetKeptDeviceMode();

// A context on the chosen printer with its orientation and paper size,
// printing one copy of each page, without a dialog; null when the printer
// cannot be opened.
HDC CreatePrinterContext(const PrinterChoice& choice);

// Whether the spooler knows a printer of that name.
bool PrinterExists(const PrinterNames& names);

// The printable area of a printer context, from its pixels and pixels per
// inch (whole millimetres would put Letter's right edge 0.04 in off).
PrintableArea PrintableAreaOf(HDC dc);
