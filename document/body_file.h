// Label body files: the whole label (look, catalog, placed objects with
// their pictures embedded) after a version line. Every version from 16 to
// 41 is read; 41 is written. Reading works on the file's bytes into a
// scratch record, so that a damaged file never touches the label shown.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "record/zipinfo.h"

// Bodies beyond this size are refused unread: 100,000 entries and a few
// large pictures take a fraction of it.
constexpr size_t kMaxBodyBytes = size_t(256) << 20;

enum LabelFileStatus {
    FILE_OK = 0,
    FILE_BAD_VERSION,  // the first line names no version this program reads
    FILE_DAMAGED,      // cut short, a value that cannot be, more than the file holds
    FILE_NO_MEMORY,
};

// The version code of a body's first line: "1.6" is 16, a whole number
// from 16 to 41 is itself; anything else gives 0.
int BodyVersionCode(std::string_view line);

// The version code of a body's first line (0 when it names none): a
// reader that shows what a body holds tells by it which fields the file
// stored and which the reader made up (the dates, kFirstDatedVersion).
int BodyFileVersion(const char* data, size_t size);

// Reads a body into out, which must be zero-filled. On failure out holds
// nothing (everything read is freed again).
LabelFileStatus ReadBody(const char* data, size_t size, ZIPINFO* out);

// The body of the label. False when the label holds something a reader
// would refuse (a catalog nested too deep, a picture without a sound
// bitmap): nothing should then be written.
bool WriteBody(const ZIPINFO& label, std::string* out);

// Puts a label read from a file in the place of a label record: the
// record's ordinal, layout cache (marked invalid) and page placement stay,
// its catalog, objects and extension styles are freed, nothing is
// selected. loaded is left empty.
void TakeLoadedLabel(ZIPINFO* label, ZIPINFO* loaded);

// Frees everything a read put into a scratch record and zero-fills it.
void FreeScratchLabel(ZIPINFO* scratch);
