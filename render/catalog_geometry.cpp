#include "render/catalog_geometry.h"

#include <algorithm>
#include <cmath>

bool HasObstacleOnPage(const ZIPINFO* label, int page) {
    for (int i = 0; i < label->NumObjects && label->Objects; ++i) {
        const ObjectRecord& rec = label->Objects[i].rec;
        if (rec.Layer == LAYER_ABOVE && rec.Page == page) return true;
    }
    return false;
}

int32_t TruncUnits(double value) {
    if (!(value > INT32_MIN) || !(value < INT32_MAX)) return value > 0 ? INT32_MAX : INT32_MIN;
    return static_cast<int32_t>(value);
}

ColumnGeometry ComputeColumnGeometry(const EditionProfile& edition, const LabelRect& body, double scale,
                                     int columns, int fontHeight, int dirFontHeight, bool commentRow) {
    ColumnGeometry g = {};
    g.body = body;
    g.scale = scale;
    g.columns = std::clamp(columns, 0, kMaxColumns);
    g.pitch = (std::max(fontHeight, dirFontHeight) + 1.0) * scale;
    if (g.pitch > 0) {
        double rows = std::floor((static_cast<double>(body.top) - body.bottom - 25 * scale) / g.pitch + 0.5);
        g.rows = rows > 0 ? (rows < 100000 ? static_cast<int>(rows) : 100000) : 0;
        if (commentRow && g.rows > 0) --g.rows;
    }
    bool narrowGap = edition.id == EDITION_WIMBROOK || g.columns >= 3;
    g.gap = TruncUnits((narrowGap ? 5 : 10) * scale) * scale;
    if (g.columns > 0)
        g.width = (static_cast<double>(body.right) - body.left - g.columns * 2 * g.gap) / g.columns;
    return g;
}

double ColumnX(const ColumnGeometry& g, int column) { return g.body.left + g.gap + column * (g.width + 2 * g.gap); }

double RowY(const ColumnGeometry& g, int row) { return g.body.top - 25 * g.scale - row * g.pitch; }

LabelRect CellRect(const ColumnGeometry& g, int column, int row) {
    double x = ColumnX(g, column), y = RowY(g, row);
    // The cell reaches from just below the line up one row pitch.
    return {TruncUnits(x + g.scale), TruncUnits(y + g.pitch) + 2, TruncUnits(x + g.width - g.scale), TruncUnits(y - g.scale)};
}

bool AreaBlocked(const ZIPINFO* label, int page, const LabelRect& area, double scale, int32_t originX,
                 int32_t originY) {
    LabelRect relative = ShiftRect(area, -originX, -originY);
    for (int i = 0; i < label->NumObjects && label->Objects; ++i) {
        const ObjectRecord& rec = label->Objects[i].rec;
        if (rec.Layer != LAYER_ABOVE || rec.Page != page) continue;
        LabelRect object = ScaleRect({rec.Left, rec.Top, rec.Right, rec.Bottom}, scale);
        if (RectsOverlap(relative, object)) return true;
    }
    return false;
}

bool CellBlocked(const ZIPINFO* label, int page, const ColumnGeometry& g, int column, int row, int32_t originX,
                 int32_t originY) {
    LabelRect cell = CellRect(g, column, row);
    cell.left -= 1;
    cell.right += 1;
    return AreaBlocked(label, page, cell, g.scale, originX, originY);
}

int PageCapacity(const ZIPINFO* label, const EditionProfile& edition, const LabelRect& body, double scale,
                 int columns, int page) {
    ColumnGeometry g = ComputeColumnGeometry(edition, body, scale, columns, label->FontHeight,
                                             label->DirFontHeight, page == 1 && label->ShowComm);
    if (g.columns <= 0 || g.rows <= 0) return 0;
    if (!HasObstacleOnPage(label, page)) return g.columns * g.rows;
    int free = 0;
    for (int k = 0; k < g.columns; ++k)
        for (int r = 0; r < g.rows; ++r)
            if (!CellBlocked(label, page, g, k, r, 0, 0)) ++free;
    return free;
}
