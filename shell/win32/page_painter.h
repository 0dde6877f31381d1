// The page painter as the main window calls it: one page of a label at the
// record's LabelOrigin and PageSize, at full size or half size.
#pragma once
#include <windows.h>

#include "catalog/zipinfo.h"

void PaintLabelPage(HDC dc, ZIPINFO* label, int page, int fullSize);

// The page's outline as the painter draws it, at half size in the spread
// view; used to erase the spread highlight.
void PaintPageOutline(HDC dc, const ZIPINFO& label, bool half);
