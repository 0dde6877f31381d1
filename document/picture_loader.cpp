#include "document/picture_loader.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/text_compare.h"
#include "base/text_field.h"
#include "record/packed_bitmap.h"

namespace {

bool IsRegularFile(const char* path) {
    struct stat info;
    return stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

bool PathIsJpeg(const char* path) { return ContainsNoCase(path, ".jpg"); }

bool LoadPicture(const char* path, PlacedObject* object) {
    object->rec.Type = OBJECT_PICTURE;
    CopyField(object->rec.Picture.FileName, path);
    object->bitmap = nullptr;
    object->bitmapSize = 0;
    object->bits = nullptr;
    // A folder or device opens on some systems but holds no picture.
    if (!IsRegularFile(path)) return false;
    FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    bool loaded = PathIsJpeg(path) ? LoadJpegStream(file, object) : LoadBmpStream(file, object);
    std::fclose(file);
    return loaded;
}

bool LoadBmpStream(FILE* file, PlacedObject* object) {
    if (std::fseek(file, 0, SEEK_END) != 0) return false;
    long length = std::ftell(file);
    if (length < kFileHeaderSize + 12 || length > INT32_MAX || std::fseek(file, 0, SEEK_SET) != 0) return false;
    ObjectRecord& rec = object->rec;
    if (std::fread(rec.Picture.FileHeader, 1, kFileHeaderSize, file) != static_cast<size_t>(kFileHeaderSize))
        return false;
    if (rec.Picture.FileHeader[0] != 'B' || rec.Picture.FileHeader[1] != 'M') return false;
    uint32_t fileLength = static_cast<uint32_t>(length);
    // A header that claims more than the file holds describes bytes that
    // are not there; one that claims less gets the whole file.
    if (FileHeaderSize(rec) > fileLength) return false;
    SetFileHeaderSize(&rec, fileLength);
    uint32_t bitsOffset = FileHeaderBitsOffset(rec);
    uint32_t blockSize = fileLength - kFileHeaderSize;
    if (bitsOffset < static_cast<uint32_t>(kFileHeaderSize) || bitsOffset - kFileHeaderSize > blockSize)
        return false;
    auto* block = static_cast<uint8_t*>(std::malloc(blockSize));
    if (!block) return false;
    BitmapFacts facts;
    if (std::fread(block, 1, blockSize, file) != blockSize ||
        !CheckPackedBitmap(block, blockSize, bitsOffset - kFileHeaderSize, &facts) ||
        !SetPictureRectangles(&rec, facts)) {
        std::free(block);
        return false;
    }
    object->bitmap = block;
    object->bitmapSize = blockSize;
    object->bits = block + (bitsOffset - kFileHeaderSize);
    return true;
}
