#include "render/page_flow.h"

#include "render/catalog_geometry.h"
#include "render/label_geometry.h"
#include "render/layout_cache.h"

namespace {

// Capacity of the page's body region with no objects at all: what every
// later page of the same kind holds.
int FreeCapacity(const ZIPINFO* label, const EditionProfile& edition, const GeometrySettings& geometry, int kind,
                 int page) {
    LabelRect body;
    if (!CatalogBodyRegion(edition, geometry, kind, page, &body)) return 0;
    ColumnGeometry g = ComputeColumnGeometry(edition, body, 1.0, label->Columns, label->FontHeight,
                                             label->DirFontHeight, page == 1 && label->ShowComm);
    return g.columns * g.rows;
}

// First page whose capacity counts toward later pages in a booklet: in
// Kestrin page 1 only when it carries entries under the label's format
// (not under format 5, nor under a covers format a booklet was loaded with).
int FirstFlowPage(const ZIPINFO* label, const EditionProfile& edition) {
    if (edition.id == EDITION_DOVANTEL) return 2;
    return PageCarriesEntries(edition, label->LblFmt, KIND_BOOKLET, 1) ? 1 : 2;
}

}  // namespace

int PageCapacityAt(const ZIPINFO* label, const EditionProfile& edition, const GeometrySettings& geometry, int kind,
                   int page) {
    bool booklet = IsBookletKind(edition, kind);
    if (page < 1 || (!booklet && page > 2) || page > kMaxPage) return 0;
    LabelRect body;
    if (!CatalogBodyRegion(edition, geometry, kind, page, &body)) return 0;
    return PageCapacity(label, edition, body, 1.0, label->Columns, page);
}

int FirstEntryOfPage(const ZIPINFO* label, const EditionProfile& edition, const GeometrySettings& geometry, int kind,
                     int page) {
    if (edition.id == EDITION_WIMBROOK) {
        int start = 0;
        for (int p = 1; p < page && p <= 2; ++p) start += PageCapacityAt(label, edition, geometry, kind, p);
        return start;
    }
    if (!IsBookletKind(edition, kind)) {
        if (label->LblFmt == 0 && page == 1) return PageCapacityAt(label, edition, geometry, kind, 2);
        if (label->LblFmt == 1 && page == 2) return PageCapacityAt(label, edition, geometry, kind, 1);
        return 0;
    }
    int first = FirstFlowPage(label, edition);
    if (page <= first) return 0;
    int64_t start = 0;
    for (int p = first; p < page && p <= kMaxPage; ++p) start += PageCapacityAt(label, edition, geometry, kind, p);
    return start > INT32_MAX ? INT32_MAX : static_cast<int>(start);
}

int BookletSheetCount(ZIPINFO* label, const EditionProfile& edition, const GeometrySettings& geometry, int kind,
                      bool singleSheet) {
    if (singleSheet) return 1;
    int sheets = 1;
    if (IsBookletKind(edition, kind) && label->Columns > 0) {
        int entries = EnsureLayoutCache(label);
        int64_t running = FirstEntryOfPage(label, edition, geometry, kind, 3);
        // A pair of pages that holds nothing can only be followed by more of
        // the same unless objects make a difference; with no room on either
        // kind of page no number of sheets would hold the entries.
        bool roomSomewhere =
            FreeCapacity(label, edition, geometry, kind, 3) + FreeCapacity(label, edition, geometry, kind, 4) > 0;
        for (int odd = 3; entries >= running && odd + 1 <= kMaxPage && roomSomewhere; odd += 2) {
            running += PageCapacityAt(label, edition, geometry, kind, odd) +
                       PageCapacityAt(label, edition, geometry, kind, odd + 1);
            ++sheets;
        }
    }
    for (int i = 0; i < label->NumObjects && label->Objects; ++i) {
        int page = label->Objects[i].rec.Page;
        if (page > kMaxPage) page = kMaxPage;
        int needed = (page + 1) / 2;
        if (needed > sheets) sheets = needed;
    }
    return sheets;
}
