// A window's pixels as the screen shows them, kept as a file: for the tests
// that read pictures back and for people looking at what was drawn.
#pragma once
#include <windows.h>

#include <string>

// Copies the window's pixels from the screen into a PNG file when the path
// ends in ".png", else into a 24-bit BMP file.
bool CaptureWindow(HWND window, const std::string& path);
