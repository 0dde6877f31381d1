// Program entry: class, window, accelerators, message loop.
#pragma once
#include <windows.h>

int RunProgram(HINSTANCE instance, HINSTANCE previous, const char* commandLine);

// Dispatches one message the way the program's loop does (accelerators
// first); tests pump their own loops through it.
void DispatchProgramMessage(MSG* message);
