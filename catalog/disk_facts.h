// The disk facts of a label (space used and free, dates, counts, volume
// name), gathered after every top-level scan. The volume queries are a seam:
// the Win32 glue asks GetDiskFreeSpaceEx and GetVolumeInformation.
#pragma once
#include <cstdint>

#include "record/zipinfo.h"

struct DiskQueries {
    // Total and free bytes of the volume with the root path ("C:\"); false
    // when the query fails.
    bool (*space)(const char* root, uint64_t* totalBytes, uint64_t* freeBytes);
    // The volume label (cut to size - 1 characters); false when unknown.
    bool (*volumeLabel)(const char* root, char* label, int size);
};

// Null restores the default, which knows no volume (both queries fail).
void SetDiskQueries(const DiskQueries* queries);

// Space figures in 64 bits (volumes above 2 GB), today's dates as
// ClearLabel sets them, NumFiles and NumFolders over the tree, and the
// volume label as VolumeName (empty for an unlabelled volume).
void GatherDiskFacts(ZIPINFO* label, char drive);
