// The shell's small modal dialogs: the hint (a two-button question the
// user can hide for good), the unsaved-label warning, Go To Page and About.
#pragma once
#include <windows.h>

// Hint n (0 to 31): true for the first button; false for the second, for
// closing the dialog, and at once when the hint is hidden.
bool ShowHint(HWND owner, const char* caption, const char* message, const char* first, const char* second, int hint);

// The guard before a label is replaced, and the exit check of Exit and the
// close box: true to go on. Asks only when the label is modified and holds
// entries or objects; a modified empty label just loses the mark. "&Save
// Label" goes on only when Save As wrote it.
bool ConfirmDiscard(HWND window);

// The page to show (1 to 1000), given the current one; the current page
// when the dialog is closed without "&OK".
int GoToPage(HWND owner, int currentPage);

void About(HWND owner);
