// The recent-file list: five full paths, newest first; an entry may be empty.
#pragma once

constexpr int kRecentFiles = 5;
constexpr int kRecentPathSize = 256;  // at most 255 characters

// Puts path at the top: an equal entry (compared with case) moves up from
// its place, otherwise every entry moves down and the fifth is dropped.
void PushRecentFile(char (*entries)[kRecentPathSize], const char* path);

// The text of a recent item: the part after the last backslash, or "(None)".
const char* RecentItemText(const char* entry);
