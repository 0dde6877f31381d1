#include "render/page_rects.h"

#include <cstdio>

#include "render/label_geometry.h"

LabelRect PageRectAt(const ZIPINFO& label, double scale) {
    int32_t width = static_cast<int32_t>(label.PageWidth * scale);
    int32_t height = static_cast<int32_t>(label.PageHeight * scale);
    return {label.LabelOriginX, label.LabelOriginY, label.LabelOriginX + width, label.LabelOriginY + height};
}

int SpineRectsAt(const EditionProfile& edition, const ZIPINFO& label, int page, double scale, LabelRect out[2]) {
    int n = SpineRegions(edition, page, out);
    for (int i = 0; i < n; ++i) out[i] = ShiftRect(ScaleRect(out[i], scale), label.LabelOriginX, label.LabelOriginY);
    return n;
}

bool BookletPageNumber(const ZIPINFO& label, int page, int fullSize, char* text, size_t size, LabelRect* rect,
                       int* pointSize) {
    if (page < 3) return false;
    std::snprintf(text, size, "%d ", page - 1);
    double scale = fullSize ? 1.0 : 0.5;
    int32_t width = static_cast<int32_t>(label.PageWidth * scale);
    int32_t height = static_cast<int32_t>(label.PageHeight * scale);
    *rect = {label.LabelOriginX, label.LabelOriginY, label.LabelOriginX + width, label.LabelOriginY + height + 1};
    *pointSize = fullSize ? 80 : 40;
    return true;
}
