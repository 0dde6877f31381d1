// Where every dialog of the program opens: where the user last left it
// (its window key's remembered position, base/window_positions.h), pulled
// onto the screen, or centred over its parent when it has none.
#pragma once
#include <windows.h>

#include "base/window_positions.h"

// First thing at WM_INITDIALOG, before any control is filled: filling an
// edit notifies, and a notification stores the position.
void PlaceDialog(HWND dialog, WindowKey key);

// On every WM_COMMAND the dialog receives, before acting on it: stores the
// dialog's current left and top under its key.
void TrackDialogPosition(HWND dialog, WindowKey key);
