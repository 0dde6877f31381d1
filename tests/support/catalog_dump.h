// A catalog tree as one line of text, for compact assertions:
// name|comment for each entry, a child list in braces, entries joined by
// ", ". Example: "docs|[dir]{a.txt|12}, b.zip|1K{}".
#pragma once
#include <cstring>
#include <string>

#include "record/zipinfo.h"

inline std::string DumpCatalog(const ZIPINFO* list) {
    std::string out;
    for (int i = 0; list && i < list->NumEntries; ++i) {
        const CatalogEntry& e = list->Entries[i];
        if (i) out += ", ";
        out += std::string(e.Name) + "|" + e.EntryComment;
        if (e.HasSubtree == 1) out += "{" + DumpCatalog(e.Child) + "}";
    }
    return out;
}

inline const CatalogEntry* FindEntry(const ZIPINFO* list, const char* name) {
    for (int i = 0; list && i < list->NumEntries; ++i)
        if (std::strcmp(list->Entries[i].Name, name) == 0) return &list->Entries[i];
    return nullptr;
}
