#include "render/page_number.h"

#include <cstdio>

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
