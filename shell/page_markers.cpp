#include "shell/page_markers.h"

#include <cstdio>

#include "render/label_geometry.h"
#include "render/text_layout.h"
#include "shell/view_state.h"

namespace {

// Centred along the text; across it, the text's top lies at the edge the
// placement names (the rectangle's top upright, its right edge at 90
// degrees and its left edge at 270 degrees).
constexpr int kAlign = TEXT_HCENTER;

void Add(PageMarker out[3], int* n, const LabelRect& rect, int rotation, const char* format, int number = 0) {
    PageMarker& m = out[(*n)++];
    m.rect = rect;
    m.rotation = rotation;
    m.align = kAlign;
    std::snprintf(m.text, sizeof m.text, format, number);
}

}  // namespace

int PageMarkers(const EditionProfile& edition, int kind, int page, const ZIPINFO& label, PageMarker out[3]) {
    const int32_t ox = label.LabelOriginX, oy = label.LabelOriginY;
    const int32_t w = label.PageWidth, h = label.PageHeight;
    const LabelRect pageRect = {ox, oy, ox + w, oy + h};
    int n = 0;
    if (edition.id == EDITION_KESTRIN) {
        if (page & 1) {
            LabelRect below = {ox, oy + h, ox + w, oy + h - 35};
            if (page <= 3) Add(out, &n, below, 0, "( To Back Cover )");
            else Add(out, &n, below, 0, "( To Page %d )", page - 2);
            if (page > 1) Add(out, &n, ShiftRect(pageRect, 27, 0), 270, "( To Page %d )", page);
        } else {
            LabelRect wide = {ox - 30, oy, ox + w + 30, oy + h};
            if (page == 2) Add(out, &n, wide, 90, "( To Front Cover )");
            else Add(out, &n, wide, 90, "( To Page %d )", page - 2);
            if (kind != KIND_BOOKLET) Add(out, &n, wide, 270, "( To Front Cover )");
            else if (page < kMaxPage) Add(out, &n, wide, 270, "( To Page %d )", page);
        }
    } else if (edition.id == EDITION_DOVANTEL) {
        if (page == 1) {
            Add(out, &n, {ox, oy + h, ox + w, oy + h - 30}, 0, "( Down To Front Cover )");
        } else {
            LabelRect wide = {ox - 50, oy, ox + w + 50, oy + h};
            if (kind != KIND_BOOKLET) Add(out, &n, wide, 90, "( Up To Back Cover )");
            else if (page < kMaxPage) Add(out, &n, wide, 90, "( Down To Page %d )", page);
            if (page == 2) Add(out, &n, wide, 270, "( Up To Back Cover )");
            else Add(out, &n, wide, 270, "( Up To Page %d )", page - 2);
        }
    }
    return n;
}
