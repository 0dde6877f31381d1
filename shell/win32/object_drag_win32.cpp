#include "shell/win32/object_drag_win32.h"

#include "catalog/labels.h"
#include "document/object_list.h"
#include "render/page_origin.h"
#include "render/page_rects.h"
#include "shell/object_drag.h"
#include "shell/object_hit_test.h"
#include "shell/page_clicks.h"
#include "shell/view_points.h"
#include "shell/view_state.h"
#include "shell/win32/bars.h"
#include "shell/win32/menu_refresh_win32.h"
#include "shell/win32/view_dc_win32.h"
#include "shell/win32/win_state.h"

namespace {

struct DragPens {
    HPEN band = nullptr;   // 2 pixels, black
    HPEN frame = nullptr;  // 2 pixels, pure green
};
DragPens g_pens;

// Set while the release gives the capture back, so that the capture-lost
// handler knows the drag ends normally.
bool g_releasing = false;

HPEN BandPen() {
    if (!g_pens.band) g_pens.band = CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
    return g_pens.band;
}

HPEN FramePen() {
    if (!g_pens.frame) g_pens.frame = CreatePen(PS_SOLID, 2, RGB(0, 255, 0));
    return g_pens.frame;
}

// The object's rectangle on screen at the record's LabelOrigin.
LabelRect OnScreen(const ObjectRecord& rec, const ZIPINFO& label) {
    return PageUnitsToLogical(ObjectRect(rec), label, HalfSizeView());
}

void InvalidateFrameArea(HWND window, const ObjectRecord& rec, const ZIPINFO& label) {
    RECT r = LogicalToClient(window, InflateLabelRect(OnScreen(rec, label), 3));
    InvalidateRect(window, &r, TRUE);
}

// Whether a page is on screen in the current view.
bool PageShown(int page) {
    if (!HalfSizeView()) return page == g_view.currentPage;
    return page == SpreadOddPage(g_view.currentPage) || page == SpreadEvenPage(g_view.currentPage);
}

void DrawBand(HDC dc) {
    if (g_drag.bandShown) FrameLogicalRect(dc, g_drag.band, BandPen(), R2_NOT);
}

// Inverts the band on the window: drawing it twice erases it.
void ToggleBand(HWND window) {
    DrawOnMainWindow(window, g_win.drawArea, [](HDC dc) { DrawBand(dc); });
}

void EraseBand(HWND window) {
    if (!g_drag.bandShown) return;
    ToggleBand(window);
    g_drag.bandShown = false;
}

void ShowBand(HWND window, const LabelRect& rect) {
    g_drag.band = rect;
    g_drag.bandShown = true;
    ToggleBand(window);
}

// The dragged object, with its page placed; null when it went away.
PlacedObject* DraggedObject() {
    PlacedObject* object = SelectedObject(g_currentLabel);
    if (object) PageOrigin(g_currentLabel, object->rec.Page);
    return object;
}

// Applies a drag step to the object at the logical point.
void ApplyDragTo(PlacedObject* object, LabelPoint p) {
    const ZIPINFO& label = *g_currentLabel;
    LabelPoint q = LogicalToPageUnits(p, label, HalfSizeView());
    int32_t tx = q.x + g_drag.grab.x, ty = q.y + g_drag.grab.y;
    if (g_drag.DragMode == DRAG_MOVING)
        MoveObjectClamped(&object->rec, tx, ty, label.PageWidth, label.PageHeight);
    else
        ResizeObject(&object->rec, g_drag.HandleCode, tx, ty, label.PageWidth, label.PageHeight);
}

void EndDrag() {
    g_drag.DragMode = DRAG_NONE;
    g_drag.HandleCode = -1;
    g_drag.bandShown = false;
}

}  // namespace

void SelectPlacedObject(int index) {
    ZIPINFO* label = g_currentLabel;
    HWND window = g_win.main;
    if (g_currentLabel->SelectionKind != 0 && index != 0 && label->Objects && label->NumObjects > 0)
        InvalidateFrameArea(window, label->Objects[0].rec, *label);
    ClearObjectSelection(g_currentLabel);
    if (label->Objects && index >= 0 && index < label->NumObjects) {
        SelectListObject(label, index);
        const ObjectRecord& rec = label->Objects[0].rec;
        if (index > 0) InvalidateFrameArea(window, rec, *label);
        if (rec.Top <= 0) DrawOnMainWindow(window, g_win.drawArea, [](HDC dc) { DrawSelectionFrame(dc, false); });
    }
    RefreshMenus(window);
}

void DrawSelectionFrame(HDC dc, bool printing) {
    ZIPINFO* label = g_currentLabel;
    PlacedObject* object = SelectedObject(label);
    if (!object || !PageShown(object->rec.Page)) return;
    const ObjectRecord& rec = object->rec;
    bool half = HalfSizeView();
    PageOrigin(label, rec.Page);
    LabelRect frame = OnScreen(rec, *label);
    int saved = SaveDC(dc);
    if (!printing) {
        RECT page = LogicalToDevice(dc, PageRectAt(*label, half ? 0.5 : 1.0));
        HRGN clip = CreateRectRgnIndirect(&page);
        ExtSelectClipRgn(dc, clip, RGN_AND);
        DeleteObject(clip);
    }
    FrameLogicalRect(dc, frame, FramePen(), R2_COPYPEN);
    if (!(rec.Type == OBJECT_STRING && rec.AutoSize)) {
        LabelRect squares[8];
        HandleSquares(frame, squares);
        for (const LabelRect& square : squares) InvertLogicalRect(dc, square);
    }
    RestoreDC(dc, saved);
}

void PressOnPage(HWND window, LabelPoint p, WPARAM keys) {
    ZIPINFO* label = g_currentLabel;
    SelectPlacedObject(HitTestObjects(p));
    SetStatusText("Ready");
    PlacedObject* object = SelectedObject(label);
    if (!object) return;
    const ObjectRecord& rec = object->rec;
    SetStatusText(PositionAndSizeText(rec).c_str());
    int handle = HitTestHandles(p);
    LabelPoint q = LogicalToPageUnits(p, *label, HalfSizeView());
    g_drag.start = p;
    g_drag.before = ObjectRect(rec);
    if (handle < 0 || (keys & (MK_SHIFT | MK_CONTROL))) {
        g_drag.DragMode = DRAG_MOVING;
        g_drag.HandleCode = -1;
        g_drag.grab = {rec.Left - q.x, rec.Top - q.y};
    } else {
        LabelPoint anchor = HandleAnchor(rec, handle);
        g_drag.DragMode = DRAG_RESIZING;
        g_drag.HandleCode = handle;
        g_drag.grab = {anchor.x - q.x, anchor.y - q.y};
    }
    SetCapture(window);
    ShowBand(window, OnScreen(rec, *label));
}

void DragMouseMove(HWND window, LabelPoint p) {
    if (g_drag.DragMode == DRAG_NONE) return;
    PlacedObject* object = DraggedObject();
    EraseBand(window);
    if (!object) {
        // The selection went away under the drag.
        g_releasing = true;
        ReleaseCapture();
        g_releasing = false;
        EndDrag();
        return;
    }
    ApplyDragTo(object, p);
    if (g_drag.DragMode == DRAG_MOVING)
        SetStatusText(PositionText(object->rec).c_str());
    else
        SetStatusText(SizeText(object->rec).c_str());
    ShowBand(window, OnScreen(object->rec, *g_currentLabel));
}

void DragLeftUp(HWND window, LabelPoint p) {
    if (g_drag.DragMode == DRAG_NONE) return;
    g_releasing = true;
    ReleaseCapture();
    g_releasing = false;
    PlacedObject* object = DraggedObject();
    EraseBand(window);
    if (object) {
        if (p.x == g_drag.start.x && p.y == g_drag.start.y) {
            // Nothing moved: only the object's own area is drawn again.
            RECT r = LogicalToClient(window, OnScreen(object->rec, *g_currentLabel));
            InvalidateRect(window, &r, FALSE);
        } else {
            ApplyDragTo(object, p);
            RequestRepaint();
        }
        SetStatusText(PositionAndSizeText(object->rec).c_str());
    }
    EndDrag();
}

void DragCaptureLost(HWND window) {
    if (g_drag.DragMode == DRAG_NONE || g_releasing) return;
    PlacedObject* object = DraggedObject();
    EraseBand(window);
    if (object) {
        ObjectRecord& rec = object->rec;
        rec.Left = g_drag.before.left;
        rec.Top = g_drag.before.top;
        rec.Right = g_drag.before.right;
        rec.Bottom = g_drag.before.bottom;
        SetStatusText(PositionAndSizeText(rec).c_str());
    }
    EndDrag();
    RequestRepaint();
}

void RedrawRubberBand(HDC dc) {
    if (g_drag.DragMode == DRAG_NONE || !g_drag.bandShown) return;
    int saved = SaveDC(dc);
    SetViewMapping(dc);
    DrawBand(dc);
    RestoreDC(dc, saved);
}

void FreeDragObjects() {
    if (g_pens.band) DeleteObject(g_pens.band);
    if (g_pens.frame) DeleteObject(g_pens.frame);
    g_pens = DragPens();
}
