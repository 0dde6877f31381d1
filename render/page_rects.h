// The rectangles a page's backgrounds fill, in drawing coordinates: the
// page from its LabelOrigin over PageSize x scale, and its spine strips
// scaled and shifted by the same origin.
#pragma once
#include "catalog/zipinfo.h"
#include "editions/profile.h"
#include "render/label_rect.h"

LabelRect PageRectAt(const ZIPINFO& label, double scale);

// Returns how many spine rectangles were written (0 to 2).
int SpineRectsAt(const EditionProfile& edition, const ZIPINFO& label, int page, double scale, LabelRect out[2]);
