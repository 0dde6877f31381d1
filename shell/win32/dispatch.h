// Command dispatch: every command number arrives here, from menus,
// accelerators, the toolbar, pop-ups and the program's own posted requests.
#pragma once
#include <windows.h>

// Carries the command out by its row of the command table. A command that
// arrives while another one runs (from a dialog's or message box's modal
// loop) waits and runs after it, in order; only a chooser's Apply runs at
// once. clearLabelItem: "Cle&ar Label", which shares its number with
// "&New" but keeps the label's file name.
void DispatchCommand(HWND window, int command, bool clearLabelItem = false);

// The window's close request: Exit, in the same queue.
void RequestClose(HWND window);

// True while the running command came from a "Cle&ar Label" item or
// button.
bool CommandCameFromClearLabelItem();

// Remembers which menu a highlighted item belongs to (WM_MENUSELECT), so
// that the command it sends says where it came from.
void NoteMenuSelection(HMENU menu, int item);
// True when a WM_COMMAND for "&New"'s number came from a "Cle&ar Label"
// item or button rather than from "&New" or Ctrl+N.
bool CameFromClearLabelItem(WPARAM wParam, LPARAM lParam);
