// Shared by the ZIP and ARJ fuzz targets: the input is the archive file,
// served from memory through the byte-file seam. Every member a reader
// delivers must come from the input: its name (when not empty) and its
// size must both occur in it, so stale bytes would be caught.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "catalog/archive_reader.h"
#include "catalog/byte_file.h"
#include "catalog/zip_names.h"
#include "base/report.h"

namespace fuzz_archive {

struct Input {
    const uint8_t* data;
    size_t size;
};
inline Input g_input;

inline void* Open(const char*) { return &g_input; }
inline int64_t Size(void*) { return static_cast<int64_t>(g_input.size); }
inline int64_t ReadAt(void*, int64_t offset, void* buffer, int64_t count) {
    if (offset < 0 || count <= 0 || static_cast<uint64_t>(offset) >= g_input.size) return 0;
    size_t n = g_input.size - static_cast<size_t>(offset);
    if (n > static_cast<size_t>(count)) n = static_cast<size_t>(count);
    std::memcpy(buffer, g_input.data + offset, n);
    return static_cast<int64_t>(n);
}
inline void Close(void*) {}
inline void Quiet(const char*, const char*) { std::abort(); }  // no diagnostics in normal use
// UTF-8 names are kept as they are: a converted name would not occur in the input.
inline std::string AsStored(const std::string& utf8) { return utf8; }

inline bool Occurs(const void* needle, size_t length) {
    if (length == 0) return true;
    if (length > g_input.size) return false;
    for (size_t i = 0; i + length <= g_input.size; ++i)
        if (std::memcmp(g_input.data + i, needle, length) == 0) return true;
    return false;
}

inline void Check(const ListingRecord& r) {
    size_t length = strnlen(r.Name, sizeof r.Name);
    if (length >= sizeof r.Name || r.Attributes != 0 || r.SizeHigh != 0) std::abort();
    uint8_t size[4] = {static_cast<uint8_t>(r.SizeLow), static_cast<uint8_t>(r.SizeLow >> 8),
                       static_cast<uint8_t>(r.SizeLow >> 16), static_cast<uint8_t>(r.SizeLow >> 24)};
    if (!Occurs(r.Name, length) || !Occurs(size, 4)) std::abort();
}

inline int Run(const uint8_t* data, size_t size, int mode) {
    static const ByteFileOps ops = {Open, Size, ReadAt, Close};
    SetByteFileOps(&ops);
    SetReportHook(Quiet);
    SetAnsiFromUtf8(AsStored);
    g_input = {data, size};
    ListingRecord record;
    int first = mode == kArchiveModeZip ? ZipFindFirst("A:\\f\\*.*", &record) : ArjFindFirst("A:\\f\\*.*", &record);
    if (first == kArchiveListingStarted) {
        int members = 0;
        do {
            Check(record);
            if (++members > 70000) std::abort();  // a listing always ends
        } while ((mode == kArchiveModeZip ? ZipFindNext(&record) : ArjFindNext(&record)) == 1);
        ArchiveClose(mode);
    } else if (first != -1) {
        std::abort();
    }
    if (ArchiveIsOpen()) std::abort();
    return 0;
}

}  // namespace fuzz_archive
