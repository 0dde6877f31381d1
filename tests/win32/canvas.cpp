#include "tests/win32/canvas.h"

#include <algorithm>

Canvas MakeCanvas(int width, int height) {
    Canvas c;
    c.width = width;
    c.height = height;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    c.dc = CreateCompatibleDC(nullptr);
    c.bitmap = CreateDIBSection(c.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    c.pixels = static_cast<uint32_t*>(bits);
    c.old = SelectObject(c.dc, c.bitmap);
    SetMapMode(c.dc, MM_ANISOTROPIC);
    SetWindowExtEx(c.dc, 1, 1, nullptr);
    SetViewportExtEx(c.dc, 1, -1, nullptr);
    ClearCanvas(&c);
    return c;
}

void FreeCanvas(Canvas* c) {
    if (c->dc) {
        SelectObject(c->dc, c->old);
        DeleteDC(c->dc);
    }
    if (c->bitmap) DeleteObject(c->bitmap);
    *c = Canvas();
}

void ClearCanvas(Canvas* c) {
    GdiFlush();
    std::fill(c->pixels, c->pixels + c->width * c->height, 0x00FFFFFFu);
}

Ink FindInk(const Canvas& c) {
    GdiFlush();
    Ink ink = {false, 0, 0, 0, 0};
    int minX = c.width, maxX = -1, minY = c.height, maxY = -1;
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            if ((c.pixels[y * c.width + x] & 0xFFFFFF) == 0xFFFFFF) continue;
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    }
    if (maxX < 0) return ink;
    return {true, minX, -minY, maxX + 1, -(maxY + 1)};
}

COLORREF PixelAt(const Canvas& c, int x, int y) {
    GdiFlush();
    uint32_t p = c.pixels[(-y) * c.width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

HFONT RotatedArial(int height, int rotation) {
    LOGFONTA font = {};
    font.lfHeight = -height;
    font.lfEscapement = font.lfOrientation = rotation * 10;
    font.lfClipPrecision = CLIP_LH_ANGLES;
    font.lfQuality = NONANTIALIASED_QUALITY;
    lstrcpyA(font.lfFaceName, "Arial");
    return CreateFontIndirectA(&font);
}
