// labelfind: which labelled disk holds a file. Searches the catalogs of
// saved label bodies for entries by wildcard (see label_find.h):
//   labelfind [options] PATTERN [PATH...]
#include <cstdio>

#include "tools/labelfind/platform.h"
#include "tools/labelfind/label_find.h"

int main(int argc, char** argv) {
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    FindSinks sinks;
    sinks.out = [](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); };
    sinks.err = [](std::string_view text) {
        // The matches so far first, so that a message stands where it arose.
        std::fflush(stdout);
        std::fwrite(text.data(), 1, text.size(), stderr);
    };
    FindStatus status = RunLabelFind(CommandArguments(argc, argv), sinks);
    if (std::fflush(stdout) != 0) {
        std::fputs("labelfind: cannot write the output\n", stderr);
        return FIND_ERROR;
    }
    return status;
}
