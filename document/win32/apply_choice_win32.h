// How an "Apply" reaches the label: a chooser or dialog sends the Apply
// command to the main window, which runs ApplyChooserChoice (by
// g_applyTarget) and repaints. The dialogs that take a chooser's Apply
// over register themselves while they are open.
#pragma once
#include <windows.h>

// Sends the Apply command to the program's main window (the dialog's root
// owner) and waits until it is done.
void RequestApply(HWND dialog);

// The open Fonts And Colors dialog writes its rows into its label; false
// when none is open or memory runs out.
bool ApplyOpenFontsDialog();
// The open String Entry and Modification dialog takes its controls into
// its string and re-sizes it when it sizes itself; false when none is open.
bool ApplyOpenStringDialog();
