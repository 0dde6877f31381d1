#include "shell/win32/label_view_win32.h"

#include "catalog/labels.h"
#include "document/object_list.h"
#include "editions/edition.h"
#include "render/page_origin.h"
#include "render/page_rects.h"
#include "render/text_layout.h"
#include "render/win32/text_output_win32.h"
#include "shell/page_clicks.h"
#include "shell/page_markers.h"
#include "shell/program_records.h"
#include "base/report.h"
#include "shell/view_pages.h"
#include "shell/view_points.h"
#include "shell/view_state.h"
#include "shell/win32/menu_refresh_win32.h"
#include "shell/win32/object_drag_win32.h"
#include "shell/win32/page_painter.h"
#include "shell/win32/view_dc_win32.h"
#include "shell/win32/win_state.h"

namespace {

// Kept for the window's life; the fonts follow the window scale.
struct ViewObjects {
    HPEN highlight = nullptr;
    HFONT marker[3] = {};  // upright, 90 and 270 degrees
    double markerScale = 0;
};
ViewObjects g_objects;

constexpr int kSheetMapFontSize = 70;

HFONT MarkerFont(HDC dc, int rotation) {
    if (g_objects.markerScale != g_view.windowScale) {
        for (HFONT& font : g_objects.marker) {
            if (font) DeleteObject(font);
            font = nullptr;
        }
        g_objects.markerScale = g_view.windowScale;
    }
    int slot = rotation == 90 ? 1 : rotation == 270 ? 2 : 0;
    if (!g_objects.marker[slot])
        g_objects.marker[slot] = LabelFont(dc, g_view.windowScale, "Arial", kMarkerFontSize, 0, 0, true, rotation * 10, nullptr);
    return g_objects.marker[slot];
}

void DrawPageMarkers(HDC dc, const ZIPINFO& label, int page) {
    PageMarker markers[3];
    int n = PageMarkers(TheEdition(), g_view.labelKind, page, label, markers);
    if (n == 0) return;
    COLORREF oldColor = SetTextColor(dc, RGB(0, 0, 0));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = nullptr;
    for (int i = 0; i < n; ++i) {
        HFONT font = MarkerFont(dc, markers[i].rotation);
        if (!font) continue;
        HGDIOBJ previous = SelectObject(dc, font);
        if (!oldFont) oldFont = previous;
        MyDrawText(dc, markers[i].text, -1, markers[i].rect, markers[i].align, markers[i].rotation);
    }
    if (oldFont) SelectObject(dc, oldFont);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColor);
}

void DrawSheetMap(HDC dc) {
    HFONT font = LabelFont(dc, g_view.windowScale, "Arial", kSheetMapFontSize, 0, 0, true, 0, nullptr);
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = GetTextColor(dc);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    for (int i = 0; i < kMaxLabels; ++i) {
        const ZIPINFO& record = g_labelRecords[i];
        bool content = record.NumEntries > 0 || record.NumObjects > 0;
        SheetCellFill fill = SheetMapCellFill(i, CurrentLabelIndex(), content);
        LabelRect cell = SheetMapCellRect(i, g_view.originX, g_view.originY);
        int stock = fill == CELL_BLACK ? BLACK_BRUSH : fill == CELL_GREY ? LTGRAY_BRUSH : WHITE_BRUSH;
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(stock));
        Rectangle(dc, cell.left, cell.top, cell.right, cell.bottom);
        SelectObject(dc, oldBrush);
        SetTextColor(dc, fill == CELL_BLACK ? RGB(255, 255, 255) : RGB(0, 0, 0));
        char number[2] = {static_cast<char>('1' + i), 0};
        MyDrawText(dc, number, 1, cell, TEXT_HCENTER | TEXT_VCENTER, 0);
    }
    SelectObject(dc, oldPen);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    if (oldFont) SelectObject(dc, oldFont);
    if (font) DeleteObject(font);
}

// The half-size outline of the record's page (LabelOrigin set) in red.
void DrawHighlight(HDC dc, const ZIPINFO& label) {
    if (!g_objects.highlight) g_objects.highlight = CreatePen(PS_DASH, 0, RGB(255, 0, 0));
    LabelRect r = PageRectAt(label, 0.5);
    HGDIOBJ oldPen = SelectObject(dc, g_objects.highlight);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

template <typename Draw>
void DrawOnWindow(Draw draw) {
    DrawOnMainWindow(g_win.main, g_win.drawArea, draw);
}

}  // namespace

void PaintLabelView(HDC dc) {
    const EditionProfile& edition = TheEdition();
    BeginPaintReports();
    BringViewIntoRange(edition);
    int saved = SaveDC(dc);
    SetViewMapping(dc);
    int page = g_view.currentPage;
    for (int i = 0; i < g_labelCount; ++i) PageOrigin(&g_labelRecords[i], page);
    ZIPINFO* label = g_currentLabel;
    if (edition.id == EDITION_WIMBROOK) {
        PaintLabelPage(dc, label, page, 1);
        DrawSelectionFrame(dc, false);
        if (g_view.labelKind == KIND_SHEET) DrawSheetMap(dc);
    } else if (g_view.fullSize) {
        PaintLabelPage(dc, label, page, 1);
        DrawSelectionFrame(dc, false);
        PageOrigin(label, page);
        DrawPageMarkers(dc, *label, page);
    } else {
        int odd = SpreadOddPage(page), even = SpreadEvenPage(page);
        PageOrigin(label, odd);
        PaintLabelPage(dc, label, odd, 0);
        PageOrigin(label, even);
        PaintLabelPage(dc, label, even, 0);
        PageOrigin(label, page);
        DrawSelectionFrame(dc, false);
    }
    RestoreDC(dc, saved);
    SwitchPage(CurrentLabelIndex(), page);
    EndPaintReports();
}

void SwitchPage(int labelIndex, int page) {
    const EditionProfile& edition = TheEdition();
    int kind = g_view.labelKind;
    labelIndex = LabelInRange(edition, kind, labelIndex);
    page = PageInRange(kind, page);
    bool spread = HalfSizeView();
    if (spread && g_currentLabel && (labelIndex != CurrentLabelIndex() || page != g_view.currentPage)) {
        ClearObjectSelection(g_currentLabel);
        ZIPINFO* previous = g_currentLabel;
        int previousPage = PageInRange(kind, g_view.currentPage);
        PageOrigin(previous, previousPage);
        DrawOnWindow([previous](HDC dc) { PaintPageOutline(dc, *previous, true); });
    }
    MakeLabelCurrent(labelIndex);
    g_view.currentPage = page;
    PageOrigin(g_currentLabel, page);
    if (spread) {
        ZIPINFO* current = g_currentLabel;
        DrawOnWindow([current](HDC dc) { DrawHighlight(dc, *current); });
    }
    SetTitle(g_win.main);
    RefreshMenus(g_win.main);
}

void FreeLabelViewObjects() {
    if (g_objects.highlight) DeleteObject(g_objects.highlight);
    for (HFONT font : g_objects.marker)
        if (font) DeleteObject(font);
    g_objects = ViewObjects();
}
