#include "tests/gui/gui_harness.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "editions/edition.h"
#include "shell/win32/main_window.h"
#include "shell/win32/program.h"
#include "shell/win32/report_win32.h"
#include "shell/view_state.h"
#include "shell/win32/win_state.h"
#include "tools/driver/driver.h"
#include "tests/driver/host_files.h"

namespace {
std::string IniPath() {
    char dir[MAX_PATH];
    GetWindowsDirectoryA(dir, sizeof dir);
    return std::string(dir) + "\\" + TheEdition().iniFile;
}
}  // namespace

std::string EditionIniText() {
    std::ifstream in(IniPath(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const char* const kFirstStartIni = "first start";
const char* const kKeepIni = "keep";

namespace {

UINT_PTR g_driveAnswer = 0;

// A first start asks for the drive: the dialog is cancelled (the drive
// stays "C").
void CALLBACK CancelDriveDialog(HWND, UINT, UINT_PTR, DWORD) {
    std::string caption = std::string(TheEdition().mediumWord) + " Drive Selection";
    HWND dialog = FindWindowA("#32770", caption.c_str());
    if (dialog && IsWindowVisible(dialog)) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        DispatchProgramMessage(&message);
    }
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    return WaitFor([&] {
        PumpMessages();
        return done();
    }, timeoutMs);
}

bool PumpUntilHandled(HWND window, int timeoutMs) {
    RECT corner = {0, 0, 1, 1}, update;
    InvalidateRect(window, &corner, FALSE);
    return PumpUntil([&] { return !IsWindowVisible(window) || !GetUpdateRect(window, &update, FALSE); }, timeoutMs);
}

HWND StartMainWindowInProcess(const char* iniContents, const char* commandLine, AfterCreateHook afterCreate) {
    if (iniContents != kKeepIni) MakeWritable(IniPath());  // a killed read-only test may have left it so
    if (iniContents == kFirstStartIni) {
        DeleteFileA(IniPath().c_str());
        if (!g_driveAnswer) g_driveAnswer = SetTimer(nullptr, 0, 50, CancelDriveDialog);
    } else if (iniContents != kKeepIni) {
        std::ofstream(IniPath(), std::ios::binary | std::ios::trunc) << (iniContents ? iniContents : "[tlm5]\r\nDrive=67\r\n");
    }
    // Every test starts from a fresh process state, as the program does.
    g_view = ViewState();
    g_win = WinState();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    g_win.instance = instance;
    InstallWin32Hooks();
    if (!RegisterMainWindowClass(instance)) return nullptr;
    HWND window = CreateMainWindow(instance);
    if (!window) return nullptr;
    g_win.accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(113));
    g_view.commandLine = commandLine ? commandLine : "";
    if (afterCreate) afterCreate(window);
    // A loaded machine can take a while; give the continuation ten seconds.
    PumpUntil([window] { return IsWindowVisible(window) != 0; });
    // What the continuation posted (the drive dialog, a command-line
    // request) and the first paint.
    bool handled = PumpUntilHandled(window);
    return handled && IsWindowVisible(window) ? window : nullptr;
}

void CloseMainWindowInProcess() {
    if (g_win.main && IsWindow(g_win.main)) DestroyWindow(g_win.main);
    PumpMessages();
    if (g_driveAnswer) KillTimer(nullptr, g_driveAnswer);
    g_driveAnswer = 0;
}
