// Laying the catalog out on one page: entries down each column then
// across, cells under text-pushing objects skipped, tree lines, ruled
// lines, the size column, column separators and the comment at the foot
// of page 1. The walk is the same cell geometry page capacity counts with,
// so what a page shows and where the next page starts always agree. The
// device is reached through a painter of four calls, which the GDI glue
// supplies (render/win32/catalog_layout_win32.h) and tests replace.
#pragma once
#include <cstdint>

#include "editions/profile.h"
#include "record/zipinfo.h"
#include "render/label_rect.h"
#include "render/text_layout.h"

// The font and colour an item is drawn in: the three main styles, or an
// extension style's index (0 and up).
enum CatalogStyle { STYLE_FILE = -1, STYLE_FOLDER = -2, STYLE_COMMENT = -3 };

// The pens of the layout: grey tree lines, thin black rules and separators.
enum CatalogPen { PEN_TREE = 0, PEN_RULE = 1 };

struct CatalogPainter {
    void* context;
    void (*selectStyle)(void* context, int style);
    // Extent of a text in the selected style; false when it cannot be measured.
    bool (*measure)(void* context, const char* text, int length, TextExtent* out);
    // One text in a rectangle (MyDrawText, no rotation), never drawn beyond
    // the body region (CatalogDrawBody). width: the text's
    // width when the walk has measured it in the selected style, else -1.
    void (*text)(void* context, const char* text, int length, const LabelRect& rect, int align, int32_t width);
    void (*line)(void* context, int pen, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
};

struct CatalogPass {
    const EditionProfile* edition;
    ZIPINFO* label;
    LabelRect body;           // the page's catalog body region at true size, page-relative
    double scale;             // 1.0 full size and paper, 0.5 spread view
    int32_t originX, originY; // the page's LabelOrigin
    int page;
    int firstEntry;           // index of the first entry the page shows
    const char* comment;      // the comment with its macros expanded; null for none
};

// The body region the pass draws in: scaled and shifted by the origin.
LabelRect CatalogDrawBody(const CatalogPass& pass);

// Whether the pass draws the comment: page 1, ShowComm on, at least one
// column, and a text to draw.
bool PassShowsComment(const CatalogPass& pass);

// Lays the page out through the painter; returns the number of entries
// drawn. Rows, blocked cells and separators are decided on the true-size
// geometry (as the capacity count does) and drawn at the pass's scale.
int LayOutCatalog(const CatalogPass& pass, const CatalogPainter& painter);

// Characters of the entry's name that are drawn: the whole name with
// ShowExt, else the part before its last dot (a name that is nothing but
// an extension, like ".profile", is drawn whole).
int ShownNameLength(const CatalogEntry& entry, int nameLength, int showExt);

// The style an entry is drawn in (see CatalogStyle).
int EntryStyle(const ZIPINFO* label, const CatalogEntry& entry, int extStyle);
