// The one top-level window: class registration, creation, the window
// procedure's message table and destruction (the close box is Exit).
#pragma once
#include <windows.h>

// Registers the class named after the edition; returns false on failure.
bool RegisterMainWindowClass(HINSTANCE instance);

// Creates the hidden main window (sized for the current window scale).
HWND CreateMainWindow(HINSTANCE instance);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

