// ARJ listing: the main header is skipped, then member headers are read one
// after the other, each followed by its compressed data, which is skipped.
#include <cstring>

#include "catalog/archive_file.h"
#include "catalog/archive_reader.h"
#include "base/report.h"

namespace {

constexpr int64_t kMaxBasicHeader = 2600;  // the format's limit
constexpr int64_t kSizeFieldsEnd = 20;     // compressed size at 12, original at 16

// The 4-byte prefix at pos: the basic header size, or 0 when the id is not
// 60 EA, the size is 0 (end of archive) or the prefix is not all there.
int64_t ReadPrefix() {
    unsigned char prefix[4];
    if (!ReadArchiveBytes(g_archive.pos, prefix, 4) || prefix[0] != 0x60 || prefix[1] != 0xEA) return 0;
    return Le16(prefix + 2);
}

// From just after a basic header: its CRC, then the chain of extended
// headers (size, header, CRC) up to the size 0 that ends it. The position
// afterwards in *end; false when the file ends first.
bool SkipCrcAndExtendedHeaders(int64_t at, int64_t* end) {
    at += 4;
    for (;;) {
        unsigned char sizeBytes[2];
        if (!ReadArchiveBytes(at, sizeBytes, 2)) return false;
        at += 2;
        int64_t extended = Le16(sizeBytes);
        if (extended == 0) break;
        at += extended + 4;
        if (at > g_archive.size) return false;
    }
    *end = at;
    return true;
}

}  // namespace

int ArjFindFirst(const char* pattern, ListingRecord* record) {
    if (g_archive.file) {
        ReportBadStuff(".ARJ file not NULL!");
        CloseArchiveFile();
    }
    if (!OpenArchiveFile(pattern)) return -1;
    g_archive.pos = 0;
    int64_t mainSize = ReadPrefix();
    int64_t afterMain = 0;
    if (mainSize == 0 || mainSize > kMaxBasicHeader ||
        !SkipCrcAndExtendedHeaders(4 + mainSize, &afterMain)) {
        CloseArchiveFile();
        return -1;
    }
    g_archive.pos = afterMain;
    if (ArjFindNext(record) == 1) return kArchiveListingStarted;
    ArchiveClose(kArchiveModeArj);
    return -1;
}

int ArjFindNext(ListingRecord* record) {
    if (!g_archive.file) {
        ReportBadStuff(".ARJ file null for FIND_NEXT!");
        return 0;
    }
    int64_t size = ReadPrefix();
    if (size == 0 || size > kMaxBasicHeader || size < kSizeFieldsEnd) return 0;
    unsigned char header[kMaxBasicHeader];
    int64_t headerStart = g_archive.pos + 4;
    if (!ReadArchiveBytes(headerStart, header, size)) return 0;
    // The name starts at the offset in the first byte and ends with a NUL
    // inside the header; a header that breaks this ends the listing.
    int64_t nameStart = header[0];
    if (nameStart >= size) return 0;
    const void* nul = std::memchr(header + nameStart, 0, static_cast<size_t>(size - nameStart));
    if (!nul) return 0;
    int64_t nameLength = static_cast<const unsigned char*>(nul) - (header + nameStart);

    int64_t afterHeaders = 0;
    if (!SkipCrcAndExtendedHeaders(headerStart + size, &afterHeaders)) return 0;
    uint32_t compressed = Le32(header + 12);
    // The data may run past the end of a cut file: the member's header is
    // whole and is listed; the next prefix read then ends the listing.
    g_archive.pos = afterHeaders + compressed;

    std::memset(record, 0, sizeof *record);
    record->SizeLow = Le32(header + 16);
    int64_t kept = nameLength < static_cast<int64_t>(sizeof record->Name) - 1
                       ? nameLength
                       : static_cast<int64_t>(sizeof record->Name) - 1;
    std::memcpy(record->Name, header + nameStart, static_cast<size_t>(kept));
    record->Name[kept] = '\0';
    return 1;
}
