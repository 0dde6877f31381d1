#include "catalog/scan_settings.h"

#include <cstdlib>
#include <cstring>

#include "base/report.h"

ScanSettings g_scan;

void FreeExcludePatterns() {
    std::free(g_scan.Exclude);
    g_scan.Exclude = nullptr;
    g_scan.NumExclude = 0;
}

void SetExcludePatterns(const char* const* patterns, int count) {
    FreeExcludePatterns();
    if (count <= 0) {
        g_scan.ExcludeMode = 1;
        return;
    }
    g_scan.Exclude = static_cast<char(*)[32]>(std::calloc(static_cast<size_t>(count), 32));
    if (!g_scan.Exclude) FatalError("Can't allocate ZIPINFO, exiting Verrick");
    for (int i = 0; i < count; ++i) {
        std::strncpy(g_scan.Exclude[i], patterns[i] ? patterns[i] : "", 31);
        g_scan.Exclude[i][31] = '\0';
    }
    g_scan.NumExclude = count;
}
