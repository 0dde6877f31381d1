// Menu check marks, enabled items, toolbar states, the recent-file items
// and the window title, set from the program's state. Every state an item
// or button shows is its command row's (CommandStateOf); the Image and
// String menus are also greyed by position while nothing of their kind is
// selected.
#pragma once
#include <windows.h>

#include "record/zipinfo.h"

// Every state of the menu bar and the toolbar; nothing before the bar is
// assembled.
void RefreshMenus(HWND window);

// A right-click pop-up's states for the label, before it is shown.
void RefreshPopup(HMENU popup, const ZIPINFO* label);

// Puts a path at the top of the recent-file list and refreshes the menus.
void AddRecentFile(const char* path);

// The caption for the edition, the label name and the view.
void SetTitle(HWND window);
