// The reader state shared by the ZIP and ARJ readers: the one open archive
// file, a read position and a small read buffer. All reads are all or
// nothing and never reach past the end of the file.
#pragma once
#include "base/little_endian.h"
#include <cstdint>

struct ArchiveFile {
    void* file;             // null when closed
    int64_t size;           // bytes in the file
    int64_t pos;            // where the next header starts
    uint16_t zipMembersLeft;
    unsigned char buffer[8192];
    int64_t bufferStart;
    int64_t bufferLength;
};

extern ArchiveFile g_archive;

// Opens the archive named by the pattern without its last four characters;
// false when it cannot be opened or its size is unknown.
bool OpenArchiveFile(const char* pattern);
void CloseArchiveFile();

// Reads exactly count bytes at the offset; false (and nothing usable in
// dest) when the file holds fewer.
bool ReadArchiveBytes(int64_t offset, void* dest, int64_t count);

