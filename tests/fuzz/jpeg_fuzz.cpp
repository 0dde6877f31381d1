// Fuzzes the JPEG loader. An accepted picture's bitmap must be exactly the
// header plus its padded rows; every byte is read so the sanitizers see
// any row written short or past the block.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "document/picture_loader.h"

namespace {
uint32_t Read32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file) return 0;
    PlacedObject object;
    std::memset(&object, 0, sizeof object);
    if (LoadJpegStream(file, &object)) {
        uint32_t width = Read32(object.bitmap + 4), height = Read32(object.bitmap + 8);
        uint64_t rows = static_cast<uint64_t>((3 * width + 3) & ~3u) * height;
        if (object.bitmapSize != 40 + rows || object.bits != object.bitmap + 40) std::abort();
        if (FileHeaderSize(object.rec) != 54 + rows) std::abort();
        volatile uint8_t sum = 0;
        for (uint32_t i = 0; i < object.bitmapSize; ++i) sum = static_cast<uint8_t>(sum + object.bitmap[i]);
        FreeObjectData(&object);
    } else if (object.bitmap) {
        std::abort();
    }
    std::fclose(file);
    return 0;
}
