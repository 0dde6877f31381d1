// The placed pictures and strings of one layer of a page.
#pragma once
#include <windows.h>

#include "record/zipinfo.h"

// Draws the label's objects of the layer (-1 below, 0 on, 1 above the
// label) on the page, from the last list element to element 0, clipped to
// the page as drawn. Pictures are stretched from their whole bitmap;
// strings are boxed or transparent, rotated and aligned. The device's
// objects, colours, modes and clip are restored.
void DrawPlacedObjects(HDC dc, ZIPINFO* label, int layer, int page, int fullSize);
