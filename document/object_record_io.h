// Placed-object records as label bodies store them, little-endian, in the
// four sizes the versions have: 176 bytes (version 16, pictures only), 236
// (17 to 24), 1,140 (25 to 39) and 8,308 (40 and up, the record itself).
#pragma once
#include <cstddef>
#include <cstdint>

#include "record/placed_object.h"

constexpr size_t kObjectRecordSize = 8308;

// Coordinates of a placed object are kept within 10,000 inches of a page:
// far outside any label, far from overflowing when scaled and moved.
constexpr int32_t kMaxObjectCoordinate = 1000000;

// Objects on one label in a file: far more than anyone places by hand,
// few enough that an old file's small records (a 176-byte record is held
// in 8,308) cannot ask for gigabytes.
constexpr int kMaxObjects = 4096;

size_t ObjectRecordSize(int version);

// Fills rec (zeroed first) from a record of the version, with its values
// brought into range (SoundObjectRecord). The two address words and every
// unused byte read as zero. False for a type that is neither picture nor
// string.
bool DecodeObjectRecord(const uint8_t* bytes, int version, ObjectRecord* rec);

// The 8,308 bytes of the current record: address words and unused areas
// zero, texts terminated within their fields.
void EncodeObjectRecord(const ObjectRecord& rec, uint8_t* out);

// Page 1 to 1000, layer -1 to 1, the rectangle within the coordinate
// bounds with its top above its bottom; for strings orientation 0, 90, 180
// or 270, flags 0 or 1, alignments 0 to 2, colours RGB only and the font
// sound; texts and names terminated.
void SoundObjectRecord(ObjectRecord* rec);

// Whether a picture's natural rectangle has no area or lies out of bounds
// (it is then recomputed from the bitmap).
bool NaturalRectDegenerate(const ObjectRecord& rec);
