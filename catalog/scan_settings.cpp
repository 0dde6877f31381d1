#include "catalog/scan_settings.h"

#include <cstdlib>
#include <cstring>

#include "base/report.h"

ScanSettings g_scan;

void FreeExcludePatterns(ScanSettings* scan) {
    std::free(scan->Exclude);
    scan->Exclude = nullptr;
    scan->NumExclude = 0;
}

void SetExcludePatterns(ScanSettings* scan, const char* const* patterns, int count) {
    FreeExcludePatterns(scan);
    if (count <= 0) {
        scan->ExcludeMode = 1;
        return;
    }
    scan->Exclude = static_cast<char(*)[32]>(std::calloc(static_cast<size_t>(count), 32));
    if (!scan->Exclude) FatalError("Can't allocate ZIPINFO, exiting Verrick");
    for (int i = 0; i < count; ++i) {
        std::strncpy(scan->Exclude[i], patterns[i] ? patterns[i] : "", 31);
        scan->Exclude[i][31] = '\0';
    }
    scan->NumExclude = count;
}
