#include "render/catalog_layout.h"

#include <algorithm>
#include <cstring>

#include "base/text_compare.h"
#include "catalog/catalog_ops.h"
#include "render/catalog_geometry.h"
#include "render/layout_cache.h"

namespace {

int AlignOf(int32_t align) {
    switch (align) {
    case 1:
        return TEXT_HCENTER;
    case 2:
        return TEXT_RIGHT;
    default:
        return TEXT_LEFT_TOP;
    }
}

struct Walk {
    const CatalogPass& pass;
    const CatalogPainter& painter;
    const LayoutCache& cache;
    double s;
    LabelRect body;  // as drawn
    int style = 0x7FFFFFFF;  // none selected yet

    void Select(int wanted) {
        if (wanted == style) return;
        style = wanted;
        painter.selectStyle(painter.context, wanted);
    }

    // Lines never leave the body: a row pitch taller than the space above
    // the first row would take tree lines and separators above it.
    void Line(int pen, double x1, double y1, double x2, double y2) {
        auto clampX = [&](double x) { return std::clamp(TruncUnits(x), body.left, body.right); };
        auto clampY = [&](double y) { return std::clamp(TruncUnits(y), body.bottom, body.top); };
        painter.line(painter.context, pen, clampX(x1), clampY(y1), clampX(x2), clampY(y2));
    }

    // Tree lines of the row in the cell; returns the name cell's left edge.
    // Levels that would not fit in the cell are not drawn.
    int32_t TreeLines(int row, const LabelRect& cell) {
        int depth = cache.depth[row];
        int d = depth < 0 ? -depth : depth;
        if (d == 0) return cell.left;
        uint32_t mask = cache.ancestorMask[row];
        int32_t step = TruncUnits(11 * s);
        if (step <= 0) step = 1;
        int32_t x = cell.left;
        double top = cell.top - 3 * s, bottom = cell.bottom - 1 * s;
        for (int level = 1; level < d; ++level) {
            if (x + step > cell.right) return cell.right;
            if (level < kMaskLevels && (mask & (1u << level))) Line(PEN_TREE, x + 3 * s, top, x + 3 * s, bottom);
            x += step;
        }
        if (x + step > cell.right) return cell.right;
        // The connector: down to the middle and across; an entry with more
        // after it in its list carries the line on down (one stroke).
        double middle = (static_cast<double>(cell.top) + cell.bottom) / 2;
        Line(PEN_TREE, x + 3 * s, top, x + 3 * s, depth > 0 ? bottom : middle);
        Line(PEN_TREE, x + 3 * s, middle, x + 10 * s, middle);
        return x + step;
    }

    void Entry(int row, const LabelRect& cell) {
        const ZIPINFO* label = pass.label;
        const CatalogEntry& entry = *cache.entry[row];
        // The entry's own font measures its size text: the name cell must
        // leave room for exactly what will be drawn there.
        Select(EntryStyle(label, entry, cache.extStyle[row]));
        LabelRect nameCell = cell;
        int sizeLength = label->ShowSize ? FieldLength(entry.EntryComment, sizeof entry.EntryComment) : 0;
        int32_t sizeWidth = -1;
        if (label->ShowSize) {
            TextExtent size = {0, 0};
            if (sizeLength > 0 && painter.measure(painter.context, entry.EntryComment, sizeLength, &size))
                sizeWidth = size.cx;
            nameCell.right = cell.right - ((sizeWidth > 0 ? sizeWidth : 0) + 5);
        }
        nameCell.left = TreeLines(row, cell);
        int length = ShownNameLength(entry, cache.nameLength[row], label->ShowExt);
        if (length > 0 && nameCell.right > nameCell.left)
            painter.text(painter.context, entry.Name, length, nameCell, AlignOf(entry.Align) | TEXT_BOTTOM, -1);
        if (sizeLength > 0)
            painter.text(painter.context, entry.EntryComment, sizeLength, cell, TEXT_RIGHT | TEXT_BOTTOM, sizeWidth);
    }
};

}  // namespace

LabelRect CatalogDrawBody(const CatalogPass& pass) {
    return ShiftRect(ScaleRect(pass.body, pass.scale), pass.originX, pass.originY);
}

bool PassShowsComment(const CatalogPass& pass) {
    return pass.page == 1 && pass.label->ShowComm && pass.label->Columns > 0 && pass.comment;
}

int ShownNameLength(const CatalogEntry& entry, int nameLength, int showExt) {
    int whole = FieldLength(entry.Name, sizeof entry.Name);
    if (showExt || nameLength <= 0 || nameLength > whole) return whole;
    return nameLength;
}

int EntryStyle(const ZIPINFO* label, const CatalogEntry& entry, int extStyle) {
    if (extStyle >= 0 && extStyle != kNoExtStyle && extStyle < label->NumExtStyles && label->ExtStyles)
        return extStyle;
    return ShownAsFolder(entry) ? STYLE_FOLDER : STYLE_FILE;
}

int LayOutCatalog(const CatalogPass& pass, const CatalogPainter& painter) {
    ZIPINFO* label = pass.label;
    const EditionProfile& edition = *pass.edition;
    int entries = EnsureLayoutCache(label);
    bool commentRow = pass.page == 1 && label->ShowComm;
    ColumnGeometry truth = ComputeColumnGeometry(edition, pass.body, 1.0, label->Columns, label->FontHeight,
                                                 label->DirFontHeight, commentRow);
    ColumnGeometry g = ComputeColumnGeometry(edition, CatalogDrawBody(pass), pass.scale, label->Columns,
                                             label->FontHeight, label->DirFontHeight, commentRow);
    if (g.columns <= 0) return 0;
    // The spread view shows the rows the page holds at true size.
    g.rows = truth.rows;
    const double s = pass.scale;
    Walk walk{pass, painter, label->Layout, s, g.body};
    walk.Select(STYLE_FILE);
    int next = pass.firstEntry < 0 ? 0 : pass.firstEntry;
    int drawn = 0;
    const bool obstacles = HasObstacleOnPage(label, pass.page);
    for (int k = 0; k < g.columns; ++k) {
        double x = ColumnX(g, k);
        for (int r = 0; r < g.rows; ++r) {
            double y = RowY(g, r);
            if (!obstacles || !CellBlocked(label, pass.page, truth, k, r, 0, 0)) {
                if (next < entries) {
                    walk.Entry(next++, CellRect(g, k, r));
                    ++drawn;
                }
                if (label->Lined) walk.Line(PEN_RULE, x, y, x + g.width, y);
            }
            if (k == 0) continue;
            // The separator left of the column, where no object covers it.
            if (obstacles) {
                LabelRect cell = CellRect(truth, k, r);
                double xs = ColumnX(truth, k) - truth.gap;
                LabelRect strip = {TruncUnits(xs - 2), cell.top, TruncUnits(xs + 2), cell.bottom};
                if (AreaBlocked(label, pass.page, strip, 1.0, 0, 0)) continue;
            }
            double sx = x - g.gap;
            double bottom = r == g.rows - 1 ? y - 5 * s : y;
            double top = r == 0 ? y + 3 * s + g.pitch : y + g.pitch;
            walk.Line(PEN_RULE, sx, bottom, sx, top);
        }
    }
    if (PassShowsComment(pass)) {
        LabelRect body = g.body;
        LabelRect rect = {body.left + 2, TruncUnits(RowY(g, g.rows) + 5 * s) - 2, body.right - 2, body.bottom + 2};
        walk.Select(STYLE_COMMENT);
        int length = static_cast<int>(std::strlen(pass.comment));
        if (length > 0) painter.text(painter.context, pass.comment, length, rect, TEXT_HCENTER | TEXT_VCENTER, -1);
    }
    return drawn;
}
