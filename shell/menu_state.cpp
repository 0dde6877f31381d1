#include "shell/menu_state.h"

#include <cstdlib>

#include "render/label_geometry.h"

bool ScalePercentIs(const EditionProfile&, const MenuInputs& in, int percent) {
    return static_cast<int>(in.windowScale * 100) == percent;
}

bool LevelsAre(const EditionProfile&, const MenuInputs& in, int levels) { return std::abs(in.dispSub) == levels; }

bool DirectoriesOnly(const EditionProfile&, const MenuInputs& in, int) { return in.dispSub < 0; }

bool DirectionIs(const EditionProfile&, const MenuInputs& in, int direction) {
    return direction > 0 ? in.direction > 0 : in.direction < 0;
}

bool FrontCoverShown(const EditionProfile&, const MenuInputs& in, int) { return in.currentPage == 1; }

bool BackCoverShown(const EditionProfile&, const MenuInputs& in, int) { return in.currentPage == 2; }

bool InBooklet(const EditionProfile&, const MenuInputs& in, int) { return in.labelKind == KIND_BOOKLET; }

bool PageBefore(const EditionProfile&, const MenuInputs& in, int) { return in.currentPage > 1; }

bool PageAfter(const EditionProfile&, const MenuInputs& in, int) {
    return in.currentPage < 2 || in.labelKind == KIND_BOOKLET;
}

bool ColumnsCanGrow(const EditionProfile& edition, const MenuInputs& in, int) {
    return in.columns < (edition.id == EDITION_WIMBROOK ? 5 : 7);
}

bool ColumnsCanShrink(const EditionProfile&, const MenuInputs& in, int) { return in.columns > 0; }
