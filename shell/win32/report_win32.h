// Connects the core's seams to Win32: reports as message boxes owned by the
// main window, today's dates from the locale.
#pragma once

void InstallWin32Hooks();
