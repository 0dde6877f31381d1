// What the menus and the toolbar show for the current state: check marks,
// enabled items and pressed buttons, computed from plain inputs so that the
// rules are testable without a window.
#pragma once
#include <vector>

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

struct ItemCheck {
    int command;
    bool checked;
};

// Check marks of the menu bar (not the object menus).
std::vector<ItemCheck> MenuBarChecks(const EditionProfile& edition, const MenuInputs& in);

// The Body and Spine pop-ups' check marks.
std::vector<ItemCheck> BodyPopupChecks(const MenuInputs& in);
std::vector<ItemCheck> SpinePopupChecks(const MenuInputs& in);

// Layer checks of a selected object, and a selected string's own checks.
std::vector<ItemCheck> LayerChecks(int layer);
std::vector<ItemCheck> StringChecks(const MenuInputs& in);

struct ToolbarStates {
    bool zoomPressed;
    bool previousEnabled;
    bool nextEnabled;
    bool sizesPressed;
    bool extensionsPressed;
    bool fewerColumnsEnabled;
    bool moreColumnsEnabled;
};

ToolbarStates ComputeToolbarStates(const EditionProfile& edition, const MenuInputs& in);

// "&Go To Page..." is usable only in the booklet kind.
bool GoToPageEnabled(const MenuInputs& in);
