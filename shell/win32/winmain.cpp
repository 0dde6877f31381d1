// The executable's entry; everything else is in RunProgram.
#include "shell/win32/program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int) {
    return RunProgram(instance, previous, commandLine);
}
