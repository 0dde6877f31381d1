// Pure arithmetic of the main window: its size in logical units per edition
// and window scale.
#pragma once
#include "editions/profile.h"

struct LogicalSize {
    int width;   // hundredths of an inch, before the window scale
    int height;
};

// Width and height of the label area (menu bar and bars not included).
LogicalSize MainWindowLogicalSize(const EditionProfile& edition, double scale);

// One logical unit is 0.01 inch times the scale: pixels for a given
// resolution, rounded to the nearest pixel as the mapping of the display does.
int LogicalToPixels(int logical, int pixelsPerInch, double scale);

