// The label coordinate system on a device: hundredths of an inch with y
// growing upward, stretched by a scale (the window scale on screen, 1.0 on
// paper).
#pragma once
#include <windows.h>

// Anisotropic mapping built from the device's logical pixels per inch, so
// that one logical unit is 0.01 inch times the scale.
void SetLabelMapping(HDC dc, double scale);

// Logical (label) units of one device pixel length under SetLabelMapping.
int PixelsToLabelUnits(HDC dc, int pixels, double scale);
