#include "catalog/tree_rows.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "catalog/catalog_ops.h"
#include "base/text_field.h"

namespace {

bool Shown(const CatalogEntry& e, TreeRowMode mode) {
    return mode == ROWS_ENTRIES || (e.HasSubtree == 1 && e.Child != nullptr);
}

void AppendRows(ZIPINFO* list, int depth, TreeRowMode mode, std::vector<TreeRow>* out) {
    for (int i = 0; i < list->NumEntries; ++i) {
        const CatalogEntry& e = list->Entries[i];
        if (!Shown(e, mode)) continue;
        out->push_back({list, i, depth});
        if (e.HasSubtree == 1 && e.Open && e.Child) AppendRows(e.Child, depth + 1, mode, out);
    }
}

// Renumbers the rows of a list from `from` on after an entry was inserted
// (delta 1) or removed (delta -1) at index `at`.
void Renumber(TreeRows* rows, int from, ZIPINFO* list, int at, int delta) {
    for (size_t j = static_cast<size_t>(from); j < rows->rows.size(); ++j) {
        TreeRow& r = rows->rows[j];
        if (r.list == list && (delta > 0 ? r.index >= at : r.index > at)) r.index += delta;
    }
}

}  // namespace

CatalogEntry& RowEntry(const TreeRow& row) { return row.list->Entries[row.index]; }

void BuildTreeRows(TreeRows* rows, ZIPINFO* root, TreeRowMode mode) {
    rows->mode = mode;
    rows->root = root;
    rows->rows.clear();
    if (root) AppendRows(root, 0, mode, &rows->rows);
}

int RowBlockEnd(const TreeRows& rows, int row) {
    int n = static_cast<int>(rows.rows.size());
    int end = row + 1;
    while (end < n && rows.rows[end].depth > rows.rows[row].depth) ++end;
    return end;
}

bool ToggleRow(TreeRows* rows, int row) {
    TreeRow here = rows->rows[row];
    CatalogEntry& e = RowEntry(here);
    if (e.HasSubtree != 1) return false;
    if (e.Open) {
        e.Open = 0;
        rows->rows.erase(rows->rows.begin() + row + 1, rows->rows.begin() + RowBlockEnd(*rows, row));
        return true;
    }
    // The rows first: when memory runs out the folder stays closed.
    if (e.Child) {
        std::vector<TreeRow> below;
        AppendRows(e.Child, here.depth + 1, rows->mode, &below);
        rows->rows.insert(rows->rows.begin() + row + 1, below.begin(), below.end());
    }
    e.Open = 1;
    return true;
}

int MoveRow(TreeRows* rows, int row, int step) {
    // Only the editor moves entries: there every sibling has a row.
    if (rows->mode != ROWS_ENTRIES) return -1;
    std::vector<TreeRow>& r = rows->rows;
    ZIPINFO* list = r[row].list;
    int index = r[row].index;
    int first, middle, last, moved;
    if (step < 0) {
        if (index == 0) return -1;
        first = row - 1;
        while (r[first].depth > r[row].depth) --first;
        middle = row;
        last = RowBlockEnd(*rows, row);
        moved = first;
    } else {
        if (index + 1 >= list->NumEntries) return -1;
        first = row;
        middle = RowBlockEnd(*rows, row);
        last = RowBlockEnd(*rows, middle);
        moved = row + (last - middle);
    }
    std::rotate(r.begin() + first, r.begin() + middle, r.begin() + last);
    int low = step < 0 ? index - 1 : index;
    std::swap(list->Entries[low], list->Entries[low + 1]);
    // The two blocks' head rows are the only rows of this list among them.
    r[first].index = low;
    r[first + (last - middle)].index = low + 1;
    InvalidateLayout(list);
    return moved;
}

int AddEntryAtRow(TreeRows* rows, int row) {
    bool inList = row >= 0 && row < static_cast<int>(rows->rows.size());
    ZIPINFO* list = inList ? rows->rows[row].list : rows->root;
    int index = inList ? rows->rows[row].index : 0;
    int depth = inList ? rows->rows[row].depth : 0;
    int at = inList ? row : 0;
    // Room for the row first: when memory runs out the list is untouched.
    rows->rows.reserve(rows->rows.size() + 1);
    auto* grown = static_cast<CatalogEntry*>(
        std::realloc(list->Entries, sizeof(CatalogEntry) * static_cast<size_t>(list->NumEntries + 1)));
    if (!grown) return -1;
    list->Entries = grown;
    std::memmove(grown + index + 1, grown + index, sizeof(CatalogEntry) * static_cast<size_t>(list->NumEntries - index));
    CatalogEntry& e = grown[index];
    std::memset(&e, 0, sizeof e);
    CopyField(e.Name, "name");
    CopyField(e.EntryComment, "0K");
    ++list->NumEntries;
    InvalidateLayout(list);
    Renumber(rows, at, list, index, 1);
    rows->rows.insert(rows->rows.begin() + at, TreeRow{list, index, depth});
    return at;
}

void DeleteRow(TreeRows* rows, int row) {
    TreeRow here = rows->rows[row];
    ZIPINFO* list = here.list;
    CatalogEntry& e = RowEntry(here);
    if (e.Child) DeleteCatalogList(e.Child);
    rows->rows.erase(rows->rows.begin() + row, rows->rows.begin() + RowBlockEnd(*rows, row));
    std::memmove(list->Entries + here.index, list->Entries + here.index + 1,
                 sizeof(CatalogEntry) * static_cast<size_t>(list->NumEntries - here.index - 1));
    if (--list->NumEntries == 0) {
        std::free(list->Entries);
        list->Entries = nullptr;
    }
    InvalidateLayout(list);
    Renumber(rows, row, list, here.index, -1);
}

RowIcon RowIconOf(const CatalogEntry& entry) {
    if (entry.HasSubtree == 1) return entry.Open ? ICON_FOLDER_OPEN : ICON_FOLDER_CLOSED;
    return ShownAsFolder(entry) ? ICON_FOLDER_CLOSED : ICON_FILE;
}
