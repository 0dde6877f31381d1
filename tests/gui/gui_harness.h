// In-process GUI testing: the real main window of the edition this test
// executable was linked with, created in the test's own process.
#pragma once
#include <windows.h>

#include <string>

using AfterCreateHook = void (*)(HWND window);

// Writes the edition INI, creates the main window with the given
// command-line text, calls afterCreate (before any message has been
// dispatched) and pumps messages until the start-up continuation has shown
// it. Null writes an INI that knows the drive, so that no drive dialog
// opens; kFirstStartIni (no INI at all) opens it, and the test must answer
// it; kKeepIni starts on the INI the last window wrote.
HWND StartMainWindowInProcess(const char* iniContents = nullptr, const char* commandLine = "",
                              AfterCreateHook afterCreate = nullptr);
extern const char* const kFirstStartIni;
extern const char* const kKeepIni;

// The edition INI file's text as it is now (empty when there is none).
std::string EditionIniText();

// Destroys the window (running its destruction steps) and drains the queue.
void CloseMainWindowInProcess();

// Dispatches queued messages for the given time, as the program's loop does.
void PumpMessages(int milliseconds);
