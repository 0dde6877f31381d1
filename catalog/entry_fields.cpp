#include "catalog/entry_fields.h"

#include "base/text_compare.h"
#include "base/text_field.h"

namespace {

enum SizeText { SIZE_NONE, SIZE_READ, SIZE_OUT_OF_RANGE };

// Blanks, a sign and the digits after them, as "%ld" reads them.
SizeText ReadSize(const std::string& text, uint32_t* size) {
    size_t at = text.find_first_not_of(" \t\r\n");
    if (at == std::string::npos) return SIZE_NONE;
    bool negative = text[at] == '-';
    if (text[at] == '-' || text[at] == '+') ++at;
    uint64_t value = 0;
    size_t digits = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, ++digits) {
        value = value * 10 + static_cast<uint64_t>(text[at] - '0');
        if (value > 0xFFFFFFFFu) return SIZE_OUT_OF_RANGE;
    }
    if (digits == 0) return SIZE_NONE;
    if (negative && value != 0) return SIZE_OUT_OF_RANGE;
    *size = static_cast<uint32_t>(value);
    return SIZE_READ;
}

}  // namespace

EntryFields FieldsOfEntry(const CatalogEntry& entry) {
    EntryFields f;
    f.name.assign(entry.Name, static_cast<size_t>(FieldLength(entry.Name, sizeof entry.Name)));
    f.comment.assign(entry.EntryComment, static_cast<size_t>(FieldLength(entry.EntryComment, sizeof entry.EntryComment)));
    f.size = std::to_string(entry.Size);
    f.align = entry.Align >= 0 && entry.Align <= 2 ? entry.Align : 0;
    return f;
}

bool StoreEntryFields(const EntryFields& fields, CatalogEntry* entry) {
    uint32_t size = entry->Size;
    if (ReadSize(fields.size, &size) == SIZE_OUT_OF_RANGE) return false;
    CopyField(entry->Name, fields.name.c_str());
    CopyField(entry->EntryComment, fields.comment.c_str());
    entry->Size = size;
    entry->Align = fields.align >= 0 && fields.align <= 2 ? fields.align : 0;
    return true;
}
