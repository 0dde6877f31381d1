// Where a page lies in the main window's drawing space. Every page of a
// label shares its record's LabelOrigin and PageSize, so the shell sets
// them for a page right before it draws or hit-tests that page.
//
// The main window's drawing origin (x 7, y -6 below the toolbar, in the
// shell's view) is the top-left of the space the label is drawn in; the
// edition's window origin of the label is measured from the same corner as
// that origin's (7, -6) is, so the label starts at the edition's offset
// below the toolbar whatever its height.
#pragma once
#include "editions/profile.h"
#include "record/zipinfo.h"
#include "render/label_rect.h"

// The label's base origin for a drawing origin.
LabelPoint LabelBaseOrigin(const EditionProfile& edition, int drawOriginX, int drawOriginY);

// Sets LabelOriginX/Y and PageWidth/PageHeight for the page in the given
// view (fullSize 1: one page at scale 1; 0: the spread at half scale).
void PageOriginFor(ZIPINFO* label, const EditionProfile& edition, int kind, int page, int fullSize,
                   int drawOriginX, int drawOriginY);
