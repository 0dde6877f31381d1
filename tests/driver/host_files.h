// Test helpers for files and folders that must resist writing. A user is
// stopped by the write permissions (the read-only attribute of a file);
// a superuser writes whatever they say, and under Wine the tests often run
// as one, so the host's immutable flag (chattr, started as a Unix program
// through Wine) backs them up. Header-only: used by the Win32, GUI and
// program tests.
#pragma once
#include <windows.h>

#include <string>

// Runs a host command line and returns its exit code (999 when it could
// not be started or did not end). Wine may report a Unix program as ended
// before it has done its work: callers check the effect.
inline DWORD RunHostCommand(const std::string& commandLine) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    std::string cmd = commandLine;
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 999;
    DWORD code = 999;
    if (WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

// The host path of a Windows path (empty outside Wine).
inline std::string HostPathOf(const std::string& windowsPath) {
    using UnixName = char*(CDECL*)(LPCWSTR);
    auto convert = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert) return std::string();
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH);
    char* unix = convert(wide);
    if (!unix) return std::string();
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

inline bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A file opens for writing; in a folder a new file can be made (a probe that
// a flag landing meanwhile kept from being deleted goes the next time).
inline bool Writable(const std::string& path) {
    bool folder = IsFolder(path);
    std::string target = folder ? path + "\\write probe" : path;
    if (folder) DeleteFileA(target.c_str());
    HANDLE h = CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, folder ? CREATE_NEW : OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    if (folder) DeleteFileA(target.c_str());
    return true;
}

inline void SetWritePermission(const std::string& path, const std::string& host, bool allowed) {
    if (IsFolder(path))
        RunHostCommand(std::string("/bin/chmod ") + (allowed ? "u+w" : "a-w") + " \"" + host + "\"");
    else
        SetFileAttributesA(path.c_str(), allowed ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY);
}

// Makes a file or folder (no trailing backslash) unwritable: the write
// permissions, then the immutable flag when they do not stop this user.
// Empty when it worked; else why not, for the test's skip message.
inline std::string MakeReadOnly(const std::string& path) {
    std::string host = HostPathOf(path);
    if (host.empty()) return "no host path for " + path;
    SetWritePermission(path, host, false);
    if (!Writable(path)) return std::string();
    RunHostCommand("/usr/bin/chattr +i \"" + host + "\"");
    for (int i = 0; i < 100 && Writable(path); ++i) Sleep(20);  // the flag may land after the report
    if (!Writable(path)) return std::string();
    return "neither the write permissions nor the immutable flag (chattr +i: the superuser, on a file system "
           "that keeps it) stop this user writing " + host;
}

// Undoes MakeReadOnly; set-ups call it to clear what a killed run left.
// The immutable flag goes first: while it is set the permissions cannot
// be changed either.
inline void MakeWritable(const std::string& path) {
    std::string host = HostPathOf(path);
    if (host.empty() || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    auto restored = [&] {
        SetWritePermission(path, host, true);
        return Writable(path) && !(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY);
    };
    if (restored()) return;
    RunHostCommand("/usr/bin/chattr -i \"" + host + "\"");
    for (int i = 0; i < 100 && !restored(); ++i) Sleep(20);
}
