// A placed string or picture. ObjectRecord is the 8,308-byte record that
// label bodies store byte for byte; the picture's pixel data and its real
// addresses live beside it in PlacedObject, so the record keeps its layout
// in every build (the two address words at 172 and 176 are opaque).
#pragma once
#include <cstddef>
#include <cstdint>

#include "record/font_desc.h"

enum ObjectType { OBJECT_PICTURE = 1, OBJECT_STRING = 2 };
enum ObjectLayer { LAYER_BELOW = -1, LAYER_ON = 0, LAYER_ABOVE = 1 };

constexpr int kStringTextSize = 8192;   // text field, at most 8,191 characters
constexpr int kPictureNameSize = 128;   // file name, at most 127 characters
constexpr int kFileHeaderSize = 14;     // BITMAPFILEHEADER

struct PictureFields {
    char FileName[kPictureNameSize];
    uint8_t FileHeader[kFileHeaderSize];  // "BM", file size, reserved, bits offset
    uint8_t Padding[2];
    uint32_t BitmapWord;                  // in-memory addresses in the old program;
    uint32_t BitsWord;                    // meaningless in a file, never used here
    int32_t NaturalLeft;
    int32_t NaturalTop;
    int32_t NaturalRight;
    int32_t NaturalBottom;
    uint8_t Unused[8024];
};

struct ObjectRecord {
    int32_t Type;     // ObjectType
    int32_t Page;     // 1, 2, 3 and up
    int32_t Layer;    // ObjectLayer
    int32_t Left;     // label units, y up: top above bottom
    int32_t Top;
    int32_t Right;
    int32_t Bottom;
    union {
        char Text[kStringTextSize];  // string: NUL-terminated, lines split by CR LF
        PictureFields Picture;
    };
    FontDesc Font;        // string
    ColorRef TextColor;   // string
    ColorRef BackColor;   // string
    int32_t Orientation;  // string: 0, 90, 180, 270
    int32_t Filled;       // string: 1 background painted, 0 transparent
    int32_t AutoSize;     // string: rectangle follows the text
    int32_t HAlign;       // string: 0 left, 1 centre, 2 right
    int32_t VAlign;       // string: 0 top, 1 centre, 2 bottom
};

static_assert(sizeof(PictureFields) == 8192, "picture fields share the text area");
static_assert(sizeof(ObjectRecord) == 8308, "object record is 8,308 bytes");
static_assert(offsetof(ObjectRecord, Text) == 28, "object record layout");
static_assert(offsetof(ObjectRecord, Picture) + offsetof(PictureFields, FileHeader) == 156, "object record layout");
static_assert(offsetof(ObjectRecord, Picture) + offsetof(PictureFields, BitmapWord) == 172, "object record layout");
static_assert(offsetof(ObjectRecord, Picture) + offsetof(PictureFields, BitsWord) == 176, "object record layout");
static_assert(offsetof(ObjectRecord, Picture) + offsetof(PictureFields, NaturalLeft) == 180, "object record layout");
static_assert(offsetof(ObjectRecord, Font) == 8220, "object record layout");
static_assert(offsetof(ObjectRecord, TextColor) == 8280, "object record layout");
static_assert(offsetof(ObjectRecord, BackColor) == 8284, "object record layout");
static_assert(offsetof(ObjectRecord, Orientation) == 8288, "object record layout");
static_assert(offsetof(ObjectRecord, Filled) == 8292, "object record layout");
static_assert(offsetof(ObjectRecord, AutoSize) == 8296, "object record layout");
static_assert(offsetof(ObjectRecord, HAlign) == 8300, "object record layout");
static_assert(offsetof(ObjectRecord, VAlign) == 8304, "object record layout");

// The object as the program holds it: the record plus, for a picture, its
// packed device-independent bitmap (BITMAPINFOHEADER, colour table, rows).
struct PlacedObject {
    ObjectRecord rec;
    uint8_t* bitmap;       // owned; null for strings
    uint32_t bitmapSize;   // bytes allocated for bitmap
    uint8_t* bits;         // pixel rows inside bitmap
};

// Little-endian fields of the 14-byte file header.
uint32_t FileHeaderSize(const ObjectRecord& rec);        // bfSize
uint32_t FileHeaderBitsOffset(const ObjectRecord& rec);  // bfOffBits
void SetFileHeaderSize(ObjectRecord* rec, uint32_t size);
void SetFileHeaderBitsOffset(ObjectRecord* rec, uint32_t offset);

// Frees a picture's bitmap (strings own nothing beside the record).
void FreeObjectData(PlacedObject* object);
