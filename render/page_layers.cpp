#include "render/page_layers.h"

namespace {
int32_t Magnitude(int64_t value) { return static_cast<int32_t>(value < 0 ? -value : value); }
}  // namespace

LabelRect ObjectDrawRect(const ObjectRecord& rec, int fullSize, int32_t originX, int32_t originY) {
    int32_t left = rec.Left, top = rec.Top;
    int32_t width = Magnitude(static_cast<int64_t>(rec.Right) - rec.Left);
    int32_t height = -Magnitude(static_cast<int64_t>(rec.Bottom) - rec.Top);
    if (!fullSize) {
        left /= 2;
        top /= 2;
        width /= 2;
        height /= 2;
    }
    return {originX + left, originY + top, originX + left + width, originY + top + height};
}

int StringTextAlign(int32_t hAlign, int32_t vAlign) {
    int along = hAlign == 1 ? 1 : hAlign == 2 ? 2 : 0;
    int across = vAlign == 1 ? 4 : vAlign == 2 ? 8 : 0;
    return along | across;
}

int StringRotation(int32_t orientation) {
    return (orientation == 90 || orientation == 180 || orientation == 270) ? orientation : 0;
}

BorderPen BorderPenFor(int border, bool onPaper) {
    constexpr ColorRef kBlack = 0;
    constexpr ColorRef kLightGrey = MakeColor(192, 192, 192);
    if (border < 0 || border > BORDER_NONE) border = BORDER_SOLID;
    if (border == BORDER_SOLID) return {true, BORDER_SOLID, 1, kBlack};
    if (border == BORDER_NONE) return onPaper ? BorderPen{false, BORDER_NONE, 0, kBlack}
                                              : BorderPen{true, BORDER_SOLID, 0, kLightGrey};
    return {true, border, 0, kBlack};
}
