// The main window's label space on a device context: the label mapping at
// the window scale, mouse positions to logical points, logical rectangles
// to client pixels, and frames drawn a fixed number of pixels wide.
#pragma once
#include <windows.h>

#include "render/label_rect.h"

// Sets the label mapping at the window scale on a context of the window.
void SetViewMapping(HDC dc);

// A client-pixel position of the main window as a logical point.
LabelPoint ClientToLogical(HWND window, int x, int y);

// A logical rectangle as a normalised client-pixel rectangle.
RECT LogicalToClient(HWND window, const LabelRect& rect);
RECT LogicalToDevice(HDC dc, const LabelRect& rect);

// Draws the outline of a logical rectangle with a pen whose width is in
// pixels whatever the scale (the pen is used in device space), hollow, in
// the given raster operation (R2_COPYPEN, R2_NOT).
void FrameLogicalRect(HDC dc, const LabelRect& rect, HPEN pen, int rop);

// Inverts the pixels of a logical rectangle, each once.
void InvertLogicalRect(HDC dc, const LabelRect& rect);

// Draws on the main window directly (no repaint), clipped to the label
// drawing area, with the view mapping set. Nothing while it is hidden.
template <typename Draw>
void DrawOnMainWindow(HWND window, const RECT& drawArea, Draw draw) {
    if (!window || !IsWindowVisible(window)) return;
    HDC dc = GetDC(window);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, drawArea.left, drawArea.top, drawArea.right, drawArea.bottom);
    SetViewMapping(dc);
    draw(dc);
    RestoreDC(dc, saved);
    ReleaseDC(window, dc);
}
