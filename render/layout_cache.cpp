#include "render/layout_cache.h"

#include <cstdlib>
#include <cstring>

#include "catalog/catalog_ops.h"
#include "base/text_compare.h"
#include "base/report.h"

namespace {

int64_t CountEntries(const ZIPINFO* list) {
    if (!list || !list->Entries || list->NumEntries <= 0) return 0;
    int64_t count = list->NumEntries;
    for (int i = 0; i < list->NumEntries; ++i) {
        const CatalogEntry& entry = list->Entries[i];
        if (entry.HasSubtree) count += CountEntries(entry.Child);
    }
    return count;
}

uint8_t ExtensionStyleOf(const ZIPINFO* label, const char* entryName) {
    char name[sizeof(CatalogEntry::Name) + 1];
    std::memcpy(name, entryName, sizeof(CatalogEntry::Name));
    name[sizeof name - 1] = 0;
    const char* dot = std::strrchr(name, '.');
    if (!dot) return kNoExtStyle;
    uint8_t style = kNoExtStyle;
    for (int i = 0; i < label->NumExtStyles && i < kNoExtStyle && label->ExtStyles; ++i) {
        char ext[sizeof label->ExtStyles[i].ExtName + 1];
        std::memcpy(ext, label->ExtStyles[i].ExtName, sizeof label->ExtStyles[i].ExtName);
        ext[sizeof ext - 1] = 0;
        if (CompareNoCase(dot + 1, ext) == 0) style = static_cast<uint8_t>(i);
    }
    return style;
}

uint8_t NameLengthOf(const char* name) {
    char copy[sizeof(CatalogEntry::Name) + 1];
    std::memcpy(copy, name, sizeof(CatalogEntry::Name));
    copy[sizeof copy - 1] = 0;
    const char* dot = std::strrchr(copy, '.');
    return static_cast<uint8_t>(dot ? dot - copy : static_cast<ptrdiff_t>(std::strlen(copy)));
}

void Walk(const ZIPINFO* label, const ZIPINFO* list, int depth, uint32_t mask, LayoutCache* cache) {
    if (!list || !list->Entries) return;
    int n = list->NumEntries;
    for (int i = 0; i < n && cache->rows < cache->slots; ++i) {
        CatalogEntry* entry = &list->Entries[i];
        int stored = depth > 127 ? 127 : depth;
        int r = cache->rows++;
        cache->entry[r] = entry;
        cache->depth[r] = static_cast<int8_t>(i == n - 1 ? -stored : stored);
        cache->ancestorMask[r] = mask;
        cache->nameLength[r] = NameLengthOf(entry->Name);
        cache->extStyle[r] = ExtensionStyleOf(label, entry->Name);
        if (entry->HasSubtree && entry->Open && entry->Child) {
            uint32_t childMask = mask;
            if (i != n - 1 && depth < kMaskLevels) childMask |= 1u << depth;
            Walk(label, entry->Child, depth + 1, childMask, cache);
        }
    }
}

template <typename T>
T* AllocSlots(int64_t slots) {
    T* p = static_cast<T*>(std::calloc(static_cast<size_t>(slots), sizeof(T)));
    if (!p) FatalError("Can't allocate layout cache, exiting Verrick");
    return p;
}

}  // namespace

void BuildLayoutCache(ZIPINFO* label) {
    FreeLayoutCache(&label->Layout);
    int64_t slots = CountEntries(label) + 1;
    if (slots > INT32_MAX) FatalError("Can't allocate layout cache, exiting Verrick");
    LayoutCache* cache = &label->Layout;
    cache->entry = AllocSlots<CatalogEntry*>(slots);
    cache->depth = AllocSlots<int8_t>(slots);
    cache->ancestorMask = AllocSlots<uint32_t>(slots);
    cache->nameLength = AllocSlots<uint8_t>(slots);
    cache->extStyle = AllocSlots<uint8_t>(slots);
    cache->slots = static_cast<int32_t>(slots);
    cache->rows = 0;
    Walk(label, label, 0, 0, cache);
    label->LayoutValid = 1;
}

int EnsureLayoutCache(ZIPINFO* label) {
    if (!label->LayoutValid || !label->Layout.entry) BuildLayoutCache(label);
    return label->Layout.rows;
}
