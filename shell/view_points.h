// Points and rectangles between the window's logical space (hundredths of
// an inch times the window scale, y up) and the label units of a page (from
// the page's top-left corner, y up). A page drawn in the spread view is
// half size, so one logical unit there is two label units.
#pragma once
#include "editions/profile.h"
#include "record/zipinfo.h"
#include "render/label_rect.h"

// Whether pages are drawn at half size: the spread view of Kestrin and
// Dovantel. Wimbrook always draws its one label at full size.
bool HalfSizeView(const EditionProfile& edition, int fullSize);

// This program's view.
bool HalfSizeView();

// A logical point in label units of the page whose LabelOrigin the record
// holds: (x - ox, y - oy), doubled at half size.
LabelPoint LogicalToPageUnits(LabelPoint p, const ZIPINFO& label, bool half);

// A rectangle of the page on screen: each coordinate halved (truncated) at
// half size, then shifted by LabelOrigin.
LabelRect PageUnitsToLogical(const LabelRect& rect, const ZIPINFO& label, bool half);

// The object's rectangle as a LabelRect.
LabelRect ObjectRect(const ObjectRecord& rec);
