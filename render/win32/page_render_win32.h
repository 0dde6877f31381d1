// The one drawing entry point for a page of a label, used alike by the main
// window's painting and by printing: backgrounds, objects below the label,
// the spine, the catalog, the booklet page number, objects on and above the
// label, and the outline.
//
// The caller sets the label mapping on the device first (SetLabelMapping:
// the window scale on screen, 1.0 on a printer) and places the page, either
// through the shell's PageOrigin (its view) or with an explicit origin
// (DrawPageAt: print placement, sheet grids, test pictures).
#pragma once
#include <windows.h>

#include "editions/profile.h"
#include "record/zipinfo.h"
#include "render/label_geometry.h"

struct PageDrawing {
    const EditionProfile* edition;
    int kind;             // LabelKind: KIND_COVERS, KIND_BOOKLET, KIND_SHEET
    int page;             // 1 and 2 the covers, 3 and up booklet pages
    int fullSize;         // 1: scale 1.0 (full-size view, paper); 0: spread view at 0.5
    bool onPaper;         // a "Border" of 5 leaves no line on paper, a light grey one on screen
    int border;           // "Border" 0 to 5
    const char* initials; // spine logo texts ("Initials", "Number")
    const char* number;
    double windowScale = 1.0;  // the label mapping's scale (1.0 on paper)
    GeometrySettings geometry = {};  // "SideMargin" and "OrigPosition": Wimbrook's body inset
};

// Draws the page at the label's LabelOrigin and PageSize (set by PageOrigin
// or PlacePage before).
void DrawPage(HDC dc, ZIPINFO* label, const PageDrawing& how);

// Sets the label's LabelOrigin to (x, y) and PageSize to the page's size
// for the drawing's kind.
void PlacePage(ZIPINFO* label, const PageDrawing& how, int32_t x, int32_t y);

// PlacePage, then DrawPage.
void DrawPageAt(HDC dc, ZIPINFO* label, const PageDrawing& how, int32_t x, int32_t y);

// The page's outline in a "Border" style (0 to 5) at the label's LabelOrigin
// and PageSize, drawn at the given scale.
void DrawPageBorder(HDC dc, const ZIPINFO& label, double scale, int borderStyle, bool onPaper);
