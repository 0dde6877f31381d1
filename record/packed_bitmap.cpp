#include "record/packed_bitmap.h"

#include "base/little_endian.h"

namespace {


// Largest natural size kept: 10,000 inches, far inside 32-bit coordinates
// even after scaling and moving.
constexpr int64_t kMaxNaturalUnits = 1000000;

bool CheckCore(const uint8_t* block, uint32_t size, uint32_t bitsOffset, BitmapFacts* facts) {
    int32_t width = Le16(block + 4), height = Le16(block + 6);
    int planes = Le16(block + 8), bpp = Le16(block + 10);
    if (width <= 0 || height <= 0 || planes != 1) return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24) return false;
    uint64_t tableEnd = 12 + (bpp <= 8 ? (1u << bpp) * 3u : 0u);
    if (tableEnd > size || bitsOffset < tableEnd || bitsOffset > size) return false;
    uint64_t rowSize = (static_cast<uint64_t>(width) * bpp + 31) / 32 * 4;
    if (rowSize * static_cast<uint64_t>(height) > size - bitsOffset) return false;
    if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > kMaxPicturePixels) return false;
    *facts = {width, height, 0, 0};
    return true;
}

}  // namespace

bool CheckPackedBitmap(const uint8_t* block, uint32_t size, uint32_t bitsOffset, BitmapFacts* facts) {
    if (!block || size < 12) return false;
    uint32_t headerSize = Le32(block);
    if (headerSize == 12) return CheckCore(block, size, bitsOffset, facts);
    if (headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 && headerSize != 124)
        return false;
    if (headerSize > size) return false;
    int32_t width = static_cast<int32_t>(Le32(block + 4));
    int32_t height = static_cast<int32_t>(Le32(block + 8));
    int planes = Le16(block + 12), bpp = Le16(block + 14);
    uint32_t compression = Le32(block + 16), imageSize = Le32(block + 20);
    int32_t xRes = static_cast<int32_t>(Le32(block + 24)), yRes = static_cast<int32_t>(Le32(block + 28));
    uint32_t colorsUsed = Le32(block + 32);
    if (width <= 0 || height == 0 || height == INT32_MIN || planes != 1) return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;
    uint64_t rows = static_cast<uint64_t>(height < 0 ? -static_cast<int64_t>(height) : height);
    if (static_cast<uint64_t>(width) * rows > kMaxPicturePixels) return false;
    bool rle = false;
    switch (compression) {
    case 0:  // uncompressed
        break;
    case 1:  // run-length encoded, 8 bits
    case 2:  // run-length encoded, 4 bits
        if (bpp != (compression == 1 ? 8 : 4) || height < 0) return false;
        rle = true;
        break;
    case 3:  // bit fields
        if (bpp != 16 && bpp != 32) return false;
        break;
    default:
        return false;
    }
    uint64_t masks = (compression == 3 && headerSize == 40) ? 12 : 0;
    uint64_t colors = colorsUsed;
    if (bpp <= 8) {
        if (colors == 0) colors = 1u << bpp;
        if (colors > (1u << bpp)) return false;
    } else if (colors > 256) {
        return false;
    }
    uint64_t tableEnd = headerSize + masks + colors * 4;
    if (tableEnd > size || bitsOffset < tableEnd || bitsOffset > size) return false;
    uint64_t available = size - bitsOffset;
    if (rle) {
        if (imageSize == 0 || imageSize > available) return false;
    } else {
        uint64_t rowSize = (static_cast<uint64_t>(width) * bpp + 31) / 32 * 4;
        if (rowSize * rows > available) return false;
    }
    *facts = {width, height, xRes, yRes};
    return true;
}

bool SetPictureRectangles(ObjectRecord* rec, const BitmapFacts& facts) {
    int64_t xRes = facts.xPixelsPerMetre > 0 ? facts.xPixelsPerMetre : 2835;
    int64_t yRes = facts.yPixelsPerMetre > 0 ? facts.yPixelsPerMetre : 2835;
    int64_t height = facts.height < 0 ? -static_cast<int64_t>(facts.height) : facts.height;
    int64_t width = static_cast<int64_t>(facts.width) * 2835 / xRes;
    height = height * 2835 / yRes;
    if (width < 0 || width > kMaxNaturalUnits || height > kMaxNaturalUnits) return false;
    PictureFields& p = rec->Picture;
    p.NaturalLeft = 100;
    p.NaturalTop = -100;
    p.NaturalRight = 100 + static_cast<int32_t>(width);
    p.NaturalBottom = -100 - static_cast<int32_t>(height);
    rec->Left = p.NaturalLeft;
    rec->Top = p.NaturalTop;
    rec->Right = p.NaturalRight;
    rec->Bottom = p.NaturalBottom;
    return true;
}
