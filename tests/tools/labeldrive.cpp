// Command-line front of the test driver, for scripts:
//   labeldrive screenshot EDITION OUT.bmp [program arguments...]
// starts the edition, waits for its window, captures it, closes it and
// prints the program's exit code.
//   labeldrive warmup
// shows and destroys one window, so that Wine's background processes (the
// services and the desktop) start now, attached to this command's output
// rather than to the pipes of the first test CTest runs.
#include <cstdio>
#include <string>

#include "tests/driver/driver.h"

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "warmup") {
        HWND window = CreateWindowExA(0, "STATIC", "warmup", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                      nullptr, nullptr);
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
        DestroyWindow(window);
        return 0;
    }
    if (argc < 4 || std::string(argv[1]) != "screenshot") {
        std::fprintf(stderr, "usage: labeldrive screenshot EDITION OUT.bmp [arguments...]\n");
        return 2;
    }
    std::string arguments;
    for (int i = 4; i < argc; ++i) arguments += (i > 4 ? " " : "") + std::string(argv[i]);
    ProgramRun run;
    std::string error;
    if (!StartEdition(&run, argv[2], arguments, &error)) {
        std::fprintf(stderr, "labeldrive: %s\n", error.c_str());
        return 1;
    }
    // A first start's drive dialog would cover the window and stop the close.
    CancelDriveDialog(run, 1500);
    WaitUntilHandled(run.window);  // painted where the dialog was
    bool captured = CaptureWindow(run.window, argv[3]);
    int boxes = CountBadStuffBoxes(run);
    DWORD code = 0;
    bool closed = CloseProgram(&run, &code);
    std::printf("captured=%d bad_stuff_boxes=%d closed=%d exit_code=%lu\n", captured, boxes, closed,
                static_cast<unsigned long>(code));
    return captured && closed ? 0 : 1;
}
