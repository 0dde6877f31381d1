// The recent-file list: five full paths, newest first; an entry may be empty.
#pragma once

constexpr int kRecentFiles = 5;
constexpr int kRecentPathSize = 256;
// The longest path the list keeps: what the settings store writes back
// whole. A longer one would come back cut, naming another file.
constexpr int kRecentPathLimit = 254;

// Puts path at the top: an equal entry (compared with case) moves up from
// its place, otherwise every entry moves down and the fifth is dropped.
// An empty path or one longer than the limit is not listed (false).
bool PushRecentFile(char (*entries)[kRecentPathSize], const char* path);

// The text of a recent item: the part after the last backslash, or "(None)".
const char* RecentItemText(const char* entry);
