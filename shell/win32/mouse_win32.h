// The main window's mouse buttons on the label view: page turning, the
// choice of the clicked page, double clicks and the right-click pop-ups.
// Mouse moves and left releases go to the object tools directly.
#pragma once
#include <windows.h>

// x and y are client pixels; keys the MK_ flags of the message.
void OnLeftButtonDown(HWND window, int x, int y, WPARAM keys);
void OnLeftDoubleClick(HWND window, int x, int y, WPARAM keys);
void OnRightButtonDown(HWND window, int x, int y, WPARAM keys);
