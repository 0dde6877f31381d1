// Connects the seams of the lower layers: reports as message boxes owned by
// the main window, today's dates from the locale, the settings store on
// the edition's INI file, the dialogs' remembered positions in the
// settings, and the text output's fonts for the tree dialogs' rows.
#pragma once

void InstallWin32Hooks();
