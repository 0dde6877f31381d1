// The disk part of the Read Disk command: the label's catalog and disk
// facts replaced by a reading of the chosen drive (the scan settings' Drive,
// to DispSub levels). In Dovantel an audio CD is read as a track list
// first; only a drive without one is scanned. Sorting, the empty-disk
// warning and templates belong to the command around it.
#pragma once
#include "catalog/scan_settings.h"
#include "editions/profile.h"
#include "record/zipinfo.h"

// The drive Read Disk reads: the chosen one, C when none is set.
char DriveToRead(const ScanSettings& scan);

// True when an audio CD was read, false when the drive was scanned.
bool ReadDisk(ZIPINFO* label, const EditionProfile& edition, const ScanSettings& scan);
