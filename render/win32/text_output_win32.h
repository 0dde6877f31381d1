// Text output on a GDI device in the label coordinate system: measuring
// (with the probe for drivers that report rotated extents transposed),
// MyDrawText, LabelFont and a font's cell height.
#pragma once
#include <windows.h>

#include "record/font_desc.h"
#include "render/label_rect.h"
#include "render/text_layout.h"

// Width along the baseline and height of the text as the device reports
// them; false (after "MyDrawText - GetTextExtentPoint failed!") on failure.
bool MeasureText(HDC dc, const char* text, int length, int rotation, TextExtent* out);

// The lines of the text placed in the rectangle by TextAlign bits and
// rotation (0, 90, 180, 270). The caller has selected the font (with the
// matching escapement) and the text colour.
void MyDrawText(HDC dc, const char* text, int length, const LabelRect& rect, int align, int rotation);

// A font of the given size in tenths of a point (width 0: the font's own)
// that has the same size relative to the label on every device and at
// every window scale; the caller has set the label mapping at windowScale
// and owns the font. logicalPixels: use the device's logical pixels per
// inch rather than its physical resolution. copy (optional) receives the
// logical font.
HFONT LabelFont(HDC dc, double windowScale, const char* face, int height, int width, int style, bool logicalPixels,
                int escapement, FontDesc* copy);

// The font's cell height (tmHeight) on the device; 0 when it cannot be made.
int FontLineHeight(HDC dc, const FontDesc& font);

// The device calls of text output, for the core's MeasureTextOn and
// DrawTextOn.
TextDevice GdiTextDevice(HDC dc);

// For a pass that draws many texts: sets once the text state each line
// of MyDrawText is drawn in (left-top alignment without updating the
// current position, no extra character spacing, transparent background);
// the caller restores the device afterwards (SaveDC / RestoreDC).
void SetTextOutputState(HDC dc);
// Device calls whose output relies on that state instead of setting and
// restoring it around every line, and clips every line to the bound as
// well as to its own rectangle. The target must outlive the calls.
struct GdiTextTarget {
    HDC dc;
    LabelRect bound;
    // When the caller knows the next line's extent (0 width: unknown), a
    // line that lies inside its clip is drawn without clipping: the same
    // pixels, for less work. Reset after each line.
    TextExtent knownExtent;
};
TextDevice GdiTextDeviceInState(GdiTextTarget* target);
