// libFuzzer target: path folding over catalogs built from the input. Each
// line is an entry name (cut to 63 characters); a line starting with '>'
// gives the entry before it a child list that the following lines fill, up
// to a line starting with '<'. Afterwards no plain entry may hold a path
// separator, no plain entry may be lost, and the tree must free cleanly.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "catalog/fold_paths.h"
#include "base/text_field.h"

namespace {

struct Node {
    std::string name;
    bool folder = false;
    std::vector<Node> children;
};

ZIPINFO* Build(const std::vector<Node>& nodes) {
    ZIPINFO* list = NewCatalogList();
    list->NumEntries = static_cast<int32_t>(nodes.size());
    list->Entries = NewEntries(list->NumEntries, "fuzz");
    for (size_t i = 0; i < nodes.size(); ++i) {
        CatalogEntry& e = list->Entries[i];
        CopyField(e.Name, nodes[i].name.c_str());
        e.Size = static_cast<uint32_t>(i);
        if (nodes[i].folder) {
            e.HasSubtree = 1;
            e.Child = Build(nodes[i].children);
        }
    }
    return list;
}

// Plain entries of the tree; aborts on a plain entry that still holds a separator.
size_t CheckAndCount(const ZIPINFO* list, int depth) {
    if (depth > 200 || list->NumEntries < 0 || (list->NumEntries > 0 && !list->Entries)) std::abort();
    size_t plain = 0;
    for (int i = 0; i < list->NumEntries; ++i) {
        const CatalogEntry& e = list->Entries[i];
        if (strnlen(e.Name, sizeof e.Name) >= sizeof e.Name) std::abort();
        if (e.HasSubtree == 1) {
            if (e.Child) plain += CheckAndCount(e.Child, depth + 1);
        } else {
            if (std::strchr(e.Name, '\\') || std::strchr(e.Name, '/')) std::abort();
            ++plain;
        }
    }
    return plain;
}

size_t CountPlain(const std::vector<Node>& nodes) {
    size_t plain = 0;
    for (const Node& n : nodes) plain += n.folder ? CountPlain(n.children) : 1;
    return plain;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<Node> root;
    std::vector<std::vector<Node>*> stack = {&root};
    std::string text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        std::vector<Node>& current = *stack.back();
        if (!line.empty() && line[0] == '>' && !current.empty() && stack.size() < 40) {
            current.back().folder = true;
            stack.push_back(&current.back().children);
        } else if (!line.empty() && line[0] == '<' && stack.size() > 1) {
            stack.pop_back();
        } else {
            current.push_back(Node{line.substr(0, line.find('\0')).substr(0, 63), false, {}});
        }
    }
    ZIPINFO* list = Build(root);
    FoldArchivePaths(list);
    if (CheckAndCount(list, 0) != CountPlain(root)) std::abort();
    DeleteCatalogList(list);
    return 0;
}
