#include "tools/labelfind/entry_match.h"

#include "base/text_compare.h"
#include "catalog/catalog_ops.h"

bool WildcardMatch(std::string_view pattern, std::string_view text) {
    // One step back to the last star is enough: a later star covers
    // whatever an earlier one would have had to take.
    size_t p = 0, t = 0, star = std::string_view::npos, resume = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = t;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || FoldNameByte(static_cast<unsigned char>(pattern[p])) ==
                                             FoldNameByte(static_cast<unsigned char>(text[t])))) {
            ++p;
            ++t;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::string_view EntryName(const CatalogEntry& entry) {
    return std::string_view(entry.Name, static_cast<size_t>(FieldLength(entry.Name, sizeof entry.Name)));
}

bool EntryMatches(const EntryFilter& filter, const CatalogEntry& entry, std::string_view path) {
    if (!(ShownAsFolder(entry) ? filter.folders : filter.files)) return false;
    if (entry.Size < filter.minSize || entry.Size > filter.maxSize) return false;
    if (WildcardMatch(filter.pattern, filter.wholePath ? path : EntryName(entry))) return true;
    std::string_view comment(entry.EntryComment,
                             static_cast<size_t>(FieldLength(entry.EntryComment, sizeof entry.EntryComment)));
    return filter.comments && WildcardMatch(filter.pattern, comment);
}
