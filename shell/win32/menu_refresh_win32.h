// Menu check marks, enabled items, toolbar states, the recent-file items
// and the window title, set from the program's state.
#pragma once
#include <windows.h>

#include "catalog/zipinfo.h"

// Every state of the menu bar and the toolbar; nothing before the bar is
// assembled.
void RefreshMenus(HWND window);

// The Body and Spine pop-ups' check marks.
void RefreshPopupChecks(const ZIPINFO* label, HMENU body, HMENU spine);

// The Page pop-up: the cover items checked by the page, Go To Page only in
// a booklet.
void RefreshPagePopupChecks(HMENU page);

// A selected string's own checks on a String menu or pop-up.
void RefreshStringChecks(HMENU menu, const ZIPINFO* label);

// "&Above Label", "&On Label", "&Below Label" by the object's layer.
void SetLayerChecks(HMENU menu, int layer);

// Puts a path at the top of the recent-file list and refreshes the menus.
void AddRecentFile(const char* path);

// The caption for the edition, the label name and the view.
void SetTitle(HWND window);
