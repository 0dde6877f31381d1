// The events of real input through SendInput, for the driver and the
// in-process GUI tests alike.
#pragma once
#include <windows.h>

inline INPUT KeyEvent(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

inline INPUT MouseEvent(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// A mouse event that also moves the cursor to a screen pixel. Absolute
// input is in 65536ths of the screen: the smallest such value that lands
// on the pixel.
inline INPUT MouseEventAt(POINT screen, DWORD flags) {
    INPUT input = MouseEvent(flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = static_cast<LONG>((screen.x * 65536LL + width - 1) / width);
    input.mi.dy = static_cast<LONG>((screen.y * 65536LL + height - 1) / height);
    return input;
}
