#include "shell/object_hit_test.h"

#include <cstdint>
#include <initializer_list>

#include "catalog/labels.h"
#include "document/object_list.h"
#include "render/page_origin.h"
#include "shell/view_points.h"
#include "shell/view_state.h"

namespace {

bool Between(int64_t v, int64_t low, int64_t high) { return v >= low && v <= high; }

}  // namespace

bool RectContainsPoint(const LabelRect& r, LabelPoint q) {
    bool inX = r.left <= r.right ? (q.x >= r.left && q.x < r.right) : (q.x > r.right && q.x <= r.left);
    bool inY = r.top >= r.bottom ? (q.y > r.bottom && q.y <= r.top) : (q.y >= r.top && q.y < r.bottom);
    return inX && inY;
}

int HitTestObjectsAt(const ZIPINFO& label, int page, LabelPoint q) {
    if (!label.Objects) return -1;
    for (int layer : {LAYER_ABOVE, LAYER_ON, LAYER_BELOW}) {
        for (int i = 0; i < label.NumObjects; ++i) {
            const ObjectRecord& rec = label.Objects[i].rec;
            if (rec.Layer == layer && rec.Page == page && RectContainsPoint(ObjectRect(rec), q)) return i;
        }
    }
    return -1;
}

int HitTestHandlesAt(const ObjectRecord& rec, LabelPoint q, bool half) {
    if (rec.Type == OBJECT_STRING && rec.AutoSize) return HANDLE_NONE;
    // Wide arithmetic: rectangles come from label files too.
    int64_t d = half ? 2 * kHandleSize : kHandleSize;
    int64_t x = q.x, y = -int64_t{q.y};  // y measured downward from the page top
    int64_t T = -int64_t{rec.Top}, B = -int64_t{rec.Bottom};
    int64_t left = rec.Left, right = rec.Right;
    bool topBand = Between(y, T, T + d), bottomBand = Between(y, B - d, B);
    bool leftBand = Between(x, left, left + d), rightBand = Between(x, right - d, right);
    if (topBand) {
        if (leftBand) return HANDLE_TOP_LEFT;
        if (rightBand) return HANDLE_TOP_RIGHT;
    } else if (bottomBand) {
        if (leftBand) return HANDLE_BOTTOM_LEFT;
        if (rightBand) return HANDLE_BOTTOM_RIGHT;
    }
    int64_t m = (left + right - d) / 2;
    if (topBand && Between(x, m, m + d)) return HANDLE_TOP_MIDDLE;
    if (bottomBand && Between(x, m, m + d)) return HANDLE_BOTTOM_MIDDLE;
    int64_t n = (T + B - d) / 2;
    if (leftBand && Between(y, n, n + d)) return HANDLE_LEFT_MIDDLE;
    if (rightBand && Between(y, n, n + d)) return HANDLE_RIGHT_MIDDLE;
    return HANDLE_NONE;
}

int HitTestObjects(LabelPoint logical) {
    ZIPINFO* label = g_currentLabel;
    if (!label) return -1;
    PageOrigin(label, g_view.currentPage);
    return HitTestObjectsAt(*label, g_view.currentPage, LogicalToPageUnits(logical, *label, HalfSizeView()));
}

int HitTestHandles(LabelPoint logical) {
    ZIPINFO* label = g_currentLabel;
    PlacedObject* object = label ? SelectedObject(label) : nullptr;
    if (!object) return HANDLE_NONE;
    PageOrigin(label, object->rec.Page);
    bool half = HalfSizeView();
    return HitTestHandlesAt(object->rec, LogicalToPageUnits(logical, *label, half), half);
}

LabelPoint HandleAnchor(const ObjectRecord& rec, int handle) {
    int32_t midX = static_cast<int32_t>((int64_t{rec.Left} + rec.Right - kHandleSize) / 2);
    int32_t midY = static_cast<int32_t>((int64_t{rec.Top} + rec.Bottom - kHandleSize) / 2);
    switch (handle) {
    case HANDLE_TOP_LEFT: return {rec.Left, rec.Top};
    case HANDLE_TOP_RIGHT: return {rec.Right, rec.Top};
    case HANDLE_BOTTOM_LEFT: return {rec.Left, rec.Bottom};
    case HANDLE_BOTTOM_RIGHT: return {rec.Right, rec.Bottom};
    case HANDLE_TOP_MIDDLE: return {midX, rec.Top};
    case HANDLE_BOTTOM_MIDDLE: return {midX, rec.Bottom};
    case HANDLE_LEFT_MIDDLE: return {rec.Left, midY};
    case HANDLE_RIGHT_MIDDLE: return {rec.Right, midY};
    default: return {rec.Left, rec.Top};
    }
}

void HandleSquares(const LabelRect& f, LabelRect s[8]) {
    const int32_t k = kHandleSize;
    int32_t midX = (f.left + f.right - k) / 2;
    int32_t midY = (f.top + f.bottom + k) / 2;
    s[HANDLE_TOP_LEFT] = {f.left, f.top, f.left + k, f.top - k};
    s[HANDLE_TOP_RIGHT] = {f.right - k, f.top, f.right, f.top - k};
    s[HANDLE_BOTTOM_LEFT] = {f.left, f.bottom + k, f.left + k, f.bottom};
    s[HANDLE_BOTTOM_RIGHT] = {f.right - k, f.bottom + k, f.right, f.bottom};
    s[HANDLE_TOP_MIDDLE] = {midX, f.top, midX + k, f.top - k};
    s[HANDLE_BOTTOM_MIDDLE] = {midX, f.bottom + k, midX + k, f.bottom};
    s[HANDLE_LEFT_MIDDLE] = {f.left, midY, f.left + k, midY - k};
    s[HANDLE_RIGHT_MIDDLE] = {f.right - k, midY, f.right, midY - k};
}
