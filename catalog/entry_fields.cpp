#include "catalog/entry_fields.h"

#include "catalog/text_compare.h"
#include "catalog/text_field.h"

EntryFields FieldsOfEntry(const CatalogEntry& entry) {
    EntryFields f;
    f.name.assign(entry.Name, static_cast<size_t>(FieldLength(entry.Name, sizeof entry.Name)));
    f.comment.assign(entry.EntryComment, static_cast<size_t>(FieldLength(entry.EntryComment, sizeof entry.EntryComment)));
    f.size = std::to_string(entry.Size);
    f.align = entry.Align >= 0 && entry.Align <= 2 ? entry.Align : 0;
    return f;
}

bool ParseEntrySize(const std::string& text, uint32_t* size) {
    if (text.empty()) return false;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value > 0xFFFFFFFFu) return false;
    }
    *size = static_cast<uint32_t>(value);
    return true;
}

EntryFieldsStatus StoreEntryFields(const EntryFields& fields, CatalogEntry* entry) {
    if (fields.name.empty()) return ENTRY_NAME_EMPTY;
    if (fields.name.size() > kEntryNameChars) return ENTRY_NAME_TOO_LONG;
    if (fields.comment.size() > kEntryCommentChars) return ENTRY_COMMENT_TOO_LONG;
    uint32_t size = entry->Size;
    if (!fields.size.empty() && !ParseEntrySize(fields.size, &size)) return ENTRY_SIZE_NOT_A_NUMBER;
    CopyField(entry->Name, fields.name.c_str());
    CopyField(entry->EntryComment, fields.comment.c_str());
    entry->Size = size;
    entry->Align = fields.align >= 0 && fields.align <= 2 ? fields.align : 0;
    return ENTRY_FIELDS_OK;
}

const char* EntryFieldsMessage(EntryFieldsStatus status) {
    switch (status) {
    case ENTRY_NAME_EMPTY: return "Please give the entry a name.";
    case ENTRY_NAME_TOO_LONG: return "A name holds at most 63 characters.";
    case ENTRY_COMMENT_TOO_LONG: return "A comment holds at most 15 characters.";
    case ENTRY_SIZE_NOT_A_NUMBER: return "The size must be a whole number from 0 to 4294967295.";
    default: return "";
    }
}
