// The arithmetic of LabelFont, which makes a font of a point size the same
// size relative to the label on every device and at every window scale,
// and the table of the label fonts' defaults.
#pragma once
#include <cstdint>

#include "editions/profile.h"
#include "record/font_desc.h"

// Style bits of LabelFont.
enum LabelFontStyle { FONT_BOLD = 1, FONT_ITALIC = 2, FONT_UNDERLINE = 4, FONT_STRIKEOUT = 8 };

// A size in tenths of a point scaled by the window scale, truncated.
int32_t ScaledFontSize(int32_t tenths, double windowScale);

// Device pixels (in tenths) of a size in tenths of a point: ppi x size / 72.
int32_t FontSizeToDevice(int pixelsPerInch, int32_t size);

// Physical pixels per inch: pixels x 25.4 / millimetres (0 when unknown).
int PhysicalPixelsPerInch(int pixels, int millimetres);

// lfHeight for a logical height in tenths: -(|h| x 0.1 + 0.5), truncated.
int32_t FontHeightFromLogical(int32_t logicalHeight);

// lfWidth that keeps the requested aspect: |width| x average character
// width / |height| + 0.5, truncated; 0 when the height is 0.
int32_t CorrectedFontWidth(int32_t logicalWidth, int32_t averageCharWidth, int32_t logicalHeight);

// The logical font LabelFont creates, before the width correction.
FontDesc LabelFontDesc(const char* face, int32_t height, int32_t width, int style, int escapement);

// The four main fonts of a label.
enum LabelFontSlot { FONT_FILES = 0, FONT_FOLDERS, FONT_COMMENT, FONT_SPINE };

// A default font as the text output builds it: face, size in tenths of a
// point, LabelFontStyle bits.
struct DefaultFont {
    const char* face;
    int tenthsOfPoint;
    int styleBits;
};

// Files and comment Arial 8 pt, folders Arial 8 pt bold, spine Arial 14 pt;
// Wimbrook's spine is a 0.12 in strip and takes Arial 8 pt bold.
DefaultFont DefaultLabelFont(LabelFontSlot slot, const EditionProfile& edition);
