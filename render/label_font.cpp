#include "render/label_font.h"

#include <cstdlib>
#include <cstring>

#include "base/text_field.h"

namespace {
// Clip precision that makes rotation follow the y-up coordinate system.
constexpr uint8_t kClipLhAngles = 16;
}  // namespace

int32_t ScaledFontSize(int32_t tenths, double windowScale) { return static_cast<int32_t>(tenths * windowScale); }

int32_t FontSizeToDevice(int pixelsPerInch, int32_t size) {
    return static_cast<int32_t>(static_cast<int64_t>(pixelsPerInch) * size / 72);
}

int PhysicalPixelsPerInch(int pixels, int millimetres) {
    if (millimetres <= 0 || pixels <= 0) return 0;
    return static_cast<int>(pixels * 25.4 / millimetres);
}

int32_t FontHeightFromLogical(int32_t logicalHeight) {
    return -static_cast<int32_t>(std::abs(static_cast<int64_t>(logicalHeight)) * 0.1 + 0.5);
}

int32_t CorrectedFontWidth(int32_t logicalWidth, int32_t averageCharWidth, int32_t logicalHeight) {
    if (logicalHeight == 0) return 0;
    double width = std::abs(static_cast<double>(logicalWidth)) * averageCharWidth /
                   std::abs(static_cast<double>(logicalHeight));
    return static_cast<int32_t>(width + 0.5);
}

FontDesc LabelFontDesc(const char* face, int32_t height, int32_t width, int style, int escapement) {
    FontDesc font;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = escapement;
    font.lfWeight = (style & FONT_BOLD) ? 700 : 0;
    font.lfItalic = (style & FONT_ITALIC) ? 1 : 0;
    font.lfUnderline = (style & FONT_UNDERLINE) ? 1 : 0;
    font.lfStrikeOut = (style & FONT_STRIKEOUT) ? 1 : 0;
    font.lfClipPrecision = kClipLhAngles;
    CopyField(font.lfFaceName, face ? face : "");
    return font;
}

DefaultFont DefaultLabelFont(LabelFontSlot slot, const EditionProfile& edition) {
    switch (slot) {
    case FONT_FOLDERS: return {"Arial", 80, 1};
    case FONT_SPINE:
        if (edition.id == EDITION_WIMBROOK) return {"Arial", 80, 1};
        return {"Arial", 140, 0};
    default: return {"Arial", 80, 0};
    }
}
