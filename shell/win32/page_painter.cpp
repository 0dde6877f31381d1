#include "shell/win32/page_painter.h"

#include "editions/edition.h"
#include "render/page_rects.h"
#include "render/win32/page_background_win32.h"

// Until the page drawing lands: the backgrounds and the outline.
void PaintLabelPage(HDC dc, ZIPINFO* label, int page, int fullSize) {
    PaintPageBackground(dc, TheEdition(), *label, page, fullSize ? 1.0 : 0.5, page == 1);
    PaintPageOutline(dc, *label, !fullSize);
}

void PaintPageOutline(HDC dc, const ZIPINFO& label, bool half) {
    LabelRect r = PageRectAt(label, half ? 0.5 : 1.0);
    HPEN pen = CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}
