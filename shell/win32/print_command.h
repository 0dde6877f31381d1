// The print commands: "&Print..." and "Print &Only" (also the print step
// of "-printlabel") and "Prin&ter Setup...". They own the shell's part of a
// job: the printer check, the size warning, the window scale and painting
// while the job runs, the wait cursor and the repaint after.
#pragma once
#include <windows.h>

#include "render/win32/print_dialog_win32.h"

// what: 0 the whole label, 1 the front cover only, 2 the back cover only.
// True when a job went out.
bool PrintLabel(HWND owner, int what);

// The job after the print dialog, on the context it answered (deleted
// here) with its range and copies, under the given document name.
bool PrintOnContext(HWND owner, int what, const PrintDialogAnswer& answer, const char* documentName);

// True on OK (the settings are stored); Cancel puts the printer back as it
// was when the dialog opened.
bool PrinterSetupDialog(HWND owner);

