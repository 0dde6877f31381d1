// The program's state as the menu rules see it.
#pragma once
#include "record/zipinfo.h"
#include "shell/menu_state.h"

// From the view state, the scan settings, the program settings, the given
// label's look and, when something is selected, its element 0.
MenuInputs GatherMenuInputs(const ZIPINFO* label);
