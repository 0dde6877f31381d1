#include "shell/view_points.h"

#include "editions/edition.h"
#include "shell/view_state.h"

bool HalfSizeView(const EditionProfile& edition, int fullSize) {
    return edition.id != EDITION_WIMBROOK && !fullSize;
}

bool HalfSizeView() { return HalfSizeView(TheEdition(), g_view.fullSize); }

LabelPoint LogicalToPageUnits(LabelPoint p, const ZIPINFO& label, bool half) {
    int32_t x = p.x - label.LabelOriginX, y = p.y - label.LabelOriginY;
    return half ? LabelPoint{2 * x, 2 * y} : LabelPoint{x, y};
}

LabelRect PageUnitsToLogical(const LabelRect& rect, const ZIPINFO& label, bool half) {
    return ShiftRect(half ? ScaleRect(rect, 0.5) : rect, label.LabelOriginX, label.LabelOriginY);
}

LabelRect ObjectRect(const ObjectRecord& rec) { return {rec.Left, rec.Top, rec.Right, rec.Bottom}; }
