// Command-line helper for scripts/test:
//   labeldrive warmup
// shows and destroys one window, so that Wine's background processes (the
// services and the desktop) start now, attached to this command's output
// rather than to the pipes of the first test CTest runs.
#include <cstdio>
#include <string>

#include "tools/driver/driver.h"

int main(int argc, char** argv) {
    if (argc != 2 || std::string(argv[1]) != "warmup") {
        std::fprintf(stderr, "usage: labeldrive warmup\n");
        return 2;
    }
    HWND window =
        CreateWindowExA(0, "STATIC", "warmup", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    DestroyWindow(window);
    return 0;
}
