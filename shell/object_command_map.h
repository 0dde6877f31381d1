// The menu, pop-up and key commands that act on the selected object, as
// the document layer's operations.
#pragma once
#include "document/object_commands.h"

// False for any other command.
bool ObjectCommandFor(int command, ObjectCommand* out);
