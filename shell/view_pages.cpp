#include "shell/view_pages.h"

#include "catalog/labels.h"
#include "render/label_geometry.h"
#include "shell/view_state.h"

bool PageExists(int kind, int page) {
    if (kind == KIND_BOOKLET) return page >= 1 && page <= kMaxPage;
    return page == 1 || page == 2;
}

int PageInRange(int kind, int page) {
    if (PageExists(kind, page)) return page;
    if (kind == KIND_BOOKLET && page > kMaxPage) return kMaxPage;
    return 1;
}

int LabelInRange(const EditionProfile& edition, int kind, int label) {
    if (edition.id != EDITION_WIMBROOK || kind != KIND_SHEET) return 0;
    int last = edition.labelCount < kMaxLabels ? edition.labelCount - 1 : kMaxLabels - 1;
    return (label < 0 || label > last) ? 0 : label;
}

bool BringViewIntoRange(const EditionProfile& edition) {
    int page = PageInRange(g_view.labelKind, g_view.currentPage);
    int label = LabelInRange(edition, g_view.labelKind, g_view.currentLabel);
    bool changed = page != g_view.currentPage || label != g_view.currentLabel ||
                   g_currentLabel != &g_labelRecords[label];
    g_view.currentPage = page;
    g_view.currentLabel = label;
    g_currentLabel = &g_labelRecords[label];
    return changed;
}
