#include "shell/view_pages.h"

#include "catalog/labels.h"
#include "render/label_geometry.h"
#include "shell/page_clicks.h"
#include "shell/program_records.h"
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
    int label = LabelInRange(edition, g_view.labelKind, CurrentLabelIndex());
    bool changed = page != g_view.currentPage || label != CurrentLabelIndex();
    g_view.currentPage = page;
    MakeLabelCurrent(label);
    return changed;
}

int PageAfterStep(int kind, int page, PageStep step) {
    switch (step) {
    case PAGE_FRONT_COVER:
        return 1;
    case PAGE_BACK_COVER:
        return 2;
    case PAGE_PREVIOUS:
        return page > 1 ? PageInRange(kind, page - 1) : 1;
    case PAGE_NEXT:
        return kind == KIND_BOOKLET ? PageInRange(kind, page < kMaxPage ? page + 1 : kMaxPage) : 2;
    }
    return page;
}

bool PageChangeRepaints(bool halfSize, int oldPage, int newPage, bool selectionCleared) {
    return !halfSize || selectionCleared || SpreadOddPage(oldPage) != SpreadOddPage(newPage);
}

int PageFromEntry(const char* text, int currentPage) {
    const char* c = text ? text : "";
    while (*c == ' ' || *c == '\t') ++c;
    bool negative = *c == '-';
    if (*c == '-' || *c == '+') ++c;
    if (*c < '0' || *c > '9') return currentPage;
    int shown = 0;
    for (; *c >= '0' && *c <= '9'; ++c)
        if (shown <= 999) shown = shown * 10 + (*c - '0');  // saturates: any longer number is past 999
    if (negative) shown = 0;
    return (shown > 999 ? 999 : shown) + 1;
}
