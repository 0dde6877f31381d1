#include "shell/win32/view_dc_win32.h"

#include <utility>

#include "render/win32/mapping_win32.h"
#include "shell/view_state.h"

void SetViewMapping(HDC dc) { SetLabelMapping(dc, g_view.windowScale); }

LabelPoint ClientToLogical(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    SetViewMapping(dc);
    POINT point = {x, y};
    DPtoLP(dc, &point, 1);
    ReleaseDC(window, dc);
    return {point.x, point.y};
}

RECT LogicalToDevice(HDC dc, const LabelRect& rect) {
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    LPtoDP(dc, corners, 2);
    RECT r = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    return r;
}

RECT LogicalToClient(HWND window, const LabelRect& rect) {
    HDC dc = GetDC(window);
    SetViewMapping(dc);
    RECT r = LogicalToDevice(dc, rect);
    ReleaseDC(window, dc);
    return r;
}

void FrameLogicalRect(HDC dc, const LabelRect& rect, HPEN pen, int rop) {
    RECT r = LogicalToDevice(dc, rect);
    int saved = SaveDC(dc);
    SetMapMode(dc, MM_TEXT);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetROP2(dc, rop);
    SelectObject(dc, pen);
    SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    RestoreDC(dc, saved);
}

void InvertLogicalRect(HDC dc, const LabelRect& rect) {
    RECT r = LogicalToDevice(dc, rect);
    int saved = SaveDC(dc);
    SetMapMode(dc, MM_TEXT);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, DSTINVERT);
    RestoreDC(dc, saved);
}
