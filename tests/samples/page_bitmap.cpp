#include "tests/samples/page_bitmap.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "render/win32/mapping_win32.h"
#include "shell/view_state.h"

namespace {
double g_savedWindowScale = 1.0;
int g_bitmapsAlive = 0;
}  // namespace

PageBitmap MakePageBitmap(int width, int height) {
    PageBitmap b;
    b.width = width;
    b.height = height;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    b.dc = CreateCompatibleDC(nullptr);
    b.bitmap = CreateDIBSection(b.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    b.pixels = static_cast<uint32_t*>(bits);
    b.old = SelectObject(b.dc, b.bitmap);
    // 100 pixels per inch: the mapping's scale against the device's
    // logical pixels per inch, and the same window scale for LabelFont.
    double scale = 100.0 / GetDeviceCaps(b.dc, LOGPIXELSY);
    if (g_bitmapsAlive++ == 0) g_savedWindowScale = g_view.windowScale;
    g_view.windowScale = scale;
    SetLabelMapping(b.dc, scale);
    ClearPageBitmap(&b);
    return b;
}

void FreePageBitmap(PageBitmap* b) {
    if (b->dc) {
        SelectObject(b->dc, b->old);
        DeleteDC(b->dc);
        if (--g_bitmapsAlive == 0) g_view.windowScale = g_savedWindowScale;
    }
    if (b->bitmap) DeleteObject(b->bitmap);
    *b = PageBitmap();
}

void ClearPageBitmap(PageBitmap* b) {
    GdiFlush();
    std::fill(b->pixels, b->pixels + static_cast<size_t>(b->width) * b->height, 0x00FFFFFFu);
}

COLORREF PageBitmapPixel(const PageBitmap& b, int x, int y) {
    GdiFlush();
    if (x < 0 || x >= b.width || -y < 0 || -y >= b.height) return RGB(255, 255, 255);
    uint32_t p = b.pixels[static_cast<size_t>(-y) * b.width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool SavePageBitmap(const PageBitmap& b, const std::string& path) {
    GdiFlush();
    uint32_t rowSize = (static_cast<uint32_t>(b.width) * 3 + 3) & ~3u;
    uint32_t imageSize = rowSize * b.height;
    uint8_t header[54] = {'B', 'M'};
    auto put32 = [&](int at, uint32_t v) {
        for (int i = 0; i < 4; ++i) header[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    put32(2, 54 + imageSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(b.width));
    put32(22, static_cast<uint32_t>(b.height));
    header[26] = 1;
    header[28] = 24;
    put32(34, imageSize);
    put32(38, 3937);
    put32(42, 3937);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(header, 1, sizeof header, file) == sizeof header;
    std::vector<uint8_t> row(rowSize, 0);
    for (int y = b.height - 1; y >= 0 && ok; --y) {
        const uint32_t* p = b.pixels + static_cast<size_t>(y) * b.width;
        for (int x = 0; x < b.width; ++x) {
            row[3 * x] = static_cast<uint8_t>(p[x]);
            row[3 * x + 1] = static_cast<uint8_t>(p[x] >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(p[x] >> 16);
        }
        ok = std::fwrite(row.data(), 1, rowSize, file) == rowSize;
    }
    return std::fclose(file) == 0 && ok;
}

void RenderPage(PageBitmap* b, ZIPINFO* label, const PageDrawing& how, int32_t x, int32_t y) {
    DrawPageAt(b->dc, label, how, x, y);
    GdiFlush();
}
