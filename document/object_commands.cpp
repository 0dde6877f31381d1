#include "document/object_commands.h"

#include "document/object_list.h"
#include "document/string_object.h"

int SelectionNeeded(ObjectOp op) {
    switch (op) {
    case OBJ_SCALE:
    case OBJ_TRUE_SCALE:
    case OBJ_SIZE_TO_BODY:
    case OBJ_SIZE_TO_LABEL:
    case OBJ_MAX_ASPECT:
        return SELECTED_PICTURE;
    case OBJ_TRANSPARENT:
    case OBJ_TOGGLE_AUTOSIZE:
    case OBJ_ROTATE:
    case OBJ_HALIGN:
    case OBJ_VALIGN:
        return SELECTED_STRING;
    default:
        return SELECTED_NOTHING;
    }
}

bool RunObjectCommand(ZIPINFO* label, ObjectCommand command, const PlacementContext& context) {
    PlacedObject* selected = SelectedObject(label);
    if (!selected) return false;
    int needed = SelectionNeeded(command.op);
    if (needed != SELECTED_NOTHING && label->SelectionKind != needed) return false;
    ObjectRecord* rec = &selected->rec;
    switch (command.op) {
    case OBJ_COPY:
        return DuplicateSelected(label, context);
    case OBJ_DELETE:
        return DeleteSelected(label);
    case OBJ_LAYER:
        rec->Layer = command.arg;
        return true;
    case OBJ_CENTER_HORZ:
        CenterHorizontally(rec, context);
        return true;
    case OBJ_CENTER_VERT:
        CenterVertically(rec, context);
        return true;
    case OBJ_MAKE_BACKGROUND:
        rec->Layer = LAYER_BELOW;
        if (label->SelectionKind == SELECTED_PICTURE) SizeToLabel(rec, context);
        return true;
    case OBJ_SCALE:
        ScalePicture(rec, command.arg, 100);
        return true;
    case OBJ_TRUE_SCALE:
        // One pixel is 1/72 inch.
        ScalePicture(rec, 100, 72);
        return true;
    case OBJ_SIZE_TO_BODY:
        return SizeToBody(rec, context);
    case OBJ_SIZE_TO_LABEL:
        return SizeToLabel(rec, context);
    case OBJ_MAX_ASPECT:
        MaximumAspect(rec, context);
        return true;
    case OBJ_TRANSPARENT:
        rec->Filled = 0;
        return true;
    case OBJ_TOGGLE_AUTOSIZE:
        ToggleStringAutoSize(rec);
        return true;
    case OBJ_ROTATE:
        SetStringOrientation(rec, command.arg);
        return true;
    case OBJ_HALIGN:
        rec->HAlign = command.arg;
        return true;
    case OBJ_VALIGN:
        rec->VAlign = command.arg;
        return true;
    }
    return false;
}
