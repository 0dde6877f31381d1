#include "tests/samples/page_bitmap.h"

#include <cstdio>
#include <vector>

#include "render/win32/mapping_win32.h"

namespace {
// 100 pixels per inch: the mapping's scale against the device's logical
// pixels per inch.
double PageCanvasScale(HDC dc) { return 100.0 / GetDeviceCaps(dc, LOGPIXELSY); }
}  // namespace

Canvas MakePageCanvas(int width, int height) {
    Canvas c = MakeCanvas(width, height);
    SetLabelMapping(c.dc, PageCanvasScale(c.dc));
    return c;
}

void FreePageCanvas(Canvas* c) { FreeCanvas(c); }

bool SaveCanvasBmp(const Canvas& c, const std::string& path) {
    GdiFlush();
    uint32_t rowSize = (static_cast<uint32_t>(c.width) * 3 + 3) & ~3u;
    uint32_t imageSize = rowSize * c.height;
    uint8_t header[54] = {'B', 'M'};
    auto put32 = [&](int at, uint32_t v) {
        for (int i = 0; i < 4; ++i) header[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    put32(2, 54 + imageSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(c.width));
    put32(22, static_cast<uint32_t>(c.height));
    header[26] = 1;
    header[28] = 24;
    put32(34, imageSize);
    put32(38, 3937);  // 100 pixels per inch
    put32(42, 3937);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(header, 1, sizeof header, file) == sizeof header;
    std::vector<uint8_t> row(rowSize, 0);
    for (int y = c.height - 1; y >= 0 && ok; --y) {
        const uint32_t* p = c.pixels + static_cast<size_t>(y) * c.width;
        for (int x = 0; x < c.width; ++x) {
            row[3 * x] = static_cast<uint8_t>(p[x]);
            row[3 * x + 1] = static_cast<uint8_t>(p[x] >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(p[x] >> 16);
        }
        ok = std::fwrite(row.data(), 1, rowSize, file) == rowSize;
    }
    return std::fclose(file) == 0 && ok;
}

void RenderPage(Canvas* c, ZIPINFO* label, const PageDrawing& how, int32_t x, int32_t y) {
    PageDrawing onCanvas = how;
    onCanvas.windowScale = PageCanvasScale(c->dc);
    DrawPageAt(c->dc, label, onCanvas, x, y);
    GdiFlush();
}
