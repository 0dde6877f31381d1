#include "render/win32/page_render_win32.h"

#include "catalog/macros.h"
#include "render/label_geometry.h"
#include "render/page_flow.h"
#include "render/page_layers.h"
#include "render/page_rects.h"
#include "render/win32/catalog_layout_win32.h"
#include "render/win32/page_background_win32.h"
#include "render/win32/page_number_win32.h"
#include "render/win32/placed_objects_win32.h"
#include "render/win32/spine_win32.h"

namespace {


void DrawCatalog(HDC dc, ZIPINFO* label, const PageDrawing& how, double scale) {
    const EditionProfile& edition = *how.edition;
    if (!PageCarriesEntries(edition, label->LblFmt, how.kind, how.page)) return;
    int first = FirstEntryOfPage(label, edition, how.geometry, how.kind, how.page);
    // Only page 1 shows the comment: no macro expansion for the others.
    char comment[kExpandedCommentSize];
    bool showsComment = how.page == 1 && label->ShowComm;
    if (showsComment) ExpandMacros(label, comment);
    LayOutPage(dc, edition, how.geometry, how.kind, label, how.page, scale, first, showsComment ? comment : nullptr);
}

}  // namespace

void DrawPageBorder(HDC dc, const ZIPINFO& label, double scale, int borderStyle, bool onPaper) {
    BorderPen border = BorderPenFor(borderStyle, onPaper);
    if (!border.draw) return;
    static const int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};
    int style = border.line >= 0 && border.line < 5 ? kStyles[border.line] : PS_SOLID;
    HPEN pen = CreatePen(style, border.width, border.color);
    if (!pen) return;
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    LabelRect r = PageRectAt(label, scale);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

void DrawPage(HDC dc, ZIPINFO* label, const PageDrawing& how) {
    const EditionProfile& edition = *how.edition;
    double scale = how.fullSize ? 1.0 : 0.5;
    PaintPageBackground(dc, edition, *label, how.page, scale, how.page == 1);
    DrawPlacedObjects(dc, label, LAYER_BELOW, how.page, how.fullSize);
    DrawSpine(dc, edition, label, how.page, scale, how.windowScale, how.initials, how.number);
    DrawCatalog(dc, label, how, scale);
    if (IsBookletKind(edition, how.kind))
        DrawBookletPageNumber(dc, *label, how.page, how.fullSize, how.windowScale);
    DrawPlacedObjects(dc, label, LAYER_ON, how.page, how.fullSize);
    DrawPlacedObjects(dc, label, LAYER_ABOVE, how.page, how.fullSize);
    DrawPageBorder(dc, *label, scale, how.border, how.onPaper);
}

void PlacePage(ZIPINFO* label, const PageDrawing& how, int32_t x, int32_t y) {
    LabelSize size = PageSizeFor(*how.edition, how.kind, how.page);
    label->LabelOriginX = x;
    label->LabelOriginY = y;
    label->PageWidth = size.width;
    label->PageHeight = size.height;
}

void DrawPageAt(HDC dc, ZIPINFO* label, const PageDrawing& how, int32_t x, int32_t y) {
    PlacePage(label, how, x, y);
    DrawPage(dc, label, how);
}
