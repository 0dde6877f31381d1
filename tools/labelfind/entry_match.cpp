#include "tools/labelfind/entry_match.h"

#include "base/text_compare.h"
#include "catalog/catalog_ops.h"

namespace {

// Whether the piece of the pattern (folded, no stars in it) matches the
// text there.
bool PieceAt(const char* piece, size_t size, const char* text) {
    for (size_t i = 0; i < size; ++i)
        if (piece[i] != '?' && piece[i] != static_cast<char>(FoldNameByte(static_cast<unsigned char>(text[i]))))
            return false;
    return true;
}

}  // namespace

Wildcard MakeWildcard(const std::string& pattern) {
    Wildcard w;
    w.text = pattern;
    for (char& c : w.text) c = static_cast<char>(FoldNameByte(static_cast<unsigned char>(c)));
    w.firstStar = pattern.find('*');
    w.lastStar = pattern.rfind('*');
    return w;
}

bool WildcardMatch(const Wildcard& pattern, std::string_view text) {
    // The pieces between the stars: the first must begin the text, the
    // last end it, and those between are taken where each is first found,
    // which leaves the most room to the pieces after it.
    const char* p = pattern.text.data();
    const char* t = text.data();
    size_t firstStar = pattern.firstStar, lastStar = pattern.lastStar;
    if (firstStar == std::string::npos) return pattern.text.size() == text.size() && PieceAt(p, text.size(), t);
    size_t tailSize = pattern.text.size() - lastStar - 1;
    if (firstStar + tailSize > text.size() || !PieceAt(p + lastStar + 1, tailSize, t + text.size() - tailSize) ||
        !PieceAt(p, firstStar, t))
        return false;
    size_t at = firstStar, end = text.size() - tailSize;
    for (size_t start = firstStar + 1; start < lastStar;) {
        size_t next = pattern.text.find('*', start), size = next - start;
        while (at + size <= end && !PieceAt(p + start, size, t + at)) ++at;
        if (at + size > end) return false;
        at += size;
        start = next + 1;
    }
    return true;
}

std::string_view FieldText(const char* field, size_t size) {
    return std::string_view(field, static_cast<size_t>(FieldLength(field, size)));
}

std::string_view EntryName(const CatalogEntry& entry) { return FieldText(entry.Name, sizeof entry.Name); }

bool EntryMatches(const EntryFilter& filter, const CatalogEntry& entry, std::string_view name, std::string_view path) {
    if (!(filter.files && filter.folders) && !(ShownAsFolder(entry) ? filter.folders : filter.files)) return false;
    if (entry.Size < filter.minSize || entry.Size > filter.maxSize) return false;
    if (WildcardMatch(filter.pattern, filter.wholePath ? path : name)) return true;
    if (!filter.comments) return false;
    return WildcardMatch(filter.pattern, FieldText(entry.EntryComment, sizeof entry.EntryComment));
}
