// Our Win32 test driver: starts an edition program under the test's Wine,
// finds its main window, sends commands and keys, reads back captions,
// rectangles, toolbar states and status text, captures the window from the
// screen and closes it. Used by the whole-program tests and by scripts/run.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "tools/driver/window_capture.h"

struct ProgramRun {
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;   // the edition's main window
    std::string edition;
};

// Windows path of an edition executable: in the folder LABEL_PROGRAMS_DIR
// names (a Unix path, or a Windows one such as an install folder) when it
// is set, so that the same tests run against the release programs; else
// in the cross build folder.
std::string EditionExePath(const std::string& edition);
// Windows path of a file or folder given by its Unix path.
std::string WindowsPathOf(const std::string& unixPath);

// The edition's INI file in the Windows directory: written before a start,
// read back after an exit. Null writes an INI that knows the drive, so that
// no drive dialog opens at the start; an INI without "Drive" is a first
// start, whose drive dialog the test answers (CancelDriveDialog).
std::string EditionIniPath(const std::string& edition);
bool WriteEditionIni(const std::string& edition, const char* contents);
bool ReadEditionIni(const std::string& edition, std::string* contents);

// Starts the program with the arguments and waits until its main window is
// visible (the start-up continuation has run). Quiet: Wine's own remarks
// on the program's standard output and error are not shown.
bool StartEdition(ProgramRun* run, const std::string& edition, const std::string& arguments,
                  std::string* error, int timeoutMs = 20000, bool quiet = false);

// Takes over a program the shell started (its process handle) and waits
// as StartEdition does.
bool AdoptProcess(ProgramRun* run, HANDLE process, const std::string& edition, std::string* error,
                  int timeoutMs = 20000);
// Cancels the drive dialog a first start opens, waiting for it up to
// waitMs; false when none showed.
bool CancelDriveDialog(const ProgramRun& run, int waitMs);

// Ends the program by a close request and waits for its exit code; false on
// timeout (the process is then killed).
bool CloseProgram(ProgramRun* run, DWORD* exitCode, int timeoutMs = 15000);
bool WaitForExit(ProgramRun* run, DWORD* exitCode, int timeoutMs = 15000);
// Kills the program if it still runs; safe to call twice.
void KillProgram(ProgramRun* run);

std::string WindowText(HWND window);
// The texts of a window's children, joined by "|" (a message box's text).
std::string ChildTexts(HWND window);
std::string ClassNameOf(HWND window);
HWND ChildById(HWND parent, int id);

// Toolbar reading across processes (TB_GETBUTTON through the program's
// own memory).
int ToolbarButtonCount(HWND toolbar);
bool ToolbarButtonAt(const ProgramRun& run, HWND toolbar, int index, TBBUTTON* button);
int ToolbarState(HWND toolbar, int command);   // -1 when there is no such button

void SendCommand(HWND window, int command);
// Real key strokes through SendInput with the window in front; modifiers are
// virtual-key codes held while the key is pressed. Both return once the
// window's thread has handled the input (or the window is gone).
void PressKey(HWND window, WORD key, const std::vector<WORD>& modifiers = {});

// A real left click through SendInput at a client pixel of the window.
void ClickClient(HWND window, int x, int y);

// Polls the condition (at least once) until it holds; false after the bound.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 10000);
// Waits until the window's thread has handled everything queued for it so
// far, and what that queued in turn: posted messages and input come before
// a paint, so a corner invalidated now is painted only after them. True
// then, or once the window is hidden (a window being destroyed is hidden
// first, so check what is visible) or gone; false after the bound.
bool WaitUntilHandled(HWND window, int timeoutMs = 10000);


// Top-level windows of the process whose caption is "BAD STUFF".
int CountBadStuffBoxes(const ProgramRun& run);
// A visible top-level window of the process with the caption, waiting for
// it up to the timeout (0: looks once); null when none shows.
HWND FindProgramWindow(const ProgramRun& run, const std::string& caption, int timeoutMs = 5000);
