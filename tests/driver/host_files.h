// Test helpers for files that must resist writing. Under Wine a superuser
// writes files whatever their read-only attribute says, so the host's
// immutable flag (chattr, started as a Unix program through Wine) backs the
// attribute up. Header-only: used by the Win32 and the program tests.
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

inline bool FileWritable(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

// The read-only attribute, then the immutable flag when the attribute
// alone does not stop this user. True when the file cannot be written.
inline bool MakeFileReadOnly(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    std::string host = HostPathOf(path);
    if (FileWritable(path) && !host.empty()) {
        RunHostCommand("/usr/bin/chattr +i " + host);
        for (int i = 0; i < 100 && FileWritable(path); ++i) Sleep(20);
    }
    return !FileWritable(path);
}

// Undoes MakeFileReadOnly. The immutable flag goes first: while it is set
// the attribute cannot be changed either.
inline void MakeFileWritable(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    std::string host = HostPathOf(path);
    bool asked = false;
    for (int i = 0; i < 100; ++i) {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (FileWritable(path) && !(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY)) return;
        if (!asked && !host.empty()) RunHostCommand("/usr/bin/chattr -i " + host);
        asked = true;
        Sleep(20);
    }
}
