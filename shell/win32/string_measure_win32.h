// Measuring placed strings for auto-size on the main window's drawing
// surface, in label units at the window scale.
#pragma once

void InstallStringMeasureHook();
