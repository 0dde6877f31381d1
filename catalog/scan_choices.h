// The records of the drive and exclusion dialogs: the drive list built from
// the system's drive mask, and the exclusion list edited on a copy and
// committed to the scan settings on OK.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "catalog/scan_settings.h"

// "C:\" for every drive of the mask (bit 0 is A), in letter order.
std::vector<std::string> DriveListEntries(uint32_t mask);
// The entry of the drive letter, or -1 when the list has none.
int DriveEntryIndex(const std::vector<std::string>& entries, char drive);

constexpr int kPatternChars = 31;
// Exclusion patterns: far more than anyone types, small enough to read.
constexpr int kMaxExcludePatterns = 512;

struct ExcludeEdit {
    std::vector<std::string> patterns;  // kept sorted
    bool exclude;                       // "&Exclude " checked
};

// The scan settings' list and mode.
ExcludeEdit ExcludeEditFromScan(const ScanSettings& scan);

enum PatternStatus {
    PATTERN_ADDED = 0,
    PATTERN_EMPTY,     // nothing to add: nothing happens
    PATTERN_LIST_FULL, // the settings load no more than kMaxExcludePatterns
};

// "&Add": one leading "*" dropped, ASCII letters upper-cased (as matching
// folds them), cut to 31 characters, put in its sorted place; *at receives
// that place.
PatternStatus AddPattern(ExcludeEdit* edit, const std::string& text, int* at);
// The message of a full list: a pattern past the ones the settings load
// would be lost at the next start.
const char* PatternMessage(PatternStatus status);

// "Re&move All": no patterns, "&Exclude " checked.
void RemoveAllPatterns(ExcludeEdit* edit);

// OK: the patterns and the mode (an empty list always excludes) become the
// scan settings. True when that changed the patterns or the mode.
bool CommitExcludeEdit(const ExcludeEdit& edit, ScanSettings* scan);
