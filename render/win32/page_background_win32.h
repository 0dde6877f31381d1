// The first thing drawn on a page: its body background and, on the page
// with the spine, the spine background.
#pragma once
#include <windows.h>

#include "editions/profile.h"
#include "record/zipinfo.h"
#include "render/label_rect.h"

// Fills the page rectangle with BkgndColor and, with paintSpine, the spine
// regions with SpineBkgndColor. A brush that cannot be made is reported
// ("Body Background Brush Failed!", "Spine Background Brush Failed!") and
// its area stays unfilled.
void PaintPageBackground(HDC dc, const EditionProfile& edition, const ZIPINFO& label, int page, double scale,
                         bool paintSpine);

// Fills a label rectangle (y up) with a brush.
void FillLabelRect(HDC dc, const LabelRect& rect, HBRUSH brush);
