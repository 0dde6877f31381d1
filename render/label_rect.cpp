#include "render/label_rect.h"

#include <algorithm>

namespace {
int32_t Scaled(int32_t value, double scale) { return static_cast<int32_t>(value * scale); }
}  // namespace

LabelRect ScaleRect(const LabelRect& rect, double scale) {
    return {Scaled(rect.left, scale), Scaled(rect.top, scale), Scaled(rect.right, scale), Scaled(rect.bottom, scale)};
}

LabelRect ShiftRect(const LabelRect& rect, int32_t dx, int32_t dy) {
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

LabelRect InflateLabelRect(const LabelRect& rect, int32_t n) {
    return {rect.left - n, rect.top + n, rect.right + n, rect.bottom - n};
}

LabelRect MoveRectTo(const LabelRect& rect, int32_t x, int32_t y) {
    return {x, y, x + (rect.right - rect.left), y + (rect.bottom - rect.top)};
}

bool RectsOverlap(const LabelRect& a, const LabelRect& b) {
    // y-down: top = -top, bottom = -bottom.
    int64_t aLeft = std::min(a.left, a.right), aRight = std::max(a.left, a.right);
    int64_t aTop = -static_cast<int64_t>(std::max(a.top, a.bottom));
    int64_t aBottom = -static_cast<int64_t>(std::min(a.top, a.bottom));
    int64_t bLeft = std::min(b.left, b.right), bRight = std::max(b.left, b.right);
    int64_t bTop = -static_cast<int64_t>(std::max(b.top, b.bottom));
    int64_t bBottom = -static_cast<int64_t>(std::min(b.top, b.bottom));
    return std::max(aLeft, bLeft) < std::min(aRight, bRight) && std::max(aTop, bTop) < std::min(aBottom, bBottom);
}
