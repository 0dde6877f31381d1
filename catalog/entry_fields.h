// The Change File dialog's record: one catalog entry's name, comment, size
// and alignment as the dialog shows them, checked before they are stored.
#pragma once
#include <cstdint>
#include <string>

#include "catalog/zipinfo.h"

struct EntryFields {
    std::string name;
    std::string comment;
    std::string size;  // unsigned decimal
    int align;         // 0 left, 1 centre, 2 right
};

// Longest texts the entry's fields hold, and the size's digits.
constexpr int kEntryNameChars = 63;
constexpr int kEntryCommentChars = 15;
constexpr int kEntrySizeDigits = 10;  // 4294967295

EntryFields FieldsOfEntry(const CatalogEntry& entry);

enum EntryFieldsStatus {
    ENTRY_FIELDS_OK = 0,
    ENTRY_NAME_EMPTY,
    ENTRY_NAME_TOO_LONG,
    ENTRY_COMMENT_TOO_LONG,
    ENTRY_SIZE_NOT_A_NUMBER,  // not digits, or past 4294967295
};

// Stores the fields into the entry when all of them are sound; otherwise
// the entry is left as it was. An empty size keeps the entry's size.
EntryFieldsStatus StoreEntryFields(const EntryFields& fields, CatalogEntry* entry);

// What the dialog tells the user about a refused field.
const char* EntryFieldsMessage(EntryFieldsStatus status);

// A size as typed: digits only, 0 to 4294967295. False for anything else
// (an empty text too).
bool ParseEntrySize(const std::string& text, uint32_t* size);
