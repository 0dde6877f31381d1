#include "shell/menu_state.h"

#include <cstdlib>

#include "editions/command_ids.h"
#include "shell/view_state.h"

namespace {

void Add(std::vector<ItemCheck>* out, int command, bool checked) { out->push_back({command, checked}); }

void DisplayChecks(std::vector<ItemCheck>* out, const MenuInputs& in, bool withColumns67) {
    Add(out, CMD_SHOW_SIZE, in.showSize != 0);
    Add(out, CMD_SHOW_EXT, in.showExt != 0);
    Add(out, CMD_SHOW_COMMENT, in.showComm != 0);
    const int columnItems[] = {CMD_COLUMNS_0, CMD_COLUMNS_1, CMD_COLUMNS_2, CMD_COLUMNS_3,
                               CMD_COLUMNS_4, CMD_COLUMNS_5, CMD_COLUMNS_6, CMD_COLUMNS_7};
    for (int n = 0; n < 8; ++n) {
        if (n >= 6 && !withColumns67) continue;
        Add(out, columnItems[n], in.columns == n);
    }
    Add(out, CMD_LINED, in.lined != 0);
    Add(out, CMD_SORT_NAME, in.sortMode == 1);
    Add(out, CMD_SORT_EXT, in.sortMode == 2);
    Add(out, CMD_SORT_SIZE, in.sortMode == 3);
    Add(out, CMD_SORT_ASCENDING, in.direction > 0);
    Add(out, CMD_SORT_DESCENDING, in.direction < 0);
}

void SpineChecks(std::vector<ItemCheck>* out, const MenuInputs& in, bool withOpposed) {
    if (withOpposed) Add(out, CMD_OPPOSED_SPINE, in.opposing != 0);
    Add(out, CMD_COLOR_LOGO, in.zipColor != 0);
    Add(out, CMD_SPINE_LEFT, in.spineAlign == 0);
    Add(out, CMD_SPINE_CENTER, in.spineAlign == 1);
    Add(out, CMD_SPINE_RIGHT, in.spineAlign == 2);
    Add(out, CMD_DISPLAY_LOGO, in.showZip != 0);
}

}  // namespace

std::vector<ItemCheck> MenuBarChecks(const EditionProfile& edition, const MenuInputs& in) {
    std::vector<ItemCheck> out;
    bool floppy = edition.id == EDITION_WIMBROOK;
    int percent = static_cast<int>(in.windowScale * 100);
    Add(&out, CMD_SCALE_WINDOW_50, percent == 50);
    Add(&out, CMD_SCALE_WINDOW_75, percent == 75);
    Add(&out, CMD_SCALE_WINDOW_100, percent == 100);
    Add(&out, CMD_SCALE_WINDOW_125, percent == 125);
    Add(&out, CMD_SCALE_WINDOW_150, percent == 150);
    if (floppy) {
        Add(&out, CMD_FORMAT_ONE, in.labelKind == KIND_COVERS);
        Add(&out, CMD_FORMAT_NINE, in.labelKind == KIND_SHEET);
    } else {
        const int formatItems[] = {CMD_FORMAT_0, CMD_FORMAT_1, CMD_FORMAT_2, CMD_FORMAT_3,
                                   CMD_FORMAT_4, CMD_FORMAT_5, CMD_FORMAT_6};
        for (int f = 0; f < 7; ++f) Add(&out, formatItems[f], in.lblFmt == f);
    }
    DisplayChecks(&out, in, !floppy);
    SpineChecks(&out, in, !floppy);
    if (!floppy) Add(&out, CMD_ZOOM, in.fullSize != 0);
    int levels = std::abs(in.dispSub);
    const int levelItems[] = {CMD_LEVELS_ROOT, CMD_LEVELS_1, CMD_LEVELS_2, CMD_LEVELS_3, CMD_LEVELS_4};
    for (int l = 0; l < 5; ++l) Add(&out, levelItems[l], levels == l);
    Add(&out, CMD_LEVELS_ALL, levels == 15);
    Add(&out, CMD_DIRCOMM_SIZE, in.dirComm == 2);
    Add(&out, CMD_DIRCOMM_FILES, in.dirComm == 1);
    Add(&out, CMD_DIRCOMM_NONE, in.dirComm == 0);
    Add(&out, CMD_USE_TEMPLATES, in.useTemplates != 0);
    Add(&out, CMD_DIRS_ONLY, in.dispSub < 0);
    Add(&out, CMD_SCAN_ARCHIVES, in.scanArchives != 0);
    return out;
}

std::vector<ItemCheck> BodyPopupChecks(const MenuInputs& in) {
    std::vector<ItemCheck> out;
    DisplayChecks(&out, in, true);
    Add(&out, CMD_ZOOM, in.fullSize != 0);
    return out;
}

std::vector<ItemCheck> SpinePopupChecks(const MenuInputs& in) {
    std::vector<ItemCheck> out;
    SpineChecks(&out, in, true);
    return out;
}

std::vector<ItemCheck> LayerChecks(int layer) {
    return {{CMD_LAYER_ABOVE, layer == 1}, {CMD_LAYER_ON, layer == 0}, {CMD_LAYER_BELOW, layer == -1}};
}

std::vector<ItemCheck> StringChecks(const MenuInputs& in) {
    return {
        {CMD_STRING_TRANSPARENT, in.filled == 0}, {CMD_STRING_SOLID, in.filled != 0},
        {CMD_STRING_AUTOSIZE, in.autoSize != 0},  {CMD_ROTATE_0, in.orientation == 0},
        {CMD_ROTATE_90, in.orientation == 90},    {CMD_ROTATE_180, in.orientation == 180},
        {CMD_ROTATE_270, in.orientation == 270},  {CMD_ALIGN_LEFT, in.hAlign == 0},
        {CMD_ALIGN_CENTER, in.hAlign == 1},       {CMD_ALIGN_RIGHT, in.hAlign == 2},
        {CMD_ALIGN_TOP, in.vAlign == 0},          {CMD_ALIGN_VCENTER, in.vAlign == 1},
        {CMD_ALIGN_BOTTOM, in.vAlign == 2},
    };
}

ToolbarStates ComputeToolbarStates(const EditionProfile& edition, const MenuInputs& in) {
    ToolbarStates s;
    s.zoomPressed = in.fullSize != 0;
    s.previousEnabled = in.currentPage > 1;
    s.nextEnabled = in.currentPage < 2 || in.labelKind == KIND_BOOKLET;
    s.sizesPressed = in.showSize != 0;
    s.extensionsPressed = in.showExt != 0;
    s.fewerColumnsEnabled = in.columns > 0;
    s.moreColumnsEnabled = in.columns < (edition.id == EDITION_WIMBROOK ? 5 : 7);
    return s;
}

bool GoToPageEnabled(const MenuInputs& in) { return in.labelKind != KIND_COVERS; }
