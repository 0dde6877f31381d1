// Where the catalog's cells lie on a body region: the row pitch, rows per
// column, column gap and width, each cell's rectangle, the test for cells
// covered by placed objects that push text aside, and the number of
// entries a page can hold.
#pragma once
#include "editions/profile.h"
#include "record/zipinfo.h"
#include "render/label_rect.h"

constexpr int kMaxColumns = 7;

struct ColumnGeometry {
    LabelRect body;  // the body region the geometry was made for
    double scale;
    int columns;     // 0 to 7
    double pitch;    // row pitch P
    int rows;        // rows per column R
    double gap;      // half the space between two columns, g
    double width;    // column width w
};

// Geometry of the columns on a body region (already scaled by the drawing
// scale and shifted by the label's origin). commentRow: the page shows the
// comment below the columns, which takes one row. A pitch of 0 or less
// gives no rows at all.
ColumnGeometry ComputeColumnGeometry(const EditionProfile& edition, const LabelRect& body, double scale,
                                     int columns, int fontHeight, int dirFontHeight, bool commentRow);

// A coordinate of the geometry truncated toward zero to a label unit
// (clamped to the 32-bit range).
int32_t TruncUnits(double value);

// Left edge of column k, x(k).
double ColumnX(const ColumnGeometry& geometry, int column);
// Line row r stands on, y(r).
double RowY(const ColumnGeometry& geometry, int row);
// The text cell of column k, row r.
LabelRect CellRect(const ColumnGeometry& geometry, int column, int row);

// Whether any placed object above the label lies on the page: without
// one, no cell or separator of the page is blocked.
bool HasObstacleOnPage(const ZIPINFO* label, int page);

// Whether an area (in the same coordinates as the body region) overlaps a
// placed object above the label on this page. Object rectangles are
// multiplied by the scale and compared relative to the label's origin.
bool AreaBlocked(const ZIPINFO* label, int page, const LabelRect& area, double scale, int32_t originX,
                 int32_t originY);

// Whether the cell is blocked: the cell widened by one unit on each side.
bool CellBlocked(const ZIPINFO* label, int page, const ColumnGeometry& geometry, int column, int row,
                 int32_t originX, int32_t originY);

// Cells of the page that are free of text-pushing objects, for the label's
// own line heights and comment switch. The body region is relative to the
// page (origin 0, 0) and already scaled. No columns: 0.
int PageCapacity(const ZIPINFO* label, const EditionProfile& edition, const LabelRect& body, double scale,
                 int columns, int page);
