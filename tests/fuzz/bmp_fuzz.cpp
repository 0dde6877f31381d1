// Fuzzes the BMP loader. Whatever it accepts must describe only bytes its
// bitmap holds: every pixel row the header promises is read here, so the
// sanitizers catch a header that points past the block.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "document/picture_loader.h"

namespace {

uint32_t Read32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }

uint64_t PixelBytes(const uint8_t* header) {
    uint32_t size = Read32(header);
    if (size == 12) {
        uint64_t width = header[4] | (header[5] << 8), height = header[6] | (header[7] << 8);
        return (width * (header[10] | (header[11] << 8)) + 31) / 32 * 4 * height;
    }
    uint32_t compression = Read32(header + 16);
    if (compression == 1 || compression == 2) return Read32(header + 20);
    int64_t width = static_cast<int32_t>(Read32(header + 4));
    int64_t height = static_cast<int32_t>(Read32(header + 8));
    if (height < 0) height = -height;
    uint64_t bpp = header[14] | (header[15] << 8);
    return (static_cast<uint64_t>(width) * bpp + 31) / 32 * 4 * static_cast<uint64_t>(height);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file) return 0;
    PlacedObject object;
    std::memset(&object, 0, sizeof object);
    if (LoadBmpStream(file, &object)) {
        if (object.bits < object.bitmap || object.bits > object.bitmap + object.bitmapSize) std::abort();
        uint64_t pixels = PixelBytes(object.bitmap);
        if (pixels > static_cast<uint64_t>(object.bitmap + object.bitmapSize - object.bits)) std::abort();
        volatile uint8_t sum = 0;
        for (uint64_t i = 0; i < pixels; ++i) sum = static_cast<uint8_t>(sum + object.bits[i]);
        FreeObjectData(&object);
    } else if (object.bitmap) {
        std::abort();  // a failed load keeps nothing
    }
    std::fclose(file);
    return 0;
}
