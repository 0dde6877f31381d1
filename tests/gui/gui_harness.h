// In-process GUI testing: the real main window of the edition this test
// executable was linked with, created in the test's own process.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

using AfterCreateHook = void (*)(HWND window);

// Writes the edition INI, creates the main window with the given
// command-line text, calls afterCreate (before any message has been
// dispatched) and pumps messages until the start-up continuation has shown
// it and the window has handled what that posted. Null writes an INI that
// knows the drive, so that no drive dialog opens; kFirstStartIni (no INI at
// all) opens it, and the test must answer it; kKeepIni starts on the INI
// the last window wrote.
HWND StartMainWindowInProcess(const char* iniContents = nullptr, const char* commandLine = "",
                              AfterCreateHook afterCreate = nullptr);
extern const char* const kFirstStartIni;
extern const char* const kKeepIni;

// The edition INI file's text as it is now (empty when there is none).
std::string EditionIniText();

// Destroys the window (running its destruction steps) and drains the queue.
void CloseMainWindowInProcess();

// Dispatches what is queued now (paints included), as the program's loop
// does; it never waits for more.
void PumpMessages();
// Dispatches messages until `done` answers true; false after the bound.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 10000);
// Dispatches messages until everything queued so far, and what that queued
// in turn, has been handled: posted messages and input come before a paint,
// so a corner of the window invalidated now is painted only after them.
bool PumpUntilHandled(HWND window, int timeoutMs = 10000);
