// ZIP listing: the end of central directory record is searched for in the
// last 2047 bytes, then the central directory is walked header by header.
// Only the central directory is read; member data is never visited.
#include <cstring>
#include <string>

#include "catalog/archive_file.h"
#include "catalog/archive_reader.h"
#include "catalog/zip_names.h"
#include "base/report.h"

namespace {

constexpr int64_t kEndRecordMinDistance = 22;
constexpr int64_t kEndRecordMaxDistance = 2047;
constexpr int64_t kCentralHeaderSize = 46;

bool IsEndSignature(const unsigned char* p) { return p[0] == 0x50 && p[1] == 0x4B && p[2] == 5 && p[3] == 6; }
bool IsCentralSignature(const unsigned char* p) { return p[0] == 0x50 && p[1] == 0x4B && p[2] == 1 && p[3] == 2; }

// Finds the end record nearest to the end of the file, never before the
// start of a short file; false when none lies in range.
bool FindEndRecord(uint16_t* members, uint32_t* directoryOffset) {
    int64_t reach = g_archive.size < kEndRecordMaxDistance ? g_archive.size : kEndRecordMaxDistance;
    unsigned char tail[kEndRecordMaxDistance];
    int64_t tailStart = g_archive.size - reach;
    if (!ReadArchiveBytes(tailStart, tail, reach)) return false;
    for (int64_t d = kEndRecordMinDistance; d <= reach; ++d) {
        const unsigned char* record = tail + (reach - d);
        if (IsEndSignature(record)) {
            *members = static_cast<uint16_t>(Le16(record + 8));
            *directoryOffset = Le32(record + 16);
            return true;
        }
    }
    return false;
}

}  // namespace

int ZipFindFirst(const char* pattern, ListingRecord* record) {
    if (g_archive.file) {
        ReportBadStuff(".ZIP file not NULL!");
        CloseArchiveFile();
    }
    if (!OpenArchiveFile(pattern)) return -1;
    uint16_t members = 0;
    uint32_t directoryOffset = 0;
    if (g_archive.size < 23 || !FindEndRecord(&members, &directoryOffset)) {
        CloseArchiveFile();
        return -1;
    }
    g_archive.zipMembersLeft = members;
    g_archive.pos = directoryOffset;
    if (ZipFindNext(record) == 1) return kArchiveListingStarted;
    ArchiveClose(kArchiveModeZip);
    return -1;
}

int ZipFindNext(ListingRecord* record) {
    if (!g_archive.file) {
        ReportBadStuff(".ZIP file null for FIND_NEXT!");
        return 0;
    }
    if (g_archive.zipMembersLeft == 0) return 0;
    --g_archive.zipMembersLeft;

    unsigned char header[kCentralHeaderSize];
    int64_t at = g_archive.pos;
    // A directory that claims more members than it holds runs into the end
    // record or beyond the file: the listing ends with the last whole header.
    if (!ReadArchiveBytes(at, header, kCentralHeaderSize) || !IsCentralSignature(header)) {
        g_archive.zipMembersLeft = 0;
        return 0;
    }
    int64_t nameLength = Le16(header + 28);
    int64_t extraLength = Le16(header + 30);
    int64_t commentLength = Le16(header + 32);
    int64_t next = at + kCentralHeaderSize + nameLength + extraLength + commentLength;
    // The whole name and extra field are read: a UTF-8 name is converted
    // before it is cut to what the record keeps.
    std::string stored(static_cast<size_t>(nameLength), '\0');
    std::string extra(static_cast<size_t>(extraLength), '\0');
    if (next > g_archive.size || !ReadArchiveBytes(at + kCentralHeaderSize, &stored[0], nameLength) ||
        !ReadArchiveBytes(at + kCentralHeaderSize + nameLength, &extra[0], extraLength)) {
        g_archive.zipMembersLeft = 0;
        return 0;
    }
    std::string name = ZipMemberName(stored, Le16(header + 8), extra);
    // Names may be up to 65,535 bytes: the record keeps what fits.
    if (name.size() > sizeof record->Name - 1) name.resize(sizeof record->Name - 1);
    g_archive.pos = next;

    std::memset(record, 0, sizeof *record);
    record->SizeLow = Le32(header + 24);
    std::memcpy(record->Name, name.c_str(), name.size() + 1);
    return 1;
}
