#include "render/spine_layout.h"

#include "render/catalog_geometry.h"
#include "render/text_layout.h"

namespace {

// A vertical strip: the logo at the top (bottom when opposed), the title
// below it; lines across are horizontal.
SpinePlan VerticalPlan(const LabelRect& r, int32_t q, int32_t margin, bool logo, bool opposed) {
    SpinePlan p = {};
    p.strip = r;
    p.logo = logo;
    int32_t boxes = logo ? 2 * q : 0;
    if (!opposed) {
        p.initialsBox = {r.left, r.top, r.right, r.top - q};
        p.numberBox = {r.left, r.top - q, r.right, r.top - 2 * q};
        p.title = {r.left + 2, r.top - boxes - margin, r.right - 2, r.bottom + margin};
    } else {
        p.initialsBox = {r.left, r.bottom + q, r.right, r.bottom};
        p.numberBox = {r.left, r.bottom + 2 * q, r.right, r.bottom + q};
        p.title = {r.left + 2, r.top - margin, r.right - 2, r.bottom + boxes + margin};
    }
    p.dividers[0] = {r.left, p.numberBox.top, r.right, p.numberBox.top};
    p.dividers[1] = {r.left, p.numberBox.bottom, r.right, p.numberBox.bottom};
    p.edges[0] = {r.left, r.top, r.left, r.bottom};
    p.edges[1] = {r.right - 1, r.top, r.right - 1, r.bottom};
    return p;
}

// A horizontal strip: the logo at the left end (right end when opposed),
// the title beside it; lines across are vertical.
SpinePlan HorizontalPlan(const LabelRect& r, int32_t q, int32_t margin, bool logo, bool opposed) {
    SpinePlan p = {};
    p.strip = r;
    p.logo = logo;
    int32_t boxes = logo ? 2 * q : 0;
    if (!opposed) {
        p.initialsBox = {r.left, r.top, r.left + q, r.bottom};
        p.numberBox = {r.left + q, r.top, r.left + 2 * q, r.bottom};
        p.title = {r.left + boxes + margin, r.top - 2, r.right - margin, r.bottom + 2};
    } else {
        p.initialsBox = {r.right - q, r.top, r.right, r.bottom};
        p.numberBox = {r.right - 2 * q, r.top, r.right - q, r.bottom};
        p.title = {r.left + margin, r.top - 2, r.right - boxes - margin, r.bottom + 2};
    }
    p.dividers[0] = {p.numberBox.left, r.top, p.numberBox.left, r.bottom};
    p.dividers[1] = {p.numberBox.right, r.top, p.numberBox.right, r.bottom};
    p.edges[0] = {r.left, r.top, r.right, r.top};
    p.edges[1] = {r.left, r.bottom + 1, r.right, r.bottom + 1};
    return p;
}

}  // namespace

SpineLogoSizes SpineLogoFontSizes(const EditionProfile& edition) {
    if (edition.id == EDITION_WIMBROOK) return {80, 80};
    return {140, 100};
}

int PlanSpines(const EditionProfile& edition, const LabelRect* strips, int count, double scale, bool showLogo,
               bool opposed, SpinePlan* plans) {
    if (count > 2) count = 2;
    int32_t q = TruncUnits(30 * scale) + TruncUnits(7 * scale);
    int32_t margin = TruncUnits(8 * scale);
    for (int i = 0; i < count; ++i) {
        SpinePlan& p = plans[i];
        switch (edition.id) {
        case EDITION_WIMBROOK:
            p = HorizontalPlan(strips[i], q, margin, showLogo, opposed);
            p.logoRotation = p.titleRotation = opposed ? 180 : 0;
            break;
        case EDITION_DOVANTEL: {
            // The right spine is the one turned against the left.
            bool turned = opposed && i == 1;
            p = VerticalPlan(strips[i], q, margin, showLogo, turned);
            p.logoRotation = p.titleRotation = turned ? 270 : 90;
            break;
        }
        case EDITION_KESTRIN:
        default:
            p = VerticalPlan(strips[i], q, margin, showLogo, opposed);
            p.logoRotation = opposed ? 180 : 0;
            p.titleRotation = opposed ? 270 : 90;
            break;
        }
    }
    return count < 0 ? 0 : count;
}

int SpineTitleAlign(int spineAlign) {
    int along = spineAlign == 1 ? TEXT_HCENTER : spineAlign == 2 ? TEXT_RIGHT : TEXT_LEFT_TOP;
    return along | TEXT_VCENTER;
}
