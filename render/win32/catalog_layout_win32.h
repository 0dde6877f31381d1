// The catalog of one page drawn on a GDI device: the label's fonts made at
// the drawing scale, the layout's pens (kept for the run), and the walk of
// render/catalog_layout.h painted with MyDrawText and lines. Nothing is
// drawn outside the page's body region.
#pragma once
#include <windows.h>

#include "editions/profile.h"
#include "record/zipinfo.h"
#include "render/label_geometry.h"

// Lays out and draws the page's catalog at the scale (1.0 full size and
// paper, 0.5 spread view) from the entry firstEntry, at the label's
// LabelOrigin, with the comment text (macros already expanded; null for
// none). The device's font, pen, text colour, background mode and clip
// are restored. Returns the number of entries drawn.
int LayOutPage(HDC dc, const EditionProfile& edition, const GeometrySettings& geometry, int kind, ZIPINFO* label,
               int page, double scale, int firstEntry, const char* comment);
