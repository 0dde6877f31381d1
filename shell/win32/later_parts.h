// Steps of start-up, painting and exit that belong to Parts built later.
// Each is a named function that does nothing (or the least that keeps the
// program sound) until its Part lands and moves it to its own module.
#pragma once
#include <windows.h>

// Menus and window title (the menu bar itself: menus_win32.h).
void RefreshMenus(HWND window);

// Shell integration.
void InstallFileTypes();


// Main window painting, page switching and object dragging.
void SwitchPage(int label, int page);
void PaintLabelView(HDC dc);
void RedrawRubberBand(HDC dc);

// Message dialogs: 0 when the user cancels.
int ConfirmDiscard();
