// The rectangles of a page in drawing coordinates: the page from its
// LabelOrigin over PageSize x scale and its spine strips scaled and
// shifted by the same origin (the backgrounds fill them), and the place of
// a booklet page's number.
#pragma once
#include <cstddef>

#include "editions/profile.h"
#include "record/zipinfo.h"
#include "render/label_rect.h"

LabelRect PageRectAt(const ZIPINFO& label, double scale);

// Returns how many spine rectangles were written (0 to 2).
int SpineRectsAt(const EditionProfile& edition, const ZIPINFO& label, int page, double scale, LabelRect out[2]);

// The page number printed at the foot of booklet pages 3 and up.
// Fills the text ("%d " with page - 1), the rectangle it is aligned in
// (bottom right, from the page's LabelOrigin over its PageSize, halved in
// the spread view, its bottom raised by one unit) and the Arial size in
// tenths of a point. False on pages 1 and 2, which carry no number.
bool BookletPageNumber(const ZIPINFO& label, int page, int fullSize, char* text, size_t size, LabelRect* rect,
                       int* pointSize);
