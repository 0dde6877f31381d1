// Connects the core's seams to Win32: reports as message boxes owned by the
// main window, today's dates from the locale, the settings store on the
// edition's INI file.
#pragma once

void InstallWin32Hooks();
