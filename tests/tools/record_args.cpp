// Stands in for a browser in the tests of the shell fallback: writes its own
// command line to the file named by RECORD_ARGS_FILE and ends.
#include <windows.h>

#include <cstdio>

int main() {
    char path[MAX_PATH];
    if (!GetEnvironmentVariableA("RECORD_ARGS_FILE", path, sizeof path)) return 1;
    FILE* out = std::fopen(path, "wb");
    if (!out) return 2;
    std::fputs(GetCommandLineA(), out);
    std::fclose(out);
    return 0;
}
