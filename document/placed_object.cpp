#include "document/placed_object.h"

#include <cstdlib>

namespace {
uint32_t Read32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}
void Write32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}
}  // namespace

uint32_t FileHeaderSize(const ObjectRecord& rec) { return Read32(rec.Picture.FileHeader + 2); }
uint32_t FileHeaderBitsOffset(const ObjectRecord& rec) { return Read32(rec.Picture.FileHeader + 10); }
void SetFileHeaderSize(ObjectRecord* rec, uint32_t size) { Write32(rec->Picture.FileHeader + 2, size); }
void SetFileHeaderBitsOffset(ObjectRecord* rec, uint32_t offset) { Write32(rec->Picture.FileHeader + 10, offset); }

void FreeObjectData(PlacedObject* object) {
    std::free(object->bitmap);
    object->bitmap = nullptr;
    object->bitmapSize = 0;
    object->bits = nullptr;
}
