// Raw byte reading of files by name: archive headers and audio track files.
// The default reads through the C library; tests and fuzz targets install
// files held in memory.
#pragma once
#include <cstdint>

struct ByteFileOps {
    void* (*open)(const char* name);  // null when the file cannot be opened
    int64_t (*size)(void* file);      // negative when unknown
    // Bytes actually read at the offset (fewer at the end of the file).
    int64_t (*readAt)(void* file, int64_t offset, void* buffer, int64_t count);
    void (*close)(void* file);
};

void SetByteFileOps(const ByteFileOps* ops);  // null restores the C library

void* OpenByteFile(const char* name);
int64_t ByteFileSize(void* file);
int64_t ReadByteFileAt(void* file, int64_t offset, void* buffer, int64_t count);
void CloseByteFile(void* file);
