// A white 32-bit memory bitmap to draw on in label coordinates (one
// logical unit a pixel, y up, logical (0, 0) at the top-left pixel), and
// where the ink landed.
#pragma once
#include <windows.h>

#include <cstdint>

struct Canvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    uint32_t* pixels = nullptr;  // top-down rows, 0x00RRGGBB
    int width = 0, height = 0;
};

Canvas MakeCanvas(int width, int height);
void FreeCanvas(Canvas* canvas);
void ClearCanvas(Canvas* canvas);

// Bounding box of the pixels that are not white, in logical units (top is
// the largest y). any is false on a blank canvas.
struct Ink {
    bool any;
    int left, top, right, bottom;
    int width() const { return right - left; }
    int height() const { return top - bottom; }
    int midX() const { return (left + right) / 2; }
    int midY() const { return (top + bottom) / 2; }
};
Ink FindInk(const Canvas& canvas);

// The colour of the pixel at a logical point.
COLORREF PixelAt(const Canvas& canvas, int x, int y);

// A font with the escapement of a rotation, rotating as the y-up system
// does.
HFONT RotatedArial(int height, int rotation);
