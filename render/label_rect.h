// Rectangles and points in label units: hundredths of an inch, y growing
// upward, so top is above bottom and both are at or below 0 on a page.
#pragma once
#include <cstdint>

struct LabelRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

struct LabelPoint {
    int32_t x;
    int32_t y;
};

// Each coordinate multiplied by the scale and truncated toward zero.
LabelRect ScaleRect(const LabelRect& rect, double scale);

// Shifted by (dx, dy).
LabelRect ShiftRect(const LabelRect& rect, int32_t dx, int32_t dy);

// Grown by n on every side in y-up terms: left - n, top + n, right + n,
// bottom - n (a negative n shrinks it).
LabelRect InflateLabelRect(const LabelRect& rect, int32_t n);

// Moved so that its top-left corner is at (x, y), keeping width and height.
LabelRect MoveRectTo(const LabelRect& rect, int32_t x, int32_t y);

// Whether two y-up rectangles share any area: both are flipped to y-down
// and intersected; a non-empty intersection counts. Corners given in the
// opposite order are put in order first.
bool RectsOverlap(const LabelRect& a, const LabelRect& b);

inline bool operator==(const LabelRect& a, const LabelRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const LabelRect& a, const LabelRect& b) { return !(a == b); }
