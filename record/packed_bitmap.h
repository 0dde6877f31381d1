// Checks on a packed device-independent bitmap (BITMAPINFOHEADER or
// BITMAPCOREHEADER, colour table, pixel rows) before anything draws it or
// sizes a picture from it: every byte its header describes must lie in
// the block that holds it.
#pragma once
#include <cstdint>

#include "record/placed_object.h"

struct BitmapFacts {
    int32_t width;             // pixels
    int32_t height;            // pixels, negative for top-down rows
    int32_t xPixelsPerMetre;   // 0 when the header has none
    int32_t yPixelsPerMetre;
};

// Most pixels a picture may have; larger ones are refused rather than
// decoded or stretched.
constexpr uint64_t kMaxPicturePixels = 40000000;

// True when the block of size bytes holds a bitmap whose header, colour
// table and pixel rows (these starting bitsOffset bytes into the block)
// all lie inside it, with a supported depth and compression.
bool CheckPackedBitmap(const uint8_t* block, uint32_t size, uint32_t bitsOffset, BitmapFacts* facts);

// Sets the natural and placement rectangles of a picture record to left
// 100, top -100 and its size at 100 %: pixels x 2835 / pixels per metre (a
// resolution of 0 or less counts as 2835). False when the size is beyond
// what label coordinates hold.
bool SetPictureRectangles(ObjectRecord* rec, const BitmapFacts& facts);
