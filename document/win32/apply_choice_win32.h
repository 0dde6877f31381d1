// How an "Apply" reaches the label: a chooser or dialog applies the choice
// by its target, then sends the Apply command to the main window, which
// repaints. The dialogs that take a chooser's Apply over register
// themselves while they are open.
#pragma once
#include <windows.h>

#include "document/apply_target.h"
#include "render/printer_names.h"

// Applies by the target and sends the Apply command to the program's main
// window (the dialog's root owner), waiting until it is done; nothing
// without a main window. printer: the one a label font's line heights are
// measured on (APPLY_LABEL_FONT); the other targets do not read it.
void RequestApply(HWND dialog, ApplyTarget target, PrinterNames* printer);

// The open Fonts And Colors dialog writes its rows into its label; false
// when none is open or memory runs out.
bool ApplyOpenFontsDialog();
// The open String Entry and Modification dialog takes its controls into
// its string and re-sizes it when it sizes itself; false when none is open.
bool ApplyOpenStringDialog();
