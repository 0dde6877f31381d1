// The page number at the foot of booklet pages 3 and up.
#pragma once
#include <windows.h>

#include "record/zipinfo.h"

// Draws page - 1 in black Arial 8 pt (4 pt in the spread view) at the
// bottom right of the page; nothing on pages 1 and 2. The label mapping is
// set at windowScale.
void DrawBookletPageNumber(HDC dc, const ZIPINFO& label, int page, int fullSize, double windowScale);
