// Shared by the body and template fuzz targets: what the program does with
// a label it has just read, in every edition (sort, recount, lay out every
// page that shows entries through the core walk, expand the comment), with
// any report of a broken assumption taken as a crash.
#pragma once
#include <cstdlib>

#include "base/report.h"
#include "catalog/catalog_ops.h"
#include "catalog/macros.h"
#include "render/catalog_layout.h"
#include "render/label_geometry.h"
#include "render/layout_cache.h"
#include "render/page_flow.h"
#include "tests/support/fixed_painter.h"

namespace fuzz_label {

inline void Abort(const char*, const char*) { std::abort(); }

// Pages beyond these are the same walk again; the fuzzer's time is better
// spent on other inputs.
constexpr int kPagesWalked = 40;

inline void UseLabel(ZIPINFO* label) {
    SetReportHook(Abort);
    SortCatalog(label);
    RecountCatalog(label);
    char comment[kExpandedCommentSize];
    ExpandMacros(label, comment);
    const GeometrySettings kGeometry = {};
    for (EditionId id : {EDITION_KESTRIN, EDITION_DOVANTEL, EDITION_WIMBROOK}) {
        const EditionProfile& edition = ProfileFor(id);
        int kind = KindAfterLoad(edition, label->LblFmt, id == EDITION_WIMBROOK ? KIND_SHEET : KIND_COVERS);
        int rows = EnsureLayoutCache(label);
        int last = IsBookletKind(edition, kind) ? kPagesWalked : 2;
        for (int page = 1; page <= last; ++page) {
            if (page > 2 && FirstEntryOfPage(label, edition, kGeometry, kind, page) >= rows) break;
            LabelRect body;
            if (!PageCarriesEntries(edition, label->LblFmt, kind, page) ||
                !CatalogBodyRegion(edition, kGeometry, kind, page, &body))
                continue;
            FixedPainter painter;
            CatalogPass pass = {&edition, label, body, 1.0, 0, 0, page,
                                FirstEntryOfPage(label, edition, kGeometry, kind, page), page == 1 ? comment : nullptr};
            LayOutCatalog(pass, painter.Painter());
        }
    }
    SetReportHook(nullptr);
}

}  // namespace fuzz_label
