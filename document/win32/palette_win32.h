#pragma once
#include <windows.h>

// The picture palette as a GDI logical palette (version 0x300).
HPALETTE MakePicturePalette();
