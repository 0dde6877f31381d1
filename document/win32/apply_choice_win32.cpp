#include "document/win32/apply_choice_win32.h"

#include "catalog/labels.h"
#include "document/object_list.h"
#include "document/string_object.h"
#include "editions/command_ids.h"
#include "render/win32/font_heights_win32.h"

namespace {

// The choice reaches the label; false when there is nothing to apply to.
bool ApplyChooserChoice(ApplyTarget target, PrinterNames* printer) {
    switch (target) {
    case APPLY_LABEL_FONT:
        InvalidateLayout(g_currentLabel);
        MeasureLabelFontHeights(g_currentLabel, printer);
        return true;
    case APPLY_COLOR:
        return true;
    case APPLY_FONTS_DIALOG:
        return ApplyOpenFontsDialog();
    case APPLY_STRING_FONT: {
        PlacedObject* object = SelectedObject(g_currentLabel);
        if (object && object->rec.Type == OBJECT_STRING && object->rec.AutoSize) AutoSizeString(&object->rec);
        return object != nullptr;
    }
    case APPLY_STRING_DIALOG:
        return ApplyOpenStringDialog();
    default:
        return false;
    }
}

}  // namespace

void RequestApply(HWND dialog, ApplyTarget target, PrinterNames* printer) {
    HWND main = GetAncestor(dialog, GA_ROOTOWNER);
    if (!main || main == dialog) return;
    ApplyChooserChoice(target, printer);
    SendMessageA(main, WM_COMMAND, CMD_APPLY, 0);
}
