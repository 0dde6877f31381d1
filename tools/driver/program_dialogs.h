// Carrying out a command of a running edition program as a user does: the
// command goes to the main window, and each dialog the program shows on the
// way gets the answer the caller expects of it. A dialog nobody expected
// stops the command: its caption and text are kept for the report, and it
// is dismissed.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tools/driver/driver.h"

// A dialog the caller expects, known by its caption (a final "*" matches
// any ending), and what a user does with it (false when that could not be done: the reason goes to *failure).
struct DialogAnswer {
    std::string caption;
    std::function<bool(HWND dialog, std::string* failure)> answer;
};

struct CommandOutcome {
    bool done = false;               // the command returned; for a close, the program ended
    std::string failure;             // otherwise why: a dialog nobody expected, the program's end, the time
    std::vector<std::string> asked;  // captions of the dialogs answered, in order
};

// Sends the command to the main window and waits, at most timeoutMs, until
// the program has carried it out. `what` names the wait in a failure.
CommandOutcome CarryOut(const ProgramRun& run, int command, const std::vector<DialogAnswer>& answers,
                        int timeoutMs, const std::string& what);

// Asks the program to close (as the close box does) and waits until it has
// ended, answering the dialogs on the way; the exit code goes to *exitCode.
CommandOutcome CloseAndWait(ProgramRun* run, const std::vector<DialogAnswer>& answers, int timeoutMs,
                            DWORD* exitCode);

// The dialogs and message boxes the program shows now, oldest first.
std::vector<HWND> ProgramDialogs(const ProgramRun& run);

// "caption: text" of a dialog or message box, on one line.
std::string DescribeDialog(HWND dialog);

// Dismisses a dialog as a user who wants nothing of it would: Cancel, No
// or OK, whichever it has, else the close box.
void DismissDialog(HWND dialog);

// Presses a button of a dialog as a click does.
bool PressButton(HWND dialog, int id);
// Puts text into a dialog's field as typing would.
bool SetFieldText(HWND dialog, int id, const std::string& text);
// Answers that press one button.
DialogAnswer Press(const std::string& caption, int id);
// The answer to a file dialog: the full path typed as the name and OK; a
// question whether to replace the file is answered Yes only when replacing
// is allowed.
DialogAnswer FileDialogAnswer(const std::string& caption, const std::string& windowsPath, bool replace);

// Waits until the commands the program posted to itself at its start (the
// command line's load) have run: false when one of them shows a box (it is
// dismissed and described in *failure) or the time is up.
bool WaitForStartupCommands(const ProgramRun& run, int timeoutMs, std::string* failure);

