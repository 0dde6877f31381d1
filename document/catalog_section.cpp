#include "document/catalog_section.h"

#include <cstdlib>

#include "document/settings_bounds.h"

namespace {

// Two empty texts and four one-digit numbers.
constexpr size_t kMinEntryBytes = 2 + 2 + 4 * 2;

}  // namespace

bool ReadCatalogList(LineReader* r, ZIPINFO* list, int depth) {
    int32_t count = 0;
    if (depth > kMaxCatalogDepth || !ReadInt(r, &count) || !CountFits(*r, count, kMinEntryBytes)) return false;
    if (count == 0) return true;
    // Allocated here rather than by the catalog's helpers: a file must
    // never make the program end for want of memory.
    auto* entries = static_cast<CatalogEntry*>(std::calloc(static_cast<size_t>(count), sizeof(CatalogEntry)));
    if (!entries) return false;
    list->Entries = entries;
    list->NumEntries = count;
    for (int i = 0; i < count; ++i) {
        CatalogEntry& e = entries[i];
        uint32_t size = 0;
        int32_t subtree = 0;
        if (!ReadDotText(r, e.Name, sizeof e.Name) || !ReadDotText(r, e.EntryComment, sizeof e.EntryComment) ||
            !ReadColor(r, &size) || !ReadInt(r, &subtree) || !ReadInt(r, &e.Open) || !ReadInt(r, &e.Align))
            return false;
        e.Size = size;
        e.HasSubtree = Switch01(subtree);
        e.Open = Switch01(e.Open);
        e.Align = ClampInt(e.Align, 0, 2);
        if (e.HasSubtree) {
            // Zero-filled, LayoutValid too: no layout yet.
            e.Child = static_cast<ZIPINFO*>(std::calloc(1, sizeof(ZIPINFO)));
            if (!e.Child || !ReadCatalogList(r, e.Child, depth + 1)) return false;
        }
    }
    return true;
}

bool PutCatalogList(std::string* out, const ZIPINFO& list, int depth) {
    if (depth > kMaxCatalogDepth) return false;
    int count = list.Entries ? list.NumEntries : 0;
    PutNumber(out, count);
    for (int i = 0; i < count; ++i) {
        const CatalogEntry& e = list.Entries[i];
        PutDotText(out, e.Name, sizeof e.Name);
        PutDotText(out, e.EntryComment, sizeof e.EntryComment);
        PutNumber(out, static_cast<int32_t>(e.Size));
        PutNumber(out, e.HasSubtree ? 1 : 0);
        PutNumber(out, e.Open);
        PutNumber(out, e.Align);
        if (!e.HasSubtree) continue;
        if (e.Child) {
            if (!PutCatalogList(out, *e.Child, depth + 1)) return false;
        } else {
            PutNumber(out, 0);  // a folder whose list was never made: an empty one
        }
    }
    return true;
}
