#include "shell/menu_state.h"

#include <cstdlib>

#include "catalog/scan_settings.h"
#include "document/object_list.h"
#include "document/program_settings.h"
#include "render/label_geometry.h"
#include "shell/view_state.h"

const ObjectRecord* StateView::Selected() const {
    if (!label || label->SelectionKind == SELECTED_NOTHING || !label->Objects || label->NumObjects <= 0)
        return nullptr;
    return &label->Objects[0].rec;
}

int StateView::SelectionKind() const { return Selected() ? label->SelectionKind : SELECTED_NOTHING; }

const ObjectRecord& UnselectedObject() {
    static const ObjectRecord unselected = [] {
        ObjectRecord r = {};
        r.Layer = 1;
        r.Filled = 1;
        r.AutoSize = 1;
        r.HAlign = 1;
        r.VAlign = 1;
        return r;
    }();
    return unselected;
}

StateView LiveState(const ZIPINFO* label) { return {&g_view, &g_scan, &g_settings, label}; }

bool ScalePercentIs(const EditionProfile&, const StateView& s, int percent) {
    return static_cast<int>(s.view->windowScale * 100) == percent;
}

bool LevelsAre(const EditionProfile&, const StateView& s, int levels) { return std::abs(s.scan->DispSub) == levels; }

bool DirectoriesOnly(const EditionProfile&, const StateView& s, int) { return s.scan->DispSub < 0; }

bool DirectionIs(const EditionProfile&, const StateView& s, int direction) {
    if (!s.label) return false;
    return direction > 0 ? s.label->Direction > 0 : s.label->Direction < 0;
}

bool FrontCoverShown(const EditionProfile&, const StateView& s, int) { return s.view->currentPage == 1; }

bool BackCoverShown(const EditionProfile&, const StateView& s, int) { return s.view->currentPage == 2; }

bool InBooklet(const EditionProfile&, const StateView& s, int) { return s.view->labelKind == KIND_BOOKLET; }

bool PageBefore(const EditionProfile&, const StateView& s, int) { return s.view->currentPage > 1; }

bool PageAfter(const EditionProfile&, const StateView& s, int) {
    return s.view->currentPage < 2 || s.view->labelKind == KIND_BOOKLET;
}

bool ColumnsCanGrow(const EditionProfile& edition, const StateView& s, int) {
    return s.label && s.label->Columns < (edition.id == EDITION_WIMBROOK ? 5 : 7);
}

bool ColumnsCanShrink(const EditionProfile&, const StateView& s, int) { return s.label && s.label->Columns > 0; }
