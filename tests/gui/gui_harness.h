// In-process GUI testing: the real main window of the edition this test
// executable was linked with, created in the test's own process.
#pragma once
#include <windows.h>

#include <string>

using AfterCreateHook = void (*)(HWND window);

// Start with the INI file as the last run left it.
extern const char* const kKeepIni;

// Writes the edition INI (null deletes it, kKeepIni keeps it), creates the main window with the
// given command-line text, calls afterCreate (before any message has been
// dispatched) and pumps messages until the start-up continuation has shown it.
HWND StartMainWindowInProcess(const char* iniContents = nullptr, const char* commandLine = "",
                              AfterCreateHook afterCreate = nullptr);

// The edition INI file's text as it is now (empty when there is none).
std::string EditionIniText();

// Destroys the window (running its destruction steps) and drains the queue.
void CloseMainWindowInProcess();

// Dispatches queued messages for the given time, as the program's loop does.
void PumpMessages(int milliseconds);
