#include "catalog/archive_file.h"

#include <cstring>
#include <string>

#include "catalog/archive_reader.h"
#include "catalog/byte_file.h"
#include "base/report.h"

ArchiveFile g_archive;

bool OpenArchiveFile(const char* pattern) {
    size_t length = std::strlen(pattern);
    if (length <= 4) return false;
    std::string name(pattern, length - 4);
    void* file = OpenByteFile(name.c_str());
    if (!file) return false;
    int64_t size = ByteFileSize(file);
    if (size < 0) {
        CloseByteFile(file);
        return false;
    }
    g_archive.file = file;
    g_archive.size = size;
    g_archive.pos = 0;
    g_archive.zipMembersLeft = 0;
    g_archive.bufferStart = 0;
    g_archive.bufferLength = 0;
    return true;
}

void CloseArchiveFile() {
    if (g_archive.file) CloseByteFile(g_archive.file);
    g_archive.file = nullptr;
    g_archive.bufferLength = 0;
}

bool ReadArchiveBytes(int64_t offset, void* dest, int64_t count) {
    ArchiveFile& a = g_archive;
    if (!a.file || offset < 0 || count < 0 || offset > a.size || count > a.size - offset) return false;
    if (count == 0) return true;
    const int64_t capacity = static_cast<int64_t>(sizeof a.buffer);
    bool buffered = offset >= a.bufferStart && offset - a.bufferStart + count <= a.bufferLength;
    if (!buffered && count <= capacity) {
        int64_t want = a.size - offset < capacity ? a.size - offset : capacity;
        int64_t got = ReadByteFileAt(a.file, offset, a.buffer, want);
        a.bufferStart = offset;
        a.bufferLength = got > 0 ? got : 0;
        buffered = count <= a.bufferLength;
        if (!buffered) return false;  // the file is shorter than it said
    }
    if (buffered) {
        std::memcpy(dest, a.buffer + (offset - a.bufferStart), static_cast<size_t>(count));
        return true;
    }
    return ReadByteFileAt(a.file, offset, dest, count) == count;
}

bool ArchiveIsOpen() { return g_archive.file != nullptr; }

void ArchiveClose(int archiveMode) {
    if (!g_archive.file)
        ReportBadStuff(archiveMode == kArchiveModeArj ? ".ARJ file null for FIND_CLOSE!"
                                                      : ".ZIP file null for FIND_CLOSE!");
    CloseArchiveFile();
}

namespace {

// The readers keep their state themselves; the handle only marks a started
// listing.
void* const kArchiveHandle = reinterpret_cast<void*>(static_cast<intptr_t>(kArchiveListingStarted));

void* ZipFirst(const char* pattern, ListingRecord* record) {
    return ZipFindFirst(pattern, record) == kArchiveListingStarted ? kArchiveHandle : nullptr;
}
int ZipNext(void*, ListingRecord* record) { return ZipFindNext(record); }
void ZipClose(void*) { ArchiveClose(kArchiveModeZip); }

void* ArjFirst(const char* pattern, ListingRecord* record) {
    return ArjFindFirst(pattern, record) == kArchiveListingStarted ? kArchiveHandle : nullptr;
}
int ArjNext(void*, ListingRecord* record) { return ArjFindNext(record); }
void ArjClose(void*) { ArchiveClose(kArchiveModeArj); }

const ListingSource kZipListing = {ZipFirst, ZipNext, ZipClose};
const ListingSource kArjListing = {ArjFirst, ArjNext, ArjClose};

}  // namespace

const ListingSource& ArchiveListing(int archiveMode) {
    return archiveMode == kArchiveModeArj ? kArjListing : kZipListing;
}
