// Moving and resizing a placed object with the mouse: the drag record, the
// clamping of a move to the page, resizing with its 0.10 inch minimum, and
// the status-bar texts. All in label units of the object's page.
#pragma once
#include <string>

#include "record/zipinfo.h"
#include "render/label_rect.h"

enum DragModeCode { DRAG_NONE = 0, DRAG_MOVING = 1, DRAG_RESIZING = 2 };

// Opposite edges of a resized object stay at least this far apart.
constexpr int kMinObjectSize = 10;

struct DragState {
    int DragMode = DRAG_NONE;
    int HandleCode = -1;          // while resizing
    LabelPoint start = {0, 0};    // logical point of the press
    LabelPoint grab = {0, 0};     // label units: dragged point minus the press
    LabelRect band = {0, 0, 0, 0};  // rubber band last drawn, logical units
    bool bandShown = false;
    LabelRect before = {0, 0, 0, 0};  // the object's rectangle at the press
};

extern DragState g_drag;

// Moves the rectangle's top-left corner to (tx, ty), clamped in this order:
// not left of the page, not above it, then not past its right and bottom
// edges; an object larger than the page so ends at those edges and sticks
// out on the left or top. width and height are the page's (height < 0).
void MoveObjectClamped(ObjectRecord* rec, int32_t targetX, int32_t targetY, int32_t width, int32_t height);

// Drags one handle to (tx, ty), clamped to the page, keeping opposite edges
// at least kMinObjectSize apart.
void ResizeObject(ObjectRecord* rec, int handle, int32_t targetX, int32_t targetY, int32_t width, int32_t height);

// Status-bar texts in inches.
std::string PositionAndSizeText(const ObjectRecord& rec);
std::string PositionText(const ObjectRecord& rec);
std::string SizeText(const ObjectRecord& rec);
