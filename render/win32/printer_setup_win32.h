// The Printer Setup dialog: crop marks, default position, space between
// labels (Wimbrook: print empty labels), new page, the border style and the
// position fields, and "&Printer:" for the system's print setup dialog.
#pragma once
#include <windows.h>

#include "editions/profile.h"
#include "render/print_setup.h"
#include "render/win32/print_dialog_win32.h"

struct PrinterSetupRequest {
    const EditionProfile* edition;
    PrintSetupValues values;  // the copy the dialog edits
    PrinterChoice* printer;   // the printer shown; "&Printer:" changes it at once
    // After "&Printer:" chose a printer: the caller takes it over (line
    // heights, repaint).
    void (*printerChosen)(const PrinterChoice& printer);
};

// Modal over the owner; true on OK with every field read and within its
// bounds (values holds them), false on Cancel. A field that cannot be read
// names itself in a message box and the dialog stays open.
bool RunPrinterSetupDialog(HWND owner, PrinterSetupRequest* request);
