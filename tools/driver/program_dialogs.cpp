#include "tools/driver/program_dialogs.h"

#include <commctrl.h>
#include <dlgs.h>

#include <memory>
#include <thread>

namespace {

struct DialogSearch {
    DWORD processId;
    std::vector<HWND>* found;
};

BOOL CALLBACK AddDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->processId && IsWindowVisible(window) && ClassNameOf(window) == "#32770")
        search->found->push_back(window);
    return TRUE;
}

// The command's message, sent from a thread of its own: SendMessage comes
// back only when the window procedure has returned, which for a command
// with dialogs is after the last of them closed.
struct Sending {
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool handled = false;
    ~Sending() { CloseHandle(done); }
};

std::shared_ptr<Sending> SendInBackground(HWND window, UINT message, WPARAM wParam, int timeoutMs) {
    auto sending = std::make_shared<Sending>();
    std::thread([sending, window, message, wParam, timeoutMs] {
        DWORD_PTR result = 0;
        sending->handled = SendMessageTimeoutA(window, message, wParam, 0, SMTO_NORMAL,
                                               static_cast<UINT>(timeoutMs), &result) != 0;
        SetEvent(sending->done);
    }).detach();
    return sending;
}

// "Kestrin Label *" matches every caption that starts "Kestrin Label ".
bool CaptionMatches(const std::string& pattern, const std::string& caption) {
    if (!pattern.empty() && pattern.back() == '*') return caption.compare(0, pattern.size() - 1, pattern, 0, pattern.size() - 1) == 0;
    return pattern == caption;
}

bool Contains(const std::vector<HWND>& windows, HWND window) {
    for (HWND w : windows)
        if (w == window) return true;
    return false;
}

// One look at the program's dialogs: answers what is expected, stops at
// what is not. False when the wait must end (failure set).
bool AnswerDialogs(const ProgramRun& run, const std::vector<DialogAnswer>& answers, std::vector<HWND>* answered,
                   const std::string& what, CommandOutcome* outcome) {
    for (HWND dialog : ProgramDialogs(run)) {
        if (Contains(*answered, dialog)) continue;
        std::string caption = WindowText(dialog);
        const DialogAnswer* expected = nullptr;
        for (const DialogAnswer& a : answers)
            if (CaptionMatches(a.caption, caption)) expected = &a;
        if (!expected) {
            outcome->failure = what + ": the program showed \"" + DescribeDialog(dialog) + "\"";
            DismissDialog(dialog);
            return false;
        }
        std::string failure;
        if (!expected->answer(dialog, &failure)) {
            outcome->failure = what + ": " + caption + ": " + failure;
            DismissDialog(dialog);
            return false;
        }
        answered->push_back(dialog);
        outcome->asked.push_back(caption);
    }
    return true;
}

// An answered dialog stays in the list while it closes; a window handle
// may be used again by a later dialog once the first is gone.
void ForgetClosed(std::vector<HWND>* answered) {
    std::vector<HWND> open;
    for (HWND w : *answered)
        if (IsWindow(w) && IsWindowVisible(w)) open.push_back(w);
    answered->swap(open);
}

}  // namespace

std::vector<HWND> ProgramDialogs(const ProgramRun& run) {
    std::vector<HWND> found;
    DialogSearch search = {run.process.dwProcessId, &found};
    EnumWindows(AddDialog, reinterpret_cast<LPARAM>(&search));
    // EnumWindows lists the topmost first: the newest dialog is on top.
    return std::vector<HWND>(found.rbegin(), found.rend());
}

std::string DescribeDialog(HWND dialog) {
    std::string text = ChildTexts(dialog);
    // Buttons and empty labels add nothing to the message.
    std::string message;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('|', start);
        if (end == std::string::npos) end = text.size();
        std::string part = text.substr(start, end - start);
        bool button = part.empty() || part == "OK" || part == "&OK" || part == "Cancel" || part == "&Yes" ||
                      part == "&No" || part == "Yes" || part == "No";
        if (!button) message += (message.empty() ? "" : " ") + part;
        start = end + 1;
    }
    for (char& c : message)
        if (c == '\r' || c == '\n') c = ' ';
    return WindowText(dialog) + ": " + message;
}

void DismissDialog(HWND dialog) {
    for (int id : {IDCANCEL, IDNO, IDOK}) {
        HWND button = GetDlgItem(dialog, id);
        if (button && IsWindowVisible(button) && IsWindowEnabled(button)) {
            PostMessageA(button, BM_CLICK, 0, 0);
            return;
        }
    }
    PostMessageA(dialog, WM_CLOSE, 0, 0);
}

bool PressButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    if (!button || !IsWindowEnabled(button)) return false;
    // Posted: the click may start a dialog of its own ("&Save Label" opens
    // Save As), which must not hold this side waiting.
    return PostMessageA(button, BM_CLICK, 0, 0) != 0;
}

bool SetFieldText(HWND dialog, int id, const std::string& text) {
    HWND field = GetDlgItem(dialog, id);
    DWORD_PTR result = 0;
    return field && SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                        SMTO_NORMAL, 5000, &result) && result;
}

DialogAnswer Press(const std::string& caption, int id) {
    return {caption, [id](HWND dialog, std::string* failure) {
                if (PressButton(dialog, id)) return true;
                *failure = "it has no button " + std::to_string(id) + " to press";
                return false;
            }};
}

DialogAnswer FileDialogAnswer(const std::string& caption, const std::string& windowsPath, bool replace) {
    return {caption, [windowsPath, replace](HWND dialog, std::string* failure) {
                if (GetDlgItem(dialog, IDYES)) {
                    if (replace) return PressButton(dialog, IDYES);
                    *failure = "asked to replace " + windowsPath;
                    return false;
                }
                if (!GetDlgItem(dialog, cmb13)) {
                    *failure = DescribeDialog(dialog);
                    return false;
                }
                if (!SetFieldText(dialog, cmb13, windowsPath) || !PressButton(dialog, IDOK)) {
                    *failure = "cannot type the file name";
                    return false;
                }
                return true;
            }};
}

CommandOutcome CarryOut(const ProgramRun& run, int command, const std::vector<DialogAnswer>& answers,
                        int timeoutMs, const std::string& what) {
    CommandOutcome outcome;
    std::shared_ptr<Sending> sending = SendInBackground(run.window, WM_COMMAND, static_cast<WPARAM>(command), timeoutMs);
    std::vector<HWND> answered;
    DWORD start = GetTickCount();
    for (;;) {
        bool returned = WaitForSingleObject(sending->done, 20) == WAIT_OBJECT_0;
        if (!AnswerDialogs(run, answers, &answered, what, &outcome)) return outcome;
        if (returned) {
            outcome.done = sending->handled;
            if (!outcome.done) outcome.failure = what + ": the program did not answer";
            return outcome;
        }
        if (WaitForSingleObject(run.process.hProcess, 0) == WAIT_OBJECT_0) {
            outcome.failure = what + ": " + run.edition + " ended on the way";
            return outcome;
        }
        if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) {
            outcome.failure = what + ": not done within " + std::to_string(timeoutMs / 1000) + " s";
            return outcome;
        }
        ForgetClosed(&answered);
    }
}

CommandOutcome CloseAndWait(ProgramRun* run, const std::vector<DialogAnswer>& answers, int timeoutMs,
                            DWORD* exitCode) {
    CommandOutcome outcome;
    PostMessageA(run->window, WM_CLOSE, 0, 0);
    std::vector<HWND> answered;
    DWORD start = GetTickCount();
    while (WaitForSingleObject(run->process.hProcess, 20) != WAIT_OBJECT_0) {
        // A box that nobody expected is told and dismissed, and the close
        // request that waited behind it goes on.
        CommandOutcome look;
        if (!AnswerDialogs(*run, answers, &answered, "closing the program", &look) && outcome.failure.empty())
            outcome.failure = look.failure;
        outcome.asked.insert(outcome.asked.end(), look.asked.begin(), look.asked.end());
        ForgetClosed(&answered);
        if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) {
            if (outcome.failure.empty())
                outcome.failure = "closing the program: " + run->edition + " still ran after " +
                                  std::to_string(timeoutMs / 1000) + " s and was ended";
            KillProgram(run);
            return outcome;
        }
    }
    outcome.done = WaitForExit(run, exitCode, 0);
    return outcome;
}

bool WaitForStartupCommands(const ProgramRun& run, int timeoutMs, std::string* failure) {
    // The start-up writes its banner into the status bar after it posted
    // the command line's request; a paint asked for after that comes only
    // once the request has run (or shows a box whose loop paints).
    HWND status = FindWindowExA(run.window, nullptr, STATUSCLASSNAMEA, nullptr);
    if (!status ||
        !WaitFor([&] { return WindowText(status).compare(0, run.edition.size(), run.edition) == 0; }, timeoutMs)) {
        *failure = "no start-up banner within " + std::to_string(timeoutMs / 1000) + " s";
        return false;
    }
    if (!WaitUntilHandled(run.window, timeoutMs)) {
        *failure = "the program's start-up commands did not end within " + std::to_string(timeoutMs / 1000) + " s";
        return false;
    }
    std::vector<HWND> boxes = ProgramDialogs(run);
    if (boxes.empty()) return true;
    *failure = "the program showed \"" + DescribeDialog(boxes.front()) + "\"";
    DismissDialog(boxes.front());
    return false;
}
