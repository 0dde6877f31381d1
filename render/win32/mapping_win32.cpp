#include "render/win32/mapping_win32.h"

#include <cmath>

namespace {
// Window extent of the mapping; a large one keeps fractional scales exact.
constexpr int kWindowExtent = 10000;
}

void SetLabelMapping(HDC dc, double scale) {
    int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
    int dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, kWindowExtent, kWindowExtent, nullptr);
    int vx = static_cast<int>(std::lround(dpiX * scale * kWindowExtent / 100.0));
    int vy = static_cast<int>(std::lround(dpiY * scale * kWindowExtent / 100.0));
    SetViewportExtEx(dc, vx, -vy, nullptr);
}

int PixelsToLabelUnits(HDC dc, int pixels, double scale) {
    int dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    if (dpiY <= 0 || scale <= 0) return 0;
    return static_cast<int>(std::lround(pixels * 100.0 / (dpiY * scale)));
}
