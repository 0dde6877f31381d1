// Toolbar, status bar and the window scale.
#pragma once
#include <windows.h>

// Creates toolbar (id 1234) and status bar (id 4321), grows the window by
// their heights and moves the drawing origin below the toolbar.
void CreateBars(HWND window);

// Applies a window scale: recreates the bars and resizes the window.
void ScaleWindow(double scale);

// Outer window size in pixels for the current edition and a scale, before
// the bars are added: width, and menu-bar height plus the label height.
SIZE MainWindowPixelSize(double scale);

// Answers the toolbar's tooltip request; true when the notification was one.
bool HandleToolTipRequest(NMHDR* header);

// Shows a text in the status bar when it exists.
void SetStatusText(const char* text);
