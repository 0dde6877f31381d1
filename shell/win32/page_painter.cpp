#include "shell/win32/page_painter.h"

#include "document/program_settings.h"
#include "render/page_layers.h"
#include "render/page_rects.h"
#include "render/win32/page_render_win32.h"

void PaintLabelPage(HDC dc, ZIPINFO* label, int page, int fullSize) {
    DrawPage(dc, label, page, fullSize, false);
}

namespace {
void OutlineWith(HDC dc, const LabelRect& r, HPEN pen) {
    if (!pen) return;
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}
}  // namespace

void PaintPageOutline(HDC dc, const ZIPINFO& label, bool half) {
    LabelRect r = PageRectAt(label, half ? 0.5 : 1.0);
    OutlineWith(dc, r, CreatePen(PS_SOLID, 0, label.BkgndColor));
    BorderPen border = BorderPenFor(g_settings.Border, false);
    if (!border.draw) return;
    static const int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};
    int style = border.line >= 0 && border.line < 5 ? kStyles[border.line] : PS_SOLID;
    OutlineWith(dc, r, CreatePen(style, border.width, border.color));
}
