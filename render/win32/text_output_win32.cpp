#include "render/win32/text_output_win32.h"

#include <algorithm>

#include "record/win32/font_desc_win32.h"
#include "render/label_font.h"

namespace {

bool Extent32On(HDC dc, const char* text, int length, TextExtent* out) {
    SIZE size;
    if (!GetTextExtentPoint32A(dc, text, length, &size)) return false;
    *out = {size.cx, size.cy};
    return true;
}

bool ExtentOlderOn(HDC dc, const char* text, int length, TextExtent* out) {
    SIZE size;
    if (!GetTextExtentPointA(dc, text, length, &size)) return false;
    *out = {size.cx, size.cy};
    return true;
}

bool Extent32(void* context, const char* text, int length, TextExtent* out) {
    return Extent32On(static_cast<HDC>(context), text, length, out);
}

bool ExtentOlder(void* context, const char* text, int length, TextExtent* out) {
    return ExtentOlderOn(static_cast<HDC>(context), text, length, out);
}

bool Output(void* context, int32_t x, int32_t y, const LabelRect& clip, const char* text, int length) {
    HDC dc = static_cast<HDC>(context);
    UINT oldAlign = SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    int oldExtra = SetTextCharacterExtra(dc, 0);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    RECT rect = {clip.left, clip.top, clip.right, clip.bottom};
    BOOL drawn = ExtTextOutA(dc, x, y, ETO_CLIPPED, &rect, text, static_cast<UINT>(length), nullptr);
    SetTextAlign(dc, oldAlign);
    SetTextCharacterExtra(dc, oldExtra);
    SetBkMode(dc, oldMode);
    return drawn != FALSE;
}

bool TargetExtent32(void* context, const char* text, int length, TextExtent* out) {
    return Extent32On(static_cast<GdiTextTarget*>(context)->dc, text, length, out);
}

bool TargetExtentOlder(void* context, const char* text, int length, TextExtent* out) {
    return ExtentOlderOn(static_cast<GdiTextTarget*>(context)->dc, text, length, out);
}

bool TargetOutput(void* context, int32_t x, int32_t y, const LabelRect& clip, const char* text, int length) {
    auto* target = static_cast<GdiTextTarget*>(context);
    const LabelRect& b = target->bound;
    RECT rect = {std::max(clip.left, b.left), std::min(clip.top, b.top), std::min(clip.right, b.right),
                 std::max(clip.bottom, b.bottom)};
    TextExtent known = target->knownExtent;
    target->knownExtent = {0, 0};
    if (rect.left >= rect.right || rect.top <= rect.bottom) return true;  // nothing of it would show
    // A margin for glyphs that reach past their advance (italic overhang).
    int32_t margin = known.cy / 3 + 2;
    bool inside = known.cx > 0 && known.cy > 0 && x - margin >= rect.left && x + known.cx + margin <= rect.right &&
                  y <= rect.top && y - known.cy >= rect.bottom;
    if (inside) return ExtTextOutA(target->dc, x, y, 0, nullptr, text, static_cast<UINT>(length), nullptr) != FALSE;
    return ExtTextOutA(target->dc, x, y, ETO_CLIPPED, &rect, text, static_cast<UINT>(length), nullptr) != FALSE;
}

}  // namespace

TextDevice GdiTextDevice(HDC dc) { return {dc, Extent32, ExtentOlder, Output}; }

void SetTextOutputState(HDC dc) {
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    SetTextCharacterExtra(dc, 0);
    SetBkMode(dc, TRANSPARENT);
}

TextDevice GdiTextDeviceInState(GdiTextTarget* target) {
    return {target, TargetExtent32, TargetExtentOlder, TargetOutput};
}

bool MeasureText(HDC dc, const char* text, int length, int rotation, TextExtent* out) {
    return MeasureTextOn(GdiTextDevice(dc), text, length, rotation, out);
}

void MyDrawText(HDC dc, const char* text, int length, const LabelRect& rect, int align, int rotation) {
    DrawTextOn(GdiTextDevice(dc), text, length, rect, align, rotation);
}

HFONT LabelFont(HDC dc, double windowScale, const char* face, int height, int width, int style, bool logicalPixels,
                int escapement, FontDesc* copy) {
    int saved = SaveDC(dc);
    SetGraphicsMode(dc, GM_ADVANCED);
    ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetWindowOrgEx(dc, 0, 0, nullptr);

    int ppiX = GetDeviceCaps(dc, LOGPIXELSX), ppiY = GetDeviceCaps(dc, LOGPIXELSY);
    if (!logicalPixels) {
        int physicalX = PhysicalPixelsPerInch(GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, HORZSIZE));
        int physicalY = PhysicalPixelsPerInch(GetDeviceCaps(dc, VERTRES), GetDeviceCaps(dc, VERTSIZE));
        if (physicalX > 0) ppiX = physicalX;
        if (physicalY > 0) ppiY = physicalY;
    }
    POINT size = {FontSizeToDevice(ppiX, ScaledFontSize(width, windowScale)),
                  FontSizeToDevice(ppiY, ScaledFontSize(height, windowScale))};
    DPtoLP(dc, &size, 1);

    FontDesc font = LabelFontDesc(face, FontHeightFromLogical(size.y), 0, style, escapement);
    HFONT handle = CreateFontIndirectA(AsLogFont(&font));
    if (handle && width != 0 && size.y != 0) {
        // Pixels that are not square stretch a font of the font's own width:
        // ask for the width that keeps the requested aspect instead.
        HGDIOBJ old = SelectObject(dc, handle);
        TEXTMETRICA metrics;
        BOOL measured = GetTextMetricsA(dc, &metrics);
        SelectObject(dc, old);
        if (measured) {
            DeleteObject(handle);
            font.lfWidth = CorrectedFontWidth(size.x, metrics.tmAveCharWidth, size.y);
            handle = CreateFontIndirectA(AsLogFont(&font));
        }
    }
    RestoreDC(dc, saved);
    if (copy) *copy = font;
    return handle;
}

int FontLineHeight(HDC dc, const FontDesc& font) {
    HFONT handle = CreateFontIndirectA(AsLogFont(&font));
    if (!handle) return 0;
    HGDIOBJ old = SelectObject(dc, handle);
    TEXTMETRICA metrics;
    int height = GetTextMetricsA(dc, &metrics) ? metrics.tmHeight : 0;
    SelectObject(dc, old);
    DeleteObject(handle);
    return height;
}
