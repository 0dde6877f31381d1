#include "render/page_origin.h"

#include "render/label_geometry.h"

namespace {
// The shell's drawing origin before the toolbar lowers it.
constexpr int kShellOriginX = 7;
constexpr int kShellOriginY = -6;
}  // namespace

LabelPoint LabelBaseOrigin(const EditionProfile& edition, int drawOriginX, int drawOriginY) {
    LabelPoint table = WindowOriginOfLabel(edition);
    return {drawOriginX + (table.x - kShellOriginX), drawOriginY + (table.y - kShellOriginY)};
}

void PageOriginFor(ZIPINFO* label, const EditionProfile& edition, int kind, int page, int fullSize,
                   int drawOriginX, int drawOriginY) {
    LabelSize size = PageSizeFor(edition, kind, page);
    LabelPoint origin = LabelBaseOrigin(edition, drawOriginX, drawOriginY);
    bool even = (page & 1) == 0;
    switch (edition.id) {
    case EDITION_KESTRIN: {
        LabelSize front = PageSizeFor(edition, kind, 1), back = PageSizeFor(edition, kind, 2);
        if (fullSize) {
            // The narrower back cover is centred under the front cover.
            if (even) origin.x += (front.width - back.width) / 2;
        } else {
            // Spread: even page on the left, odd page beside it.
            if (!even) origin.x += back.width / 2;
            origin.x += 20;
            origin.y -= 120;
        }
        break;
    }
    case EDITION_DOVANTEL: {
        LabelSize tray = PageSizeFor(edition, kind, 1);
        if (fullSize) {
            if (page >= 2) origin.x += 60;
        } else {
            // Spread: the two pages one above the other.
            int shift = tray.width / 4;
            if (page == 1) {
                origin.x += shift;
            } else {
                origin.x += shift + 26;
                if (page == 2) origin.y += tray.height / 2 + 1;
                else if (even) origin.y += size.height / 2 + 1;
            }
        }
        break;
    }
    case EDITION_WIMBROOK:
    default:
        // Only the current label is shown, always at full size. A label of
        // the sheet leaves the room on its right to the sheet map; a single
        // label has no map beside it and sits 30 units further right.
        if (kind != KIND_SHEET) origin.x += 30;
        break;
    }
    label->LabelOriginX = origin.x;
    label->LabelOriginY = origin.y;
    label->PageWidth = size.width;
    label->PageHeight = size.height;
}
