// What every listing source delivers per name (the system's directory
// listing and the ZIP and ARJ readers alike), and the seam through which the
// scanner reaches the system listing. The Win32 glue installs
// FindFirstFile/FindNextFile/FindClose; tests install folder trees in memory.
#pragma once
#include <cstdint>

constexpr uint32_t kAttrHidden = 2;
constexpr uint32_t kAttrFolder = 16;

struct ListingRecord {
    uint32_t Attributes;  // hidden 2, folder 16; 0 for archive members
    uint32_t SizeHigh;
    uint32_t SizeLow;     // the only part of the size the catalog keeps
    char Name[260];       // at most 259 characters
    // The system's short (8.3) name, empty when it gives none. A name whose
    // characters the code page lacks comes with "?" for them and opens only
    // by its short name.
    char ShortName[14];
};

// The name that opens the entry below its folder: the short name when the
// name came with characters the code page lacks and there is one.
const char* OpeningName(const ListingRecord& record);

struct ListingSource {
    // Starts a listing of the "%c:%s\*.*" pattern with its first name in the
    // record; null when the listing cannot start.
    void* (*findFirst)(const char* pattern, ListingRecord* record);
    // 1 with the next name in the record, 0 when there is none.
    int (*findNext)(void* listing, ListingRecord* record);
    void (*close)(void* listing);
};

// Null restores the default, a listing that never starts.
void SetSystemListing(const ListingSource* source);
const ListingSource& SystemListing();
