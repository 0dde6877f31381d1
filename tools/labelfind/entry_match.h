// Which catalog entries a search finds: a wildcard over an entry's name or
// its path inside the disk, optionally its comment, then its kind and its
// stored size. Texts are bytes of the bodies' code page.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "record/zipinfo.h"

// A wildcard: '*' any run of bytes ('\' too), '?' one byte, any other
// byte itself with letters compared as the programs compare names when
// they sort (base/text_compare.h). Taken apart once, matched millions of
// times.
struct Wildcard {
    std::string text;  // letters folded as the comparison folds them
    size_t firstStar = std::string::npos;
    size_t lastStar = std::string::npos;
};

Wildcard MakeWildcard(const std::string& pattern);

// Whether the pattern covers the whole text.
bool WildcardMatch(const Wildcard& pattern, std::string_view text);

struct EntryFilter {
    Wildcard pattern;        // in the code page; '\' between the parts of a path
    bool wholePath = false;  // the pattern covers the path inside the disk, not the name
    bool comments = false;   // a comment the pattern covers finds the entry too
    bool files = true;
    bool folders = true;
    int64_t minSize = 0;
    int64_t maxSize = INT64_MAX;
};

// Whether the filter finds the entry, whose path inside the disk ends in
// its name (EntryName); the path is looked at only with wholePath.
bool EntryMatches(const EntryFilter& filter, const CatalogEntry& entry, std::string_view name, std::string_view path);

// A fixed text field up to its terminator; the entry's name.
std::string_view FieldText(const char* field, size_t size);
std::string_view EntryName(const CatalogEntry& entry);
