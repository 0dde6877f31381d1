// A font description: 60 bytes laid out exactly like the Win32 LOGFONTA, so
// that the glue hands it to GDI as it is (see win32/font_desc_win32.h).
#pragma once
#include <cstddef>
#include <cstdint>

struct FontDesc {
    int32_t lfHeight;        // -1: never stored (the default font is filled in)
    int32_t lfWidth;
    int32_t lfEscapement;
    int32_t lfOrientation;
    int32_t lfWeight;
    uint8_t lfItalic;
    uint8_t lfUnderline;
    uint8_t lfStrikeOut;
    uint8_t lfCharSet;
    uint8_t lfOutPrecision;
    uint8_t lfClipPrecision;
    uint8_t lfQuality;
    uint8_t lfPitchAndFamily;
    char lfFaceName[32];
};

static_assert(sizeof(FontDesc) == 60, "FontDesc must be the 60 bytes of a LOGFONTA");
static_assert(offsetof(FontDesc, lfItalic) == 20, "LOGFONTA layout");
static_assert(offsetof(FontDesc, lfFaceName) == 28, "LOGFONTA layout");

// COLORREF: 0x00BBGGRR.
using ColorRef = uint32_t;

constexpr ColorRef MakeColor(int red, int green, int blue) {
    return static_cast<ColorRef>(red & 0xFF) | (static_cast<ColorRef>(green & 0xFF) << 8) |
           (static_cast<ColorRef>(blue & 0xFF) << 16);
}
