// Program-wide scan settings (not per label), read by the scanner and kept
// in the settings store.
#pragma once

struct ScanSettings {
    char Drive = 0;          // 'A' to 'Z'; 0 until loaded
    int DispSub = 1;         // 0 root, 1 to 4, 15 all; negative: folders only
    int ScanArchives = 0;    // list ZIP and ARJ members
    int DirComm = 0;         // 0 "[dir]", 1 entry count, 2 total size
    int ExcludeMode = 1;     // 1 exclude matches, 0 include only matches
    int NumExclude = 0;
    char (*Exclude)[32] = nullptr;  // patterns, upper case, no leading '*'
};

extern ScanSettings g_scan;

// Replaces the settings' pattern list (copies; each cut to 31 characters).
// An empty list forces ExcludeMode 1.
void SetExcludePatterns(ScanSettings* scan, const char* const* patterns, int count);
void FreeExcludePatterns(ScanSettings* scan);
