// Which placed object a click hits, which handle of the selected object it
// hits, and where the selection frame's handles lie. Points are in label
// units of the page (y up) unless a name says logical.
#pragma once
#include "record/zipinfo.h"
#include "render/label_rect.h"

// Handle codes of the selection frame.
enum HandleCode {
    HANDLE_NONE = -1,
    HANDLE_TOP_LEFT = 0,
    HANDLE_TOP_RIGHT = 1,
    HANDLE_BOTTOM_LEFT = 2,
    HANDLE_BOTTOM_RIGHT = 3,
    HANDLE_TOP_MIDDLE = 4,
    HANDLE_BOTTOM_MIDDLE = 5,
    HANDLE_LEFT_MIDDLE = 6,
    HANDLE_RIGHT_MIDDLE = 7,
};

// Handle squares are this many logical units wide in every view.
constexpr int kHandleSize = 8;

// Half-open containment: x in [left, right), y in (bottom, top] for the
// usual corner order; with the corners stored the other way round the
// closed and open ends swap with them.
bool RectContainsPoint(const LabelRect& rect, LabelPoint q);

// The first object in list order on the page that contains q, searching
// the layer above the label, then on it, then below it; -1 for none.
int HitTestObjectsAt(const ZIPINFO& label, int page, LabelPoint q);

// The handle of the object under q: bands of 8 label units in the full-size
// view and 16 at half size. A string that sizes itself has no handles.
int HitTestHandlesAt(const ObjectRecord& rec, LabelPoint q, bool half);

// The same for the shell's view: a logical point over the current label's
// current page (placed here by PageOrigin), and the selected object's
// handle under a logical point (its page placed); -1 for none.
int HitTestObjects(LabelPoint logical);
int HitTestHandles(LabelPoint logical);

// The point of the object a handle drags, in label units.
LabelPoint HandleAnchor(const ObjectRecord& rec, int handle);

// The eight handle squares (8 x 8 logical units, inside the frame) of a
// frame given in logical units, in HandleCode order.
void HandleSquares(const LabelRect& frame, LabelRect squares[8]);
