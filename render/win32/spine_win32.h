// The spine of page 1: the logo boxes with "Initials" and "Number" and the
// title (VolumeName) in the spine font, on every spine of the edition
// (see render/spine_layout.h for where each part goes).
#pragma once
#include <windows.h>

#include "editions/profile.h"
#include "record/zipinfo.h"

// Draws the spines of the page at the label's LabelOrigin and the scale
// (the label mapping is set at windowScale); nothing on pages without a
// spine. The device's objects, text colour and background mode are
// restored.
void DrawSpine(HDC dc, const EditionProfile& edition, ZIPINFO* label, int page, double scale, double windowScale,
               const char* initials, const char* number);

// The two logo fonts, the purple brush and the spine pen live across
// drawing passes; the fonts are rebuilt when the scale changes and after
// this is called (printing, changed spine settings).
void RequestSpineFontRebuild();
