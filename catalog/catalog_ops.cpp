#include "catalog/catalog_ops.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <vector>

#include "base/text_compare.h"
#include "base/report.h"

namespace {


void SortList(ZIPINFO* list, int sortMode, int direction) {
    list->SortMode = sortMode;
    list->Direction = direction;
    if (list->NumEntries > 1 && list->Entries && sortMode >= 1 && sortMode <= 3) {
        // The order is found on indexes and the entries (100 bytes each)
        // moved once; equal names keep the order they were read in.
        const CatalogEntry* entries = list->Entries;
        std::vector<int> order(static_cast<size_t>(list->NumEntries));
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [entries, sortMode, direction](int a, int b) {
            return CompareEntries(entries[a], entries[b], sortMode, direction) < 0;
        });
        std::vector<CatalogEntry> sorted(order.size());
        for (size_t i = 0; i < order.size(); ++i) sorted[i] = entries[order[i]];
        std::memcpy(list->Entries, sorted.data(), sizeof(CatalogEntry) * sorted.size());
    }
    for (int i = 0; i < list->NumEntries; ++i)
        if (list->Entries[i].Child) SortList(list->Entries[i].Child, sortMode, direction);
}

void CountTree(const ZIPINFO* list, int32_t* files, int32_t* folders) {
    for (int i = 0; i < list->NumEntries; ++i) {
        const CatalogEntry& e = list->Entries[i];
        if (e.HasSubtree == 1) {
            ++*folders;
            if (e.Child) CountTree(e.Child, files, folders);
        } else {
            ++*files;
        }
    }
}

}  // namespace

ZIPINFO* NewCatalogList() {
    // Zero-filled, LayoutValid too: the new list has no layout yet.
    auto* list = static_cast<ZIPINFO*>(std::calloc(1, sizeof(ZIPINFO)));
    if (!list) FatalError("Can't allocate ZIPINFO, exiting Verrick");
    return list;
}

CatalogEntry* NewEntries(int count, const char* failureMessage) {
    if (count <= 0) return nullptr;
    auto* entries = static_cast<CatalogEntry*>(std::calloc(static_cast<size_t>(count), sizeof(CatalogEntry)));
    if (!entries) FatalError(failureMessage);
    return entries;
}

void FreeCatalog(ZIPINFO* list) {
    if (!list) return;
    for (int i = 0; i < list->NumEntries && list->Entries; ++i) {
        CatalogEntry& e = list->Entries[i];
        if (e.Child) {
            DeleteCatalogList(e.Child);
            e.Child = nullptr;
        }
    }
    std::free(list->Entries);
    list->Entries = nullptr;
    list->NumEntries = 0;
    InvalidateLayout(list);
}

void DeleteCatalogList(ZIPINFO* list) {
    if (!list) return;
    FreeCatalog(list);
    std::free(list);
}

namespace {

CatalogAllocHook g_allocHook = nullptr;

void* AllocateForCopy(size_t bytes) { return g_allocHook ? g_allocHook(bytes) : std::malloc(bytes); }

}  // namespace

void SetCatalogAllocHook(CatalogAllocHook hook) { g_allocHook = hook; }

ZIPINFO* TryDuplicateCatalog(const ZIPINFO* list) {
    auto* copy = static_cast<ZIPINFO*>(AllocateForCopy(sizeof(ZIPINFO)));
    if (!copy) return nullptr;
    std::memcpy(copy, list, sizeof(ZIPINFO));
    // The copy is a catalog list only: nothing else is shared.
    copy->NumObjects = 0;
    copy->Objects = nullptr;
    copy->NumExtStyles = 0;
    copy->ExtStyles = nullptr;
    std::memset(&copy->Layout, 0, sizeof copy->Layout);
    InvalidateLayout(copy);
    copy->Entries = nullptr;
    copy->NumEntries = 0;
    if (list->NumEntries <= 0 || !list->Entries) return copy;
    copy->Entries = static_cast<CatalogEntry*>(
        AllocateForCopy(sizeof(CatalogEntry) * static_cast<size_t>(list->NumEntries)));
    if (!copy->Entries) {
        std::free(copy);
        return nullptr;
    }
    std::memcpy(copy->Entries, list->Entries, sizeof(CatalogEntry) * static_cast<size_t>(list->NumEntries));
    // Children not copied yet hold no pointer, so a failure part way frees
    // exactly what was made.
    for (int i = 0; i < list->NumEntries; ++i) copy->Entries[i].Child = nullptr;
    copy->NumEntries = list->NumEntries;
    for (int i = 0; i < copy->NumEntries; ++i) {
        const CatalogEntry& from = list->Entries[i];
        if (from.HasSubtree != 1 || !from.Child) continue;
        copy->Entries[i].Child = TryDuplicateCatalog(from.Child);
        if (!copy->Entries[i].Child) {
            DeleteCatalogList(copy);
            return nullptr;
        }
    }
    return copy;
}

ZIPINFO* DuplicateCatalog(const ZIPINFO* list) {
    ZIPINFO* copy = TryDuplicateCatalog(list);
    if (!copy) FatalError("Can't allocate duplicate ZIPINFO, exiting Verrick");
    return copy;
}

bool ShownAsFolder(const CatalogEntry& entry) {
    return entry.HasSubtree || std::strncmp(entry.EntryComment, "[dir]", sizeof entry.EntryComment) == 0;
}

void RecountCatalog(ZIPINFO* label) {
    label->NumFiles = 0;
    label->NumFolders = 0;
    CountTree(label, &label->NumFiles, &label->NumFolders);
}

int CompareEntries(const CatalogEntry& a, const CatalogEntry& b, int sortMode, int direction) {
    // Only the sign of the direction counts: a value read from a file must
    // not overflow the multiplication.
    direction = (direction > 0) - (direction < 0);
    int result = 0;
    switch (sortMode) {
    case 1:
        return CompareNoCase(a.Name, b.Name) * direction;
    case 2:
        result = CompareNoCase(ExtensionOf(a.Name), ExtensionOf(b.Name)) * direction;
        return result != 0 ? result : CompareNoCase(a.Name, b.Name) * direction;
    case 3:
        if (a.Size != b.Size) return (a.Size < b.Size ? -1 : 1) * direction;
        return CompareNoCase(a.Name, b.Name) * direction;
    default:
        return 0;
    }
}

void SortCatalog(ZIPINFO* label) {
    SortList(label, label->SortMode, label->Direction);
    InvalidateLayout(label);
}

const char* ExtensionOf(const char* name) {
    const char* dot = std::strrchr(name, '.');
    return dot ? dot + 1 : name + std::strlen(name);
}

void SetOpenAll(ZIPINFO* list, int value) {
    if (!list) return;
    for (int i = 0; i < list->NumEntries; ++i) {
        list->Entries[i].Open = value;
        if (list->Entries[i].Child) SetOpenAll(list->Entries[i].Child, value);
    }
    InvalidateLayout(list);
}

void FreeLayoutCache(LayoutCache* cache) {
    std::free(cache->entry);
    std::free(cache->depth);
    std::free(cache->ancestorMask);
    std::free(cache->nameLength);
    std::free(cache->extStyle);
    std::memset(cache, 0, sizeof *cache);
}
