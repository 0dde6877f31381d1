// The commands of the "&Image" and "S&tring" menus and of the object
// pop-up menus that act on the selected object. Inserting objects and the
// commands that open a dialog (text, font and colour) are not here.
#pragma once
#include "catalog/zipinfo.h"
#include "document/object_ops.h"

// Whether the command is one of these.
bool IsObjectCommand(int command);

// Carries the command out on element 0 of the label's objects. True when
// it applied (the label is then modified); false when the command needs a
// selection of another kind, nothing is selected, or the object's page has
// no region to size it to.
bool RunObjectCommand(ZIPINFO* label, int command, const PlacementContext& context);
