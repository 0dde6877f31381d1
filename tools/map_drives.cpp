// Maps drive letters of the Wine prefix to Unix folders through Wine's mount
// manager, for the disk tests' fixture:
//   map_drives LETTER UNIXPATH [LETTER UNIXPATH ...]
//   map_drives --remove LETTER [LETTER ...]
#include <cstdio>
#include <cstring>

#include "tools/driver/wine_drive.h"

int main(int argc, char** argv) {
    bool remove = argc > 1 && std::strcmp(argv[1], "--remove") == 0;
    int failures = 0;
    if (remove) {
        for (int i = 2; i < argc; ++i) failures += UnmapWineDrive(argv[i][0]) ? 0 : 1;
    } else {
        for (int i = 1; i + 1 < argc; i += 2) {
            if (!MapWineDrive(argv[i][0], argv[i + 1])) {
                std::fprintf(stderr, "map_drives: cannot map %s: to %s (error %lu)\n", argv[i], argv[i + 1],
                             GetLastError());
                ++failures;
            }
        }
    }
    return failures ? 1 : 0;
}
