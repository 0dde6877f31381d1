// The page number printed at the foot of booklet pages 3 and up.
#pragma once
#include <cstddef>

#include "catalog/zipinfo.h"
#include "render/label_rect.h"

// Fills the text ("%d " with page - 1), the rectangle it is aligned in
// (bottom right, from the page's LabelOrigin over its PageSize, halved in
// the spread view, its bottom raised by one unit) and the Arial size in
// tenths of a point. False on pages 1 and 2, which carry no number.
bool BookletPageNumber(const ZIPINFO& label, int page, int fullSize, char* text, size_t size, LabelRect* rect,
                       int* pointSize);
