// The arithmetic of text output: splitting a text into lines, placing each
// line in a rectangle for an alignment and one of four rotations, and the
// measuring and drawing steps of MyDrawText over a device given as three
// calls, which the GDI glue supplies (and tests replace).
#pragma once
#include <cstdint>

#include "render/label_rect.h"

// TextAlign bits, the values of the GDI DrawText flags. Centre wins over
// right and over bottom when both are given.
enum TextAlignBits {
    TEXT_LEFT_TOP = 0,
    TEXT_HCENTER = 1,
    TEXT_RIGHT = 2,
    TEXT_VCENTER = 4,
    TEXT_BOTTOM = 8,
};

struct TextExtent {
    int32_t cx;  // along the baseline
    int32_t cy;  // height
};

struct TextLine {
    int start;
    int length;
};

// The length of a text given as a length or -1 (up to its terminator).
int TextLengthOf(const char* text, int length);

// Lines of a text: 1 plus its line feeds.
int CountTextLines(const char* text, int length);

// The line starting at *pos (0 for the first); advances *pos past its line
// feed. A line ends at a line feed; a carriage return right before it is
// not part of the line. False when there is no further line.
bool NextTextLine(const char* text, int length, int* pos, TextLine* line);

// Where a line starts along the text direction (x at 0 and 180 degrees, y
// at 90 and 270) for its width, and where the block of lines starts across
// it for the block's height.
int32_t AlongStart(const LabelRect& rect, int align, int rotation, int32_t lineWidth);
int32_t AcrossStart(const LabelRect& rect, int align, int rotation, int32_t blockHeight);

// Reference point (top-left corner of the text cell in the text's own
// direction) of line lineIndex of a block.
LabelPoint LineReference(const LabelRect& rect, int align, int rotation, int32_t lineWidth, int32_t blockHeight,
                         int lineIndex, int32_t lineHeight);

// Text is clipped 2 units beyond the rectangle on every side.
LabelRect TextClipRect(const LabelRect& rect);

// A device to measure and draw text on.
struct TextDevice {
    void* context;
    // The 32-bit extent call and the older one it falls back to.
    bool (*extent)(void* context, const char* text, int length, TextExtent* out);
    bool (*olderExtent)(void* context, const char* text, int length, TextExtent* out);
    // Draws one line at the reference point, clipped.
    bool (*output)(void* context, int32_t x, int32_t y, const LabelRect& clip, const char* text, int length);
};

// Measures a text (length -1: up to the terminator). At 90 and 270 degrees
// a driver that reports rotated extents already transposed (its "BJC620Bug"
// probe comes back taller than wide) has width and height exchanged back.
// On failure reports "MyDrawText - GetTextExtentPoint failed!".
bool MeasureTextOn(const TextDevice& device, const char* text, int length, int rotation, TextExtent* out);

// MyDrawText on the device: the lines of the text placed in the rectangle
// by alignment and rotation, each clipped to the rectangle grown by 2.
void DrawTextOn(const TextDevice& device, const char* text, int length, const LabelRect& rect, int align,
                int rotation);

// The same for a text whose first line the caller has measured already
// (its width along the text and the line height); null measures it here.
// A caller drawing many texts in one font saves a measurement a text.
void DrawMeasuredTextOn(const TextDevice& device, const char* text, int length, const LabelRect& rect, int align,
                        int rotation, const TextExtent* firstLine);
