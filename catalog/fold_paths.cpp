#include "catalog/fold_paths.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalog/catalog_ops.h"
#include "base/text_field.h"
#include "base/report.h"

namespace {

std::string FoldedKey(const char* name, size_t length) {
    std::string key(name, length);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

// The first separator of a name: a backslash anywhere, or else a slash.
const char* SeparatorOf(const char* name) {
    const char* sep = std::strchr(name, '\\');
    return sep ? sep : std::strchr(name, '/');
}

bool IsMoved(const CatalogEntry& e) { return e.HasSubtree != 1 && SeparatorOf(e.Name) != nullptr; }

void AppendEntries(CatalogEntry* folder, const std::vector<CatalogEntry>& moved) {
    if (!folder->Child) folder->Child = NewCatalogList();
    ZIPINFO* child = folder->Child;
    size_t total = static_cast<size_t>(child->NumEntries) + moved.size();
    auto* entries = static_cast<CatalogEntry*>(std::realloc(child->Entries, total * sizeof(CatalogEntry)));
    if (!entries) FatalError(kGrowFailure);
    std::memcpy(entries + child->NumEntries, moved.data(), moved.size() * sizeof(CatalogEntry));
    child->Entries = entries;
    child->NumEntries = static_cast<int32_t>(total);
    InvalidateLayout(child);
}

void FoldList(ZIPINFO* list) {
    const int count = list->Entries ? list->NumEntries : 0;
    int movedCount = 0;
    for (int i = 0; i < count; ++i)
        if (IsMoved(list->Entries[i])) ++movedCount;

    if (movedCount > 0) {
        // Where each remaining entry ends up, and the folders of the list
        // (first of each name wins) that moved entries can join.
        std::unordered_map<std::string, int> folderAt;
        int kept = 0;
        for (int i = 0; i < count; ++i) {
            const CatalogEntry& e = list->Entries[i];
            if (IsMoved(e)) continue;
            if (e.HasSubtree == 1) folderAt.emplace(FoldedKey(e.Name, std::strlen(e.Name)), kept);
            ++kept;
        }
        std::vector<CatalogEntry> newFolders;
        std::vector<std::vector<CatalogEntry>> movedInto(static_cast<size_t>(kept));
        for (int i = 0; i < count; ++i) {
            const CatalogEntry& e = list->Entries[i];
            if (!IsMoved(e)) continue;
            const char* sep = SeparatorOf(e.Name);
            size_t folderLength = static_cast<size_t>(sep - e.Name);
            auto found = folderAt.emplace(FoldedKey(e.Name, folderLength), kept + static_cast<int>(newFolders.size()));
            if (found.second) {
                CatalogEntry folder = {};
                std::memcpy(folder.Name, e.Name, folderLength);
                CopyField(folder.EntryComment, "[dir]");
                folder.HasSubtree = 1;
                folder.Open = 1;
                folder.Child = NewCatalogList();
                newFolders.push_back(folder);
                movedInto.emplace_back();
            }
            CatalogEntry moved = e;
            CopyField(moved.Name, sep + 1);
            movedInto[static_cast<size_t>(found.first->second)].push_back(moved);
        }

        int total = kept + static_cast<int>(newFolders.size());
        CatalogEntry* entries = NewEntries(total, kGrowFailure);
        int at = 0;
        for (int i = 0; i < count; ++i)
            if (!IsMoved(list->Entries[i])) entries[at++] = list->Entries[i];
        for (const CatalogEntry& folder : newFolders) entries[at++] = folder;
        std::free(list->Entries);
        list->Entries = entries;
        list->NumEntries = total;
        InvalidateLayout(list);
        for (int i = 0; i < total; ++i)
            if (!movedInto[static_cast<size_t>(i)].empty()) AppendEntries(&entries[i], movedInto[static_cast<size_t>(i)]);
    }

    for (int i = 0; i < list->NumEntries; ++i) {
        CatalogEntry& e = list->Entries[i];
        if (e.HasSubtree == 1 && e.Child) FoldList(e.Child);
    }
}

}  // namespace

void FoldArchivePaths(ZIPINFO* label) {
    FoldList(label);
    InvalidateLayout(label);
}
