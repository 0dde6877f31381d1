// Win32 objects of the shell: handles kept beside the plain view state.
#pragma once
#include <windows.h>

struct WinState {
    HINSTANCE instance = nullptr;
    HWND main = nullptr;
    HWND toolbar = nullptr;   // absent while the bars are being recreated
    HWND status = nullptr;
    HACCEL accelerators = nullptr;
    HPALETTE palette = nullptr;
    RECT drawArea = {};       // client pixels; every repaint invalidates it
};

extern WinState g_win;

// Invalidate the label drawing area with erasing.
void RequestRepaint();
