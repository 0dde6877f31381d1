#include "shell/win32/page_painter.h"

#include "document/program_settings.h"
#include "editions/edition.h"
#include "render/page_rects.h"
#include "shell/view_state.h"

PageDrawing ProgramPageDrawing(int page, int fullSize, bool onPaper) {
    return {&TheEdition(),     g_view.labelKind,    page,              fullSize,           onPaper,
            g_settings.Border, g_settings.Initials, g_settings.Number, g_view.windowScale, ProgramGeometry()};
}

GeometrySettings ProgramGeometry() { return {g_settings.SideMargin, g_settings.OrigPosition}; }

void PaintLabelPage(HDC dc, ZIPINFO* label, int page, int fullSize) {
    DrawPage(dc, label, ProgramPageDrawing(page, fullSize, false));
}

void PaintPageOutline(HDC dc, const ZIPINFO& label, bool half) {
    double scale = half ? 0.5 : 1.0;
    // The page's own colour first, so that no pixel of a line drawn over the
    // edge stays where the border style leaves gaps.
    HPEN pen = CreatePen(PS_SOLID, 0, label.BkgndColor);
    if (pen) {
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        LabelRect r = PageRectAt(label, scale);
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
    DrawPageBorder(dc, label, scale, g_settings.Border, false);
}
