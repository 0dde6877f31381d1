#include "shell/object_command_map.h"

#include "editions/command_ids.h"

namespace {

struct Row {
    int command;
    ObjectCommand operation;
};

constexpr Row kRows[] = {
    {CMD_COPY_OBJECT, {OBJ_COPY, 0}},
    {CMD_DELETE_IMAGE, {OBJ_DELETE, 0}},
    {CMD_DELETE_STRING, {OBJ_DELETE, 0}},
    {CMD_DELETE_KEY, {OBJ_DELETE, 0}},
    {CMD_LAYER_ABOVE, {OBJ_LAYER, LAYER_ABOVE}},
    {CMD_LAYER_ON, {OBJ_LAYER, LAYER_ON}},
    {CMD_LAYER_BELOW, {OBJ_LAYER, LAYER_BELOW}},
    {CMD_CENTER_HORZ, {OBJ_CENTER_HORZ, 0}},
    {CMD_CENTER_VERT, {OBJ_CENTER_VERT, 0}},
    {CMD_MAKE_BACKGROUND, {OBJ_MAKE_BACKGROUND, 0}},
    {CMD_SCALE_25, {OBJ_SCALE, 25}},
    {CMD_SCALE_50, {OBJ_SCALE, 50}},
    {CMD_SCALE_100, {OBJ_SCALE, 100}},
    {CMD_SCALE_150, {OBJ_SCALE, 150}},
    {CMD_SCALE_200, {OBJ_SCALE, 200}},
    {CMD_TRUE_SCALE, {OBJ_TRUE_SCALE, 0}},
    {CMD_SIZE_TO_BODY, {OBJ_SIZE_TO_BODY, 0}},
    {CMD_SIZE_TO_LABEL, {OBJ_SIZE_TO_LABEL, 0}},
    {CMD_MAX_ASPECT, {OBJ_MAX_ASPECT, 0}},
    {CMD_STRING_TRANSPARENT, {OBJ_TRANSPARENT, 0}},
    {CMD_STRING_AUTOSIZE, {OBJ_TOGGLE_AUTOSIZE, 0}},
    {CMD_ROTATE_0, {OBJ_ROTATE, 0}},
    {CMD_ROTATE_90, {OBJ_ROTATE, 90}},
    {CMD_ROTATE_180, {OBJ_ROTATE, 180}},
    {CMD_ROTATE_270, {OBJ_ROTATE, 270}},
    {CMD_ALIGN_LEFT, {OBJ_HALIGN, 0}},
    {CMD_ALIGN_CENTER, {OBJ_HALIGN, 1}},
    {CMD_ALIGN_RIGHT, {OBJ_HALIGN, 2}},
    {CMD_ALIGN_TOP, {OBJ_VALIGN, 0}},
    {CMD_ALIGN_VCENTER, {OBJ_VALIGN, 1}},
    {CMD_ALIGN_BOTTOM, {OBJ_VALIGN, 2}},
};

}  // namespace

bool ObjectCommandFor(int command, ObjectCommand* out) {
    for (const Row& row : kRows) {
        if (row.command != command) continue;
        *out = row.operation;
        return true;
    }
    return false;
}
