// The one top-level window: class registration, creation, the window
// procedure's message table, the exit check and destruction.
#pragma once
#include <windows.h>

// Registers the class named after the edition; returns false on failure.
bool RegisterMainWindowClass(HINSTANCE instance);

// Creates the hidden main window (sized for the current window scale).
HWND CreateMainWindow(HINSTANCE instance);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The close check shared by the close box and Exit: false when the user
// chose to keep the program running.
bool ExitCheck(HWND window);

