#include "catalog/scan_text.h"

#include <cstdio>

void SizeText(uint32_t size, char (&comment)[16]) {
    if (size < 1024)
        std::snprintf(comment, sizeof comment, "%u", size);
    else if (size < 1048576)
        std::snprintf(comment, sizeof comment, "%uK", size / 1024);
    else
        std::snprintf(comment, sizeof comment, "%0.1fM", size / 1048576.0);
}

void SoftenName(char* name) {
    for (const char* p = name; *p; ++p)
        if (*p >= 'a' && *p <= 'z') return;
    if (!name[0]) return;
    bool keepNext = false;  // the character after the first '.' keeps its case
    bool seenDot = false;
    for (char* p = name + 1; *p; ++p) {
        if (keepNext) {
            keepNext = false;
            continue;
        }
        if (*p == '.' && !seenDot) {
            seenDot = true;
            keepNext = true;
            continue;
        }
        if (*p >= 'A' && *p <= 'Z') *p = static_cast<char>(*p - 'A' + 'a');
    }
}

void SummaryCountText(uint64_t entries, char (&comment)[16]) {
    std::snprintf(comment, sizeof comment, "%llu", static_cast<unsigned long long>(entries));
}

void SummarySizeText(uint64_t bytes, char (&comment)[16]) {
    double kilobytes = static_cast<double>(bytes) / 1024.0;
    if (kilobytes <= 1024.0)
        std::snprintf(comment, sizeof comment, "%01dK", static_cast<int>(kilobytes));
    else
        std::snprintf(comment, sizeof comment, "%1.1fM", kilobytes / 1024.0);
}

void TrackFileTimeText(const unsigned char (&data)[44], char (&comment)[16]) {
    uint32_t frames = static_cast<uint32_t>(data[32]) | (static_cast<uint32_t>(data[33]) << 8) |
                      (static_cast<uint32_t>(data[34]) << 16);
    int seconds = static_cast<int>(frames / 75);
    std::snprintf(comment, sizeof comment, "% 2d:%02d", seconds / 60, seconds % 60);
}
