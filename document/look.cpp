#include "document/look.h"

#include <cstdlib>
#include <cstring>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "base/text_field.h"
#include "document/look_schema.h"

void MarkFontUnset(FontDesc* font, const DefaultFont& wanted) {
    std::memset(font, 0, sizeof *font);
    font->lfHeight = -1;
    font->lfWeight = (wanted.styleBits & 1) ? 700 : 0;
    font->lfItalic = (wanted.styleBits & 2) ? 1 : 0;
    font->lfUnderline = (wanted.styleBits & 4) ? 1 : 0;
    font->lfStrikeOut = (wanted.styleBits & 8) ? 1 : 0;
    CopyField(font->lfFaceName, wanted.face);
}

void ResetLook(ZIPINFO* label, const EditionProfile& edition) {
    for (int i = 0; i < kLookFieldCount; ++i) {
        const LookField& f = kLookSchema[i];
        if (!(f.carry & CARRY_RESET)) continue;
        if (f.kind == LOOK_STYLES) {
            PutStyles(label, nullptr, 0);
            continue;
        }
        FieldRef field = f.at(*label);
        switch (f.kind) {
        case LOOK_FONT:
            MarkFontUnset(static_cast<FontDesc*>(field.at), DefaultLabelFont(f.slot, edition));
            break;
        case LOOK_TEXT:
            CopyText(static_cast<char*>(field.at), static_cast<size_t>(field.size), f.reset.text[edition.id]);
            break;
        default: *static_cast<int32_t*>(field.at) = f.reset.number[edition.id]; break;
        }
    }
    SortCatalog(label);
    InvalidateLayout(label);
}

void ResetAllLooks(const EditionProfile& edition, ScanSettings* scan, ZIPINFO* labels, int count) {
    scan->DispSub = 1;
    for (int i = 0; i < count; ++i) ResetLook(&labels[i], edition);
}
