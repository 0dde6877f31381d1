#include "document/object_commands.h"

#include "document/object_list.h"
#include "document/string_object.h"
#include "shell/command_ids.h"
#include "shell/view_state.h"

namespace {

enum Needs { NEEDS_OBJECT, NEEDS_PICTURE, NEEDS_STRING, NOT_OURS };

Needs NeedsOf(int command) {
    switch (command) {
    case CMD_COPY_OBJECT:
    case CMD_DELETE_IMAGE:
    case CMD_DELETE_STRING:
    case CMD_DELETE_KEY:
    case CMD_LAYER_ABOVE:
    case CMD_LAYER_ON:
    case CMD_LAYER_BELOW:
    case CMD_CENTER_HORZ:
    case CMD_CENTER_VERT:
    case CMD_MAKE_BACKGROUND:
        return NEEDS_OBJECT;
    case CMD_SCALE_25:
    case CMD_SCALE_50:
    case CMD_SCALE_100:
    case CMD_SCALE_150:
    case CMD_SCALE_200:
    case CMD_TRUE_SCALE:
    case CMD_SIZE_TO_BODY:
    case CMD_SIZE_TO_LABEL:
    case CMD_MAX_ASPECT:
        return NEEDS_PICTURE;
    case CMD_STRING_TRANSPARENT:
    case CMD_STRING_AUTOSIZE:
    case CMD_ROTATE_0:
    case CMD_ROTATE_90:
    case CMD_ROTATE_180:
    case CMD_ROTATE_270:
    case CMD_ALIGN_LEFT:
    case CMD_ALIGN_CENTER:
    case CMD_ALIGN_RIGHT:
    case CMD_ALIGN_TOP:
    case CMD_ALIGN_VCENTER:
    case CMD_ALIGN_BOTTOM:
        return NEEDS_STRING;
    default:
        return NOT_OURS;
    }
}

bool SelectionFits(Needs needs) {
    switch (needs) {
    case NEEDS_OBJECT:
        return g_view.selectionKind != SELECTED_NOTHING;
    case NEEDS_PICTURE:
        return g_view.selectionKind == SELECTED_PICTURE;
    case NEEDS_STRING:
        return g_view.selectionKind == SELECTED_STRING;
    default:
        return false;
    }
}

}  // namespace

bool IsObjectCommand(int command) { return NeedsOf(command) != NOT_OURS; }

bool RunObjectCommand(ZIPINFO* label, int command, const PlacementContext& context) {
    if (!SelectionFits(NeedsOf(command))) return false;
    PlacedObject* selected = SelectedObject(label);
    if (!selected) return false;
    ObjectRecord* rec = &selected->rec;
    switch (command) {
    case CMD_COPY_OBJECT:
        return DuplicateSelected(label, context);
    case CMD_DELETE_IMAGE:
    case CMD_DELETE_STRING:
    case CMD_DELETE_KEY:
        return DeleteSelected(label);
    case CMD_LAYER_ABOVE:
        rec->Layer = LAYER_ABOVE;
        return true;
    case CMD_LAYER_ON:
        rec->Layer = LAYER_ON;
        return true;
    case CMD_LAYER_BELOW:
        rec->Layer = LAYER_BELOW;
        return true;
    case CMD_CENTER_HORZ:
        CenterHorizontally(rec, context);
        return true;
    case CMD_CENTER_VERT:
        CenterVertically(rec, context);
        return true;
    case CMD_MAKE_BACKGROUND:
        rec->Layer = LAYER_BELOW;
        if (g_view.selectionKind == SELECTED_PICTURE) SizeToLabel(rec, context);
        return true;
    case CMD_SCALE_25:
        ScalePicture(rec, 25, 100);
        return true;
    case CMD_SCALE_50:
        ScalePicture(rec, 50, 100);
        return true;
    case CMD_SCALE_100:
        ScalePicture(rec, 100, 100);
        return true;
    case CMD_SCALE_150:
        ScalePicture(rec, 150, 100);
        return true;
    case CMD_SCALE_200:
        ScalePicture(rec, 200, 100);
        return true;
    case CMD_TRUE_SCALE:
        // One pixel is 1/72 inch.
        ScalePicture(rec, 100, 72);
        return true;
    case CMD_SIZE_TO_BODY:
        return SizeToBody(rec, context);
    case CMD_SIZE_TO_LABEL:
        return SizeToLabel(rec, context);
    case CMD_MAX_ASPECT:
        MaximumAspect(rec, context);
        return true;
    case CMD_STRING_TRANSPARENT:
        rec->Filled = 0;
        return true;
    case CMD_STRING_AUTOSIZE:
        ToggleStringAutoSize(rec);
        return true;
    case CMD_ROTATE_0:
        SetStringOrientation(rec, 0);
        return true;
    case CMD_ROTATE_90:
        SetStringOrientation(rec, 90);
        return true;
    case CMD_ROTATE_180:
        SetStringOrientation(rec, 180);
        return true;
    case CMD_ROTATE_270:
        SetStringOrientation(rec, 270);
        return true;
    case CMD_ALIGN_LEFT:
    case CMD_ALIGN_CENTER:
    case CMD_ALIGN_RIGHT:
        rec->HAlign = command - CMD_ALIGN_LEFT;
        return true;
    case CMD_ALIGN_TOP:
    case CMD_ALIGN_VCENTER:
    case CMD_ALIGN_BOTTOM:
        rec->VAlign = command - CMD_ALIGN_TOP;
        return true;
    default:
        return false;
    }
}
