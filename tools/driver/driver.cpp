#include "tools/driver/driver.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "tools/driver/input_events.h"

namespace {

struct CaptionSearch {
    DWORD processId;
    const std::string* caption;
    bool tail;  // the caption's end is enough
    int count;
    HWND first;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM param) {
    auto* data = reinterpret_cast<CaptionSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != data->processId || !IsWindowVisible(window)) return TRUE;
    std::string text = WindowText(window);
    const std::string& caption = *data->caption;
    if (text == caption || (data->tail && text.size() > caption.size() &&
                            text.compare(text.size() - caption.size(), caption.size(), caption) == 0)) {
        if (!data->count++) data->first = window;
    }
    return TRUE;
}

CaptionSearch SearchCaption(const ProgramRun& run, const std::string& caption, bool tail = false) {
    CaptionSearch data = {run.process.dwProcessId, &caption, tail, 0, nullptr};
    EnumWindows(MatchCaption, reinterpret_cast<LPARAM>(&data));
    return data;
}

BOOL CALLBACK AddChildText(HWND child, LPARAM lParam) {
    auto* out = reinterpret_cast<std::string*>(lParam);
    if (!out->empty()) *out += "|";
    *out += WindowText(child);
    return TRUE;
}

}  // namespace

std::string ChildTexts(HWND window) {
    std::string out;
    EnumChildWindows(window, AddChildText, reinterpret_cast<LPARAM>(&out));
    return out;
}

std::string WindowsPathOf(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string EditionExePath(const std::string& edition) {
    char folder[MAX_PATH] = "";
    DWORD length = GetEnvironmentVariableA("LABEL_PROGRAMS_DIR", folder, sizeof folder);
    if (length == 0 || length >= sizeof folder)
        return WindowsPathOf(std::string(LABEL_BINARY_DIR) + "/" + edition + ".exe");
    if (folder[0] == '/') return WindowsPathOf(std::string(folder) + "/" + edition + ".exe");
    return std::string(folder) + "\\" + edition + ".exe";
}

std::string EditionIniPath(const std::string& edition) {
    char dir[MAX_PATH];
    GetWindowsDirectoryA(dir, sizeof dir);
    return std::string(dir) + "\\" + edition + ".ini";
}

bool WriteEditionIni(const std::string& edition, const char* contents) {
    std::string path = EditionIniPath(edition);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << (contents ? contents : "[tlm5]\r\nDrive=67\r\n");
    return static_cast<bool>(out);
}

bool ReadEditionIni(const std::string& edition, std::string* contents) {
    std::ifstream in(EditionIniPath(edition), std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    *contents = text.str();
    return true;
}

namespace {

struct DesktopFind {
    DWORD processId;
    std::string className;
    HWND found;
};

BOOL CALLBACK FindOnDesktop(HWND window, LPARAM param) {
    auto* data = reinterpret_cast<DesktopFind*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == data->processId && ClassNameOf(window) == data->className) {
        data->found = window;
        return FALSE;
    }
    return TRUE;
}

// Every started program belongs to one job that dies with the process that
// drives it, so that a crashed or aborted test or job leaves no program
// behind.
HANDLE ProgramsJob() {
    static HANDLE job = [] {
        HANDLE created = CreateJobObjectA(nullptr, nullptr);
        if (created) {
            JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
            limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
            SetInformationJobObject(created, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        }
        return created;
    }();
    return job;
}

}  // namespace

namespace {

// Waits until the process shows its main window; kills it on a timeout.
bool WaitForMainWindow(ProgramRun* run, std::string* error, int timeoutMs) {
    const std::string& edition = run->edition;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < static_cast<DWORD>(timeoutMs)) {
        DesktopFind data = {run->process.dwProcessId, edition, nullptr};
        EnumWindows(FindOnDesktop, reinterpret_cast<LPARAM>(&data));
        if (data.found && IsWindowVisible(data.found)) {
            run->window = data.found;
            if (WaitUntilHandled(run->window)) return true;
            *error = edition + ": the window did not take its first messages";
            KillProgram(run);
            return false;
        }
        if (WaitForSingleObject(run->process.hProcess, 0) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(run->process.hProcess, &code);
            *error = edition + " ended before showing its window, exit code " + std::to_string(code);
            return false;
        }
        Sleep(50);
    }
    *error = edition + ": no visible main window within " + std::to_string(timeoutMs) + " ms";
    KillProgram(run);
    return false;
}

}  // namespace

bool StartEdition(ProgramRun* run, const std::string& edition, const std::string& arguments, std::string* error,
                  int timeoutMs, bool quiet) {
    run->edition = edition;
    std::string commandLine = "\"" + EditionExePath(edition) + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE nul = quiet ? CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                     OPEN_EXISTING, 0, nullptr)
                       : INVALID_HANDLE_VALUE;
    if (nul != INVALID_HANDLE_VALUE) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
    }
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    BOOL started = CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, nul != INVALID_HANDLE_VALUE, 0, nullptr,
                                  nullptr, &startup, &run->process);
    DWORD startError = GetLastError();
    if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
    if (!started) {
        *error = "CreateProcess failed for " + commandLine + ": error " + std::to_string(startError);
        return false;
    }
    if (HANDLE job = ProgramsJob()) AssignProcessToJobObject(job, run->process.hProcess);
    return WaitForMainWindow(run, error, timeoutMs);
}

bool AdoptProcess(ProgramRun* run, HANDLE process, const std::string& edition, std::string* error, int timeoutMs) {
    run->edition = edition;
    run->process = {};
    run->process.hProcess = process;
    run->process.dwProcessId = GetProcessId(process);
    if (HANDLE job = ProgramsJob()) AssignProcessToJobObject(job, process);
    return WaitForMainWindow(run, error, timeoutMs);
}

bool CancelDriveDialog(const ProgramRun& run, int waitMs) {
    HWND dialog = nullptr;
    if (!WaitFor([&] { return (dialog = SearchCaption(run, " Drive Selection", true).first) != nullptr; }, waitMs))
        return false;
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    WaitFor([&] { return !IsWindowVisible(dialog); }, 2000);
    return true;
}

bool WaitForExit(ProgramRun* run, DWORD* exitCode, int timeoutMs) {
    if (!run->process.hProcess) return false;
    if (WaitForSingleObject(run->process.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) {
        KillProgram(run);
        return false;
    }
    GetExitCodeProcess(run->process.hProcess, exitCode);
    CloseHandle(run->process.hProcess);
    if (run->process.hThread) CloseHandle(run->process.hThread);
    run->process = {};
    run->window = nullptr;
    return true;
}

bool CloseProgram(ProgramRun* run, DWORD* exitCode, int timeoutMs) {
    if (run->window) PostMessageA(run->window, WM_CLOSE, 0, 0);
    return WaitForExit(run, exitCode, timeoutMs);
}

void KillProgram(ProgramRun* run) {
    if (run->process.hProcess) {
        if (WaitForSingleObject(run->process.hProcess, 0) != WAIT_OBJECT_0) {
            TerminateProcess(run->process.hProcess, 99);
            WaitForSingleObject(run->process.hProcess, 5000);
        }
        CloseHandle(run->process.hProcess);
        if (run->process.hThread) CloseHandle(run->process.hThread);
    }
    run->process = {};
    run->window = nullptr;
}

std::string WindowText(HWND window) {
    char text[1024] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return text;
}

std::string ClassNameOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

HWND ChildById(HWND parent, int id) { return GetDlgItem(parent, id); }

int ToolbarButtonCount(HWND toolbar) { return static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0)); }

bool ToolbarButtonAt(const ProgramRun& run, HWND toolbar, int index, TBBUTTON* button) {
    HANDLE process = run.process.hProcess;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(TBBUTTON), MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return false;
    bool ok = SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote)) &&
              ReadProcessMemory(process, remote, button, sizeof(TBBUTTON), nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return ok;
}

int ToolbarState(HWND toolbar, int command) {
    return static_cast<int>(SendMessageA(toolbar, TB_GETSTATE, static_cast<WPARAM>(command), 0));
}

void SendCommand(HWND window, int command) { PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(command), 0); }

namespace {

// Input goes to the foreground window's thread: it must be in front and
// have handled its activation before the input is sent.
void BringToFront(HWND window) {
    HWND top = GetAncestor(window, GA_ROOT);
    SetForegroundWindow(top);
    WaitFor([top] { return GetForegroundWindow() == top; }, 5000);
    WaitUntilHandled(window);
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= static_cast<DWORD>(timeoutMs)) return false;
        Sleep(10);
    }
    return true;
}

bool WaitUntilHandled(HWND window, int timeoutMs) {
    RECT corner = {0, 0, 1, 1}, update;
    InvalidateRect(window, &corner, FALSE);
    return WaitFor([&] { return !IsWindowVisible(window) || !GetUpdateRect(window, &update, FALSE); }, timeoutMs);
}

void PressKey(HWND window, WORD key, const std::vector<WORD>& modifiers) {
    BringToFront(window);
    std::vector<INPUT> inputs;
    for (WORD m : modifiers) inputs.push_back(KeyEvent(m, false));
    inputs.push_back(KeyEvent(key, false));
    inputs.push_back(KeyEvent(key, true));
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) inputs.push_back(KeyEvent(*it, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    WaitUntilHandled(window);
}

void ClickClient(HWND window, int x, int y) {
    BringToFront(window);
    POINT point = {x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    // The position travels in the events themselves: a pointer motion the
    // X server reports late must not move the click off the target.
    INPUT inputs[2] = {MouseEventAt(point, MOUSEEVENTF_LEFTDOWN), MouseEventAt(point, MOUSEEVENTF_LEFTUP)};
    SendInput(2, inputs, sizeof(INPUT));
    WaitUntilHandled(window);
}

int CountBadStuffBoxes(const ProgramRun& run) { return SearchCaption(run, "BAD STUFF").count; }

HWND FindProgramWindow(const ProgramRun& run, const std::string& caption, int timeoutMs) {
    HWND found = nullptr;
    WaitFor([&] { return (found = SearchCaption(run, caption).first) != nullptr; }, timeoutMs);
    return found;
}
