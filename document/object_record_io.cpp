#include "document/object_record_io.h"

#include <cstring>
#include <initializer_list>

#include "base/little_endian.h"
#include "document/settings_bounds.h"
#include "render/label_geometry.h"

namespace {

int32_t Word(const uint8_t* p) { return static_cast<int32_t>(Le32(p)); }
void PutWord(uint8_t* p, int32_t v) { PutLe32(p, static_cast<uint32_t>(v)); }

void DecodeFont(const uint8_t* p, FontDesc* f) {
    f->lfHeight = Word(p);
    f->lfWidth = Word(p + 4);
    f->lfEscapement = Word(p + 8);
    f->lfOrientation = Word(p + 12);
    f->lfWeight = Word(p + 16);
    std::memcpy(&f->lfItalic, p + 20, 8);
    std::memcpy(f->lfFaceName, p + 28, sizeof f->lfFaceName);
}

void EncodeFont(const FontDesc& f, uint8_t* p) {
    PutWord(p, f.lfHeight);
    PutWord(p + 4, f.lfWidth);
    PutWord(p + 8, f.lfEscapement);
    PutWord(p + 12, f.lfOrientation);
    PutWord(p + 16, f.lfWeight);
    std::memcpy(p + 20, &f.lfItalic, 8);
    std::memcpy(p + 28, f.lfFaceName, sizeof f.lfFaceName);
    p[28 + sizeof f.lfFaceName - 1] = 0;
}

// Type, page, layer and placement rectangle: the first 28 bytes of every
// record since version 17.
void DecodeHead(const uint8_t* p, ObjectRecord* rec) {
    rec->Type = Word(p);
    rec->Page = Word(p + 4);
    rec->Layer = Word(p + 8);
    rec->Left = Word(p + 12);
    rec->Top = Word(p + 16);
    rec->Right = Word(p + 20);
    rec->Bottom = Word(p + 24);
}

// Name, file header, padding, address words and natural rectangle: bytes
// 28 to 195 of the records since version 17 (0 to 167 in version 16).
void DecodePicture(const uint8_t* p, ObjectRecord* rec) {
    PictureFields& pic = rec->Picture;
    std::memcpy(pic.FileName, p, sizeof pic.FileName);
    std::memcpy(pic.FileHeader, p + 128, sizeof pic.FileHeader);
    pic.NaturalLeft = Word(p + 152);
    pic.NaturalTop = Word(p + 156);
    pic.NaturalRight = Word(p + 160);
    pic.NaturalBottom = Word(p + 164);
}

void DecodeString(const uint8_t* p, size_t textSize, int words, ObjectRecord* rec) {
    std::memcpy(rec->Text, p + 28, textSize);
    const uint8_t* font = p + 28 + textSize;
    DecodeFont(font, &rec->Font);
    const uint8_t* w = font + sizeof(FontDesc);
    rec->TextColor = Le32(w);
    rec->BackColor = Le32(w + 4);
    rec->Orientation = Word(w + 8);
    rec->Filled = Word(w + 12);
    rec->AutoSize = Word(w + 16);
    if (words == 7) {
        rec->HAlign = Word(w + 20);
        rec->VAlign = Word(w + 24);
    } else {
        rec->HAlign = rec->VAlign = 1;  // the older records had no alignment: centred
    }
}

int32_t Coordinate(int32_t v) { return ClampInt(v, -kMaxObjectCoordinate, kMaxObjectCoordinate); }

}  // namespace

size_t ObjectRecordSize(int version) {
    if (version <= 16) return 176;
    if (version < 25) return 236;
    if (version < 40) return 1140;
    return kObjectRecordSize;
}

bool DecodeObjectRecord(const uint8_t* p, int version, ObjectRecord* rec) {
    std::memset(rec, 0, sizeof *rec);
    if (version <= 16) {
        rec->Type = OBJECT_PICTURE;
        DecodePicture(p, rec);
        rec->Left = rec->Picture.NaturalLeft;
        rec->Top = rec->Picture.NaturalTop;
        rec->Right = rec->Picture.NaturalRight;
        rec->Bottom = rec->Picture.NaturalBottom;
        rec->Page = Word(p + 168);
        rec->Layer = Word(p + 172);
    } else {
        DecodeHead(p, rec);
        if (rec->Type == OBJECT_PICTURE) {
            DecodePicture(p + 28, rec);
        } else if (rec->Type == OBJECT_STRING) {
            if (version < 25) {
                DecodeString(p, 128, 5, rec);
            } else if (version < 40) {
                DecodeString(p, 1024, 7, rec);
            } else {
                DecodeString(p, kStringTextSize, 7, rec);
            }
        } else {
            return false;
        }
    }
    SoundObjectRecord(rec);
    return true;
}

void EncodeObjectRecord(const ObjectRecord& rec, uint8_t* out) {
    std::memset(out, 0, kObjectRecordSize);
    const int32_t head[] = {rec.Type, rec.Page, rec.Layer, rec.Left, rec.Top, rec.Right, rec.Bottom};
    for (int i = 0; i < 7; ++i) PutWord(out + 4 * i, head[i]);
    if (rec.Type == OBJECT_PICTURE) {
        const PictureFields& pic = rec.Picture;
        std::memcpy(out + 28, pic.FileName, sizeof pic.FileName - 1);
        std::memcpy(out + 156, pic.FileHeader, sizeof pic.FileHeader);
        PutWord(out + 180, pic.NaturalLeft);
        PutWord(out + 184, pic.NaturalTop);
        PutWord(out + 188, pic.NaturalRight);
        PutWord(out + 192, pic.NaturalBottom);
        return;
    }
    size_t length = strnlen(rec.Text, kStringTextSize - 1);
    std::memcpy(out + 28, rec.Text, length);
    EncodeFont(rec.Font, out + 8220);
    const int32_t words[] = {static_cast<int32_t>(rec.TextColor), static_cast<int32_t>(rec.BackColor),
                             rec.Orientation, rec.Filled, rec.AutoSize, rec.HAlign, rec.VAlign};
    for (int i = 0; i < 7; ++i) PutWord(out + 8280 + 4 * i, words[i]);
}

void SoundObjectRecord(ObjectRecord* rec) {
    rec->Page = ClampInt(rec->Page, 1, kMaxPage);
    rec->Layer = ClampInt(rec->Layer, LAYER_BELOW, LAYER_ABOVE);
    rec->Left = Coordinate(rec->Left);
    rec->Right = Coordinate(rec->Right);
    rec->Top = Coordinate(rec->Top);
    rec->Bottom = Coordinate(rec->Bottom);
    if (rec->Right < rec->Left) rec->Right = rec->Left;
    if (rec->Bottom > rec->Top) rec->Bottom = rec->Top;
    if (rec->Type == OBJECT_PICTURE) {
        rec->Picture.FileName[kPictureNameSize - 1] = '\0';
        return;
    }
    rec->Text[kStringTextSize - 1] = '\0';
    SoundFont(&rec->Font);
    rec->TextColor = RgbOnly(rec->TextColor);
    rec->BackColor = RgbOnly(rec->BackColor);
    int o = rec->Orientation;
    rec->Orientation = (o == 90 || o == 180 || o == 270) ? o : 0;
    rec->Filled = Switch01(rec->Filled);
    rec->AutoSize = Switch01(rec->AutoSize);
    rec->HAlign = ClampInt(rec->HAlign, 0, 2);
    rec->VAlign = ClampInt(rec->VAlign, 0, 2);
}

bool NaturalRectDegenerate(const ObjectRecord& rec) {
    const PictureFields& p = rec.Picture;
    for (int32_t v : {p.NaturalLeft, p.NaturalTop, p.NaturalRight, p.NaturalBottom})
        if (v < -kMaxObjectCoordinate || v > kMaxObjectCoordinate) return true;
    return p.NaturalRight <= p.NaturalLeft || p.NaturalTop <= p.NaturalBottom;
}
