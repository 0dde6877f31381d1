// The texts beside a page in the full-size view that name the page a click
// there turns to (the page numbers the user sees: internal page minus 1).
// Wimbrook has none.
#pragma once
#include "editions/profile.h"
#include "record/zipinfo.h"
#include "render/label_rect.h"

struct PageMarker {
    LabelRect rect;  // logical units
    int rotation;    // 0, 90 (reads downward), 270 (reads upward)
    int align;       // TextAlign bits for MyDrawText
    char text[40];
};

// Marker font size in tenths of a point. Its line is about 18 units high,
// which fits the 27 to 50 units left beside every page of both editions.
constexpr int kMarkerFontSize = 110;

// The markers of the page whose LabelOrigin and PageSize the record holds;
// returns how many were written (at most 3).
int PageMarkers(const EditionProfile& edition, int kind, int page, const ZIPINFO& label, PageMarker out[3]);
