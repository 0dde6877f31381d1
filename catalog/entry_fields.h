// The Change File dialog's record: one catalog entry's name, comment, size
// and alignment as the dialog shows them, and how OK stores them.
#pragma once
#include <cstdint>
#include <string>

#include "record/zipinfo.h"

struct EntryFields {
    std::string name;
    std::string comment;
    std::string size;  // as typed
    int align;         // 0 left, 1 centre, 2 right
};

// Longest texts the entry's fields hold, and the size's digits.
constexpr int kEntryNameChars = 63;
constexpr int kEntryCommentChars = 15;
constexpr int kEntrySizeDigits = 10;  // 4294967295

EntryFields FieldsOfEntry(const CatalogEntry& entry);

// OK: the name and comment cut to their fields (an empty name too), the
// size read as a decimal number ("12abc" is 12; a field holding no number
// leaves the size as it was), the alignment. False, with the entry left
// as it was, when the number lies outside 0 to 4294967295: stored, it
// would wrap.
bool StoreEntryFields(const EntryFields& fields, CatalogEntry* entry);
constexpr const char* kEntrySizeMessage = "The size must be a whole number from 0 to 4294967295.";
