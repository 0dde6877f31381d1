#include "shell/recent_files.h"

#include <cstring>

#include "base/text_field.h"

bool PushRecentFile(char (*entries)[kRecentPathSize], const char* path) {
    size_t length = path ? std::strlen(path) : 0;
    if (length == 0 || length > static_cast<size_t>(kRecentPathLimit)) return false;
    char copy[kRecentPathSize];
    CopyText(copy, sizeof copy, path);
    int found = kRecentFiles - 1;  // no match: the last entry falls off
    for (int k = 0; k < kRecentFiles; ++k) {
        if (std::strcmp(entries[k], copy) == 0) {
            found = k;
            break;
        }
    }
    for (int k = found; k > 0; --k) std::memcpy(entries[k], entries[k - 1], kRecentPathSize);
    std::memcpy(entries[0], copy, kRecentPathSize);
    return true;
}

const char* RecentItemText(const char* entry) {
    if (!entry || !entry[0]) return "(None)";
    const char* slash = std::strrchr(entry, '\\');
    return slash ? slash + 1 : entry;
}
