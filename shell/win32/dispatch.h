// Command dispatch: every command number arrives here.
#pragma once
#include <windows.h>

void DispatchCommand(HWND window, int command);
