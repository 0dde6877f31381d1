// The rules behind check marks, pressed buttons and enabled items, over
// plain inputs so that they are testable without a window. Each command
// row names its own (shell/command_table.cpp); a rule gets the row's
// argument, so that one rule serves a whole radio group.
#pragma once
#include "editions/profile.h"

struct MenuInputs {
    double windowScale = 1.0;
    int labelKind = 10;
    int currentPage = 1;
    int fullSize = 0;
    // the current label's look
    int lblFmt = 0;
    int opposing = 0;
    int showSize = 1;
    int showExt = 1;
    int showComm = 1;
    int columns = 3;
    int lined = 1;
    int sortMode = 1;
    int direction = 1;
    int zipColor = 0;
    int spineAlign = 0;
    int showZip = 1;
    // program-wide switches
    int dispSub = 1;
    int dirComm = 0;
    int useTemplates = 1;
    int scanArchives = 0;
    // the selection: 0 none, 1 picture, 2 string, with the object's fields
    int selectionKind = 0;
    int layer = 1;
    int filled = 1;
    int autoSize = 1;
    int orientation = 0;
    int hAlign = 1;
    int vAlign = 1;
};

using StateRule = bool (*)(const EditionProfile& edition, const MenuInputs& in, int arg);

// The field equals the row's argument (a radio item), or is on or off (a
// toggle).
template <int MenuInputs::*field>
bool Equals(const EditionProfile&, const MenuInputs& in, int arg) {
    return in.*field == arg;
}
template <int MenuInputs::*field>
bool IsOn(const EditionProfile&, const MenuInputs& in, int) {
    return in.*field != 0;
}
template <int MenuInputs::*field>
bool IsOff(const EditionProfile&, const MenuInputs& in, int) {
    return in.*field == 0;
}

// The window scale in whole percent (truncated) is the argument.
bool ScalePercentIs(const EditionProfile&, const MenuInputs& in, int percent);
// The directory levels without their sign are the argument (15: all); a
// negative sign is a directories-only scan.
bool LevelsAre(const EditionProfile&, const MenuInputs& in, int levels);
bool DirectoriesOnly(const EditionProfile&, const MenuInputs& in, int);
// The sort direction has the argument's sign.
bool DirectionIs(const EditionProfile&, const MenuInputs& in, int direction);
// The page shown is the cover: 1 for the front cover's command, 2 for the
// back cover's (Dovantel names them the other way round).
bool FrontCoverShown(const EditionProfile&, const MenuInputs& in, int);
bool BackCoverShown(const EditionProfile&, const MenuInputs& in, int);
// Go To Page, on the Page menu and its pop-up alike: only a booklet has
// pages to go to.
bool InBooklet(const EditionProfile&, const MenuInputs& in, int);
// The page buttons: back from page 2 on; on while a page follows (a
// booklet always has one).
bool PageBefore(const EditionProfile&, const MenuInputs& in, int);
bool PageAfter(const EditionProfile&, const MenuInputs& in, int);
// "+" and "-": a column more up to the edition's most (Wimbrook 5, the
// others 7), a column fewer down to none.
bool ColumnsCanGrow(const EditionProfile& edition, const MenuInputs& in, int);
bool ColumnsCanShrink(const EditionProfile&, const MenuInputs& in, int);
