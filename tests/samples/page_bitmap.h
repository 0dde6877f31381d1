// A white 32-bit memory bitmap at 100 pixels per inch with the label
// mapping fixed on it (one label unit one pixel, y up, logical (0, 0) at
// the top-left pixel), for drawing label pages into and saving as BMP.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "catalog/zipinfo.h"
#include "render/win32/page_render_win32.h"

struct PageBitmap {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    uint32_t* pixels = nullptr;  // top-down rows, 0x00RRGGBB
    int width = 0, height = 0;
};

// Sets the window scale so that LabelFont's sizes come out exact on the
// bitmap (its device reports 96 logical pixels per inch); restored by
// FreePageBitmap.
PageBitmap MakePageBitmap(int width, int height);
void FreePageBitmap(PageBitmap* bitmap);
void ClearPageBitmap(PageBitmap* bitmap);

// The colour at a logical point (x right, y up from the top-left pixel).
COLORREF PageBitmapPixel(const PageBitmap& bitmap, int x, int y);

// Writes a 24-bit BMP file; false when it cannot be written.
bool SavePageBitmap(const PageBitmap& bitmap, const std::string& path);

// Draws a page of the label with its top-left corner at logical (x, y).
void RenderPage(PageBitmap* bitmap, ZIPINFO* label, const PageDrawing& how, int32_t x, int32_t y);
