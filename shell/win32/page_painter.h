// The page painter as the main window calls it: one page of a label at the
// record's LabelOrigin and PageSize, at full size or half size, and the
// page's outline alone (to erase the spread view's highlight).
#pragma once
#include <windows.h>

#include "record/zipinfo.h"
#include "render/win32/page_render_win32.h"

// The drawing of a page as this program shows it: its edition, the current
// LabelKind, "Border", "Initials", "Number", the window scale and the
// geometry settings.
PageDrawing ProgramPageDrawing(int page, int fullSize, bool onPaper);

// The program's "SideMargin" and "OrigPosition", as the label geometry
// takes them.
GeometrySettings ProgramGeometry();

void PaintLabelPage(HDC dc, ZIPINFO* label, int page, int fullSize);

// The page's edge drawn again as the painter leaves it: the page's
// background colour under the outline in the "Border" style, so that no
// pixel of a line drawn over it stays.
void PaintPageOutline(HDC dc, const ZIPINFO& label, bool half);
