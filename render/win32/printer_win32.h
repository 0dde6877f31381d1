// The printer the label is measured and printed on.
#pragma once
#include "render/printer_names.h"

// The system's default printer (profile section "windows", key "device")
// into the names; "DISPLAY" when there is none.
void ReadDefaultPrinter(PrinterNames* out);
