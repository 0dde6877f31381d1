// The directory scanner: reads a drive into a label's catalog. It walks the
// folders depth first through the system listing (and, with ScanArchives
// on, lists ZIP and ARJ files through their readers as folders), skips
// hidden and excluded names, and after a top-level scan folds archive
// paths, softens all-capital names, writes folder summaries and gathers the
// disk facts, as the scan settings say.
#pragma once
#include "catalog/archive_reader.h"
#include "catalog/scan_settings.h"
#include "editions/profile.h"
#include "record/zipinfo.h"

// Deepest folder level read: "All Levels".
constexpr int kAllLevels = 15;

// drive: "C"; path: "" for the root, else "\name\name"; depth: 0 at the top,
// one more per level; levels: DispSub (0 root, 1 to 4, 15 all; negative for
// folders only); record: the label to fill at the top, null below (a new
// list is made). At depth 0 the result is always the record passed in; below
// it is null when the folder or archive could not be listed. Audio track
// files of the root are timed in Dovantel only. archiveMode: the listing
// source, kArchiveModeNone (the system listing) except below an archive,
// whose members are listed by its reader. scan: the exclusion list, whether
// archives are listed and the folder summaries (levels stays an argument:
// callers read other depths than its DispSub).
ZIPINFO* ScanDrive(char drive, const char* path, int depth, int levels, ZIPINFO* record,
                   const EditionProfile& edition, int archiveMode, const ScanSettings& scan);

// The post-processing steps, also usable on their own.
void SoftenAllNames(ZIPINFO* list);
void WriteFolderSummaries(ZIPINFO* list, int dirComm);
