// The ZIP and ARJ readers: listing sources that stand in for the system's
// directory listing while the scanner lists an archive as a folder. They
// deliver member names and uncompressed sizes only (attributes 0). One
// archive at most is open at any time (program-wide reader state).
//
// The readers never read past the data the file holds, and a member is
// delivered only when all of its header bytes were read from the file: a
// truncated or inconsistent archive ends its listing early instead.
#pragma once
#include "catalog/listing.h"

constexpr int kArchiveListingStarted = 47806;  // 0xBABE, in place of a handle

// Archive modes of the scanner; they select the reader.
constexpr int kArchiveModeNone = 0;
constexpr int kArchiveModeZip = 1;
constexpr int kArchiveModeArj = 2;

// The pattern is the scanner's "%c:%s\*.*" for the archive's path; its last
// four characters are cut to get the file name. 47806 with the first member
// in the record, or -1 (the archive is then closed again).
int ZipFindFirst(const char* pattern, ListingRecord* record);
int ArjFindFirst(const char* pattern, ListingRecord* record);

// 1 with the next member in the record, 0 when there is none.
int ZipFindNext(ListingRecord* record);
int ArjFindNext(ListingRecord* record);

// Closes the open archive; the mode names the reader in the diagnostic shown
// when none is open.
void ArchiveClose(int archiveMode);
bool ArchiveIsOpen();

// The reader triple of a mode as a listing source for the scanner.
const ListingSource& ArchiveListing(int archiveMode);
