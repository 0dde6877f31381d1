// Whole-file reading and writing for label files: a file is read in one
// piece with its size bounded, and written beside its old self, checked,
// and only then put in its place, so a failed save leaves the old file.
#pragma once
#include <cstddef>
#include <string>

enum FileReadStatus {
    READ_OK = 0,
    READ_MISSING,   // no such file, folder or drive (or no disk in it)
    READ_FAILED,    // not a plain file, unreadable, or no memory for it
    READ_TOO_BIG,   // larger than the reader takes
};

FileReadStatus ReadWholeFile(const char* path, size_t maxBytes, std::string* bytes);

// Writes a new file in path's folder, checking every write and the close,
// then replaces path with it. False when any step fails: path is then as
// it was and no new file remains.
bool ReplaceFileWith(const char* path, const std::string& bytes);
