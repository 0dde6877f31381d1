// The operations of the "&Image" and "S&tring" menus and of the object
// pop-up menus that act on the selected object. Inserting objects and the
// operations that open a dialog (text, font and colour) are not here; the
// shell maps its command numbers onto these.
#pragma once
#include "document/object_ops.h"
#include "record/zipinfo.h"

enum ObjectOp {
    OBJ_COPY,             // any object
    OBJ_DELETE,
    OBJ_LAYER,            // arg: ObjectLayer
    OBJ_CENTER_HORZ,
    OBJ_CENTER_VERT,
    OBJ_MAKE_BACKGROUND,  // below the label, a picture also over the whole page
    OBJ_SCALE,            // pictures only; arg: percent of the natural size
    OBJ_TRUE_SCALE,
    OBJ_SIZE_TO_BODY,
    OBJ_SIZE_TO_LABEL,
    OBJ_MAX_ASPECT,
    OBJ_TRANSPARENT,      // strings only
    OBJ_TOGGLE_AUTOSIZE,
    OBJ_ROTATE,           // arg: degrees 0, 90, 180, 270
    OBJ_HALIGN,           // arg: 0 left, 1 centre, 2 right
    OBJ_VALIGN,           // arg: 0 top, 1 centre, 2 bottom
};

struct ObjectCommand {
    ObjectOp op;
    int arg;
};

// Which selection the operation needs: 0 any object, else the SelectionKind.
int SelectionNeeded(ObjectOp op);

// Carries the operation out on element 0 of the label's objects. True when
// it changed the label; false when the operation needs a selection of
// another kind, nothing is selected, or the object's page has no region to
// size it to.
bool RunObjectCommand(ZIPINFO* label, ObjectCommand command, const PlacementContext& context);
