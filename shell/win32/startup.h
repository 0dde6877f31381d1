// The deferred start-up step (command 40073), run once the window exists
// and the message loop is running.
#pragma once
#include <windows.h>

void StartupContinuation(HWND window);
