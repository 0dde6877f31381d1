#include "record/placed_object.h"

#include <cstdlib>

#include "base/little_endian.h"


uint32_t FileHeaderSize(const ObjectRecord& rec) { return Le32(rec.Picture.FileHeader + 2); }
uint32_t FileHeaderBitsOffset(const ObjectRecord& rec) { return Le32(rec.Picture.FileHeader + 10); }
void SetFileHeaderSize(ObjectRecord* rec, uint32_t size) { PutLe32(rec->Picture.FileHeader + 2, size); }
void SetFileHeaderBitsOffset(ObjectRecord* rec, uint32_t offset) { PutLe32(rec->Picture.FileHeader + 10, offset); }

void FreeObjectData(PlacedObject* object) {
    std::free(object->bitmap);
    object->bitmap = nullptr;
    object->bitmapSize = 0;
    object->bits = nullptr;
}
