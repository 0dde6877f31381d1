// Where the parts of a spine go: the two logo boxes ("Initials" above the
// "Number" box), the title area, the lines across the strip at the number
// box's edges and the strip's long edges, with the rotation of each text.
//
// Kestrin's spine is a vertical strip: logo texts upright, the title
// running down (rotation 90). Dovantel's tray card has two vertical
// strips; their logo texts run along the strip like the title. Its left
// spine reads top to bottom; with "Opposed Spine" the right spine is
// turned 180 degrees against it (logo at the bottom, reading bottom to
// top), without it both read alike. Wimbrook's spine is a horizontal strip
// below the page 1 body: the logo boxes sit side by side at its left end
// and every text reads left to right; opposed, the boxes go to the right
// end and the texts are turned 180 degrees.
#pragma once
#include "editions/profile.h"
#include "render/label_rect.h"

struct LabelSegment {
    int32_t x1, y1, x2, y2;
};

struct SpinePlan {
    LabelRect strip;         // the spine region, scaled and shifted
    bool logo;               // the logo boxes are drawn
    LabelRect initialsBox;   // "Initials", first logo font
    LabelRect numberBox;     // "Number" on the grey or purple box, second logo font
    int logoRotation;        // 0, 90, 180, 270
    LabelSegment dividers[2];// across the strip at the number box's edges
    LabelRect title;         // where VolumeName is drawn
    int titleRotation;
    LabelSegment edges[2];   // the strip's two long edges
};

// The logo fonts of the edition (tenths of a point): Arial regular and
// Arial bold. Wimbrook's 0.12 in strip takes 8 pt for both.
struct SpineLogoSizes {
    int initials;
    int number;
};
SpineLogoSizes SpineLogoFontSizes(const EditionProfile& edition);

// Plans of the spines of a page (strips already scaled by the scale and
// shifted by the label's origin, as SpineRectsAt gives them). Returns the
// number of plans written (the number of strips, at most 2).
int PlanSpines(const EditionProfile& edition, const LabelRect* strips, int count, double scale, bool showLogo,
               bool opposed, SpinePlan* plans);

// TextAlign along the spine for "SpineAlign" (0 left, 1 centre, 2
// right), centred across it.
int SpineTitleAlign(int spineAlign);
