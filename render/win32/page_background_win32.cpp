#include "render/win32/page_background_win32.h"

#include "render/page_rects.h"
#include "base/report.h"

void FillLabelRect(HDC dc, const LabelRect& rect, HBRUSH brush) {
    RECT r = {rect.left, rect.top, rect.right, rect.bottom};
    FillRect(dc, &r, brush);
}

void PaintPageBackground(HDC dc, const EditionProfile& edition, const ZIPINFO& label, int page, double scale,
                         bool paintSpine) {
    int mapMode = GetMapMode(dc);
    HBRUSH body = CreateSolidBrush(label.BkgndColor);
    if (!body) {
        ReportBadStuff("Body Background Brush Failed!");
    } else {
        FillLabelRect(dc, PageRectAt(label, scale), body);
        DeleteObject(body);
    }
    if (paintSpine) {
        LabelRect spines[2];
        int n = SpineRectsAt(edition, label, page, scale, spines);
        if (n > 0) {
            HBRUSH spine = CreateSolidBrush(label.SpineBkgndColor);
            if (!spine) {
                ReportBadStuff("Spine Background Brush Failed!");
            } else {
                for (int i = 0; i < n; ++i) FillLabelRect(dc, spines[i], spine);
                DeleteObject(spine);
            }
        }
    }
    if (GetMapMode(dc) != mapMode) SetMapMode(dc, mapMode);
}
