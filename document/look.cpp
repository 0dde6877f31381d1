#include "document/look.h"

#include <cstdlib>
#include <cstring>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "base/text_field.h"

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
    MarkFontUnset(&label->Font, DefaultLabelFont(FONT_FILES, edition));
    MarkFontUnset(&label->DirFont, DefaultLabelFont(FONT_FOLDERS, edition));
    MarkFontUnset(&label->CommFont, DefaultLabelFont(FONT_COMMENT, edition));
    MarkFontUnset(&label->SpineFont, DefaultLabelFont(FONT_SPINE, edition));

    label->Columns = 3;
    label->Opposing = edition.id == EDITION_DOVANTEL ? 1 : 0;
    label->Lined = 1;
    label->SortMode = 1;
    label->Direction = 1;
    label->ShowSize = edition.id == EDITION_WIMBROOK ? 0 : 1;
    label->ShowExt = 1;
    label->ShowComm = edition.id == EDITION_WIMBROOK ? 0 : 1;
    label->ShowZip = 1;
    label->LblFmt = 0;
    label->BkgndColor = kWhite;
    label->FontColor = 0;
    label->DirFontColor = 0;
    label->CommFontColor = 0;
    label->SpineFontColor = 0;
    label->SpineBkgndColor = kWhite;
    label->SpineAlign = 0;
    label->ZipColor = 0;
    CopyField(label->Comment, kDefaultComment);

    std::free(label->ExtStyles);
    label->ExtStyles = nullptr;
    label->NumExtStyles = 0;

    SortCatalog(label);
    InvalidateLayout(label);
}

void ResetAllLooks(const EditionProfile& edition, ScanSettings* scan, ZIPINFO* labels, int count) {
    scan->DispSub = 1;
    for (int i = 0; i < count; ++i) ResetLook(&labels[i], edition);
}
