// The arithmetic of drawing a page's layers: where a placed object is drawn,
// how a string's alignments combine, and the pen of the page outline for
// each "Border" style.
#pragma once
#include "record/zipinfo.h"
#include "render/label_rect.h"

// The object's rectangle on the device: its left and top with width
// |right - left| and height -|bottom - top|, all four halved in the spread
// view, shifted by the label's origin.
LabelRect ObjectDrawRect(const ObjectRecord& rec, int fullSize, int32_t originX, int32_t originY);

// TextAlign of a string: horizontal 0, 1, 2 with vertical 0, 1, 2 (top,
// centre, bottom). Values outside 0 to 2 count as 0.
int StringTextAlign(int32_t hAlign, int32_t vAlign);

// A string's rotation: 0, 90, 180 or 270; anything else is drawn upright.
int StringRotation(int32_t orientation);

enum BorderLine { BORDER_SOLID = 0, BORDER_DASH, BORDER_DOT, BORDER_DASHDOT, BORDER_DASHDOTDOT, BORDER_NONE };

struct BorderPen {
    bool draw;
    int line;        // BorderLine
    int width;       // logical units: 1 solid, 0 for the patterned lines
    ColorRef color;
};

// The outline pen for a "Border" value: 0 solid black of width 1; 1 to 4
// dashed, dotted, dash-dot, dash-dot-dot black of width 0; 5 nothing on
// paper and a solid light grey line on screen so the label's edge stays
// visible. A value outside 0 to 5 is taken as 0.
BorderPen BorderPenFor(int border, bool onPaper);
