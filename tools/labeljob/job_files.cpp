#include "tools/labeljob/job_files.h"

#include <vector>

std::wstring WindowsPathW(const std::string& path) {
    std::wstring wide = Wide(path);
    if (wide.size() >= 2 && wide[1] == L':') return wide;
    std::wstring out = L"Z:" + wide;
    for (wchar_t& c : out)
        if (c == L'/') c = L'\\';
    return out;
}

bool AnsiWindowsPath(const std::string& path, std::string* ansi) {
    std::wstring wide = WindowsPathW(path);
    BOOL lossy = FALSE;
    int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, nullptr, 0, nullptr, &lossy);
    if (n <= 0 || lossy) return false;
    std::vector<char> out(static_cast<size_t>(n));
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, out.data(), n, nullptr, &lossy);
    *ansi = out.data();
    return !lossy;
}

namespace {

DWORD Attributes(const std::string& path) { return GetFileAttributesW(WindowsPathW(path).c_str()); }

// Entries of the folder other than "." and ".."; -1 when it cannot be listed.
int CountEntries(const std::string& path, int atMost) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((WindowsPathW(path) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return -1;
    int count = 0;
    do {
        if (wcscmp(found.cFileName, L".") != 0 && wcscmp(found.cFileName, L"..") != 0) ++count;
    } while (count < atMost && FindNextFileW(search, &found));
    FindClose(search);
    return count;
}

}  // namespace

bool IsFolder(const std::string& path) {
    DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const std::string& path) {
    DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderReadable(const std::string& path) { return CountEntries(path, 1) >= 0; }

bool FolderEmpty(const std::string& path) { return CountEntries(path, 1) == 0; }

bool ReadWholeFile(const std::string& path, std::string* bytes) {
    HANDLE file = CreateFileW(WindowsPathW(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    // To the end, whatever size the file claims: /proc's files claim none.
    bytes->clear();
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != 0) && got > 0) {
        bytes->append(buffer, got);
        if (bytes->size() > (size_t(1) << 30)) ok = false;
    }
    CloseHandle(file);
    return ok;
}

bool CopyOneFile(const std::string& from, const std::string& to) {
    return CopyFileW(WindowsPathW(from).c_str(), WindowsPathW(to).c_str(), FALSE) != 0;
}

bool MakeFolders(const std::string& path) {
    if (path.empty() || IsFolder(path)) return true;
    size_t slash = path.find_last_of('/', path.size() - 2);
    if (slash != std::string::npos && slash > 0 && !MakeFolders(path.substr(0, slash))) return false;
    return CreateDirectoryW(WindowsPathW(path).c_str(), nullptr) || IsFolder(path);
}

std::string LastPathPart(const std::string& path) {
    std::string p = path;
    while (p.size() > 1 && (p.back() == '/' || p.back() == '\\')) p.pop_back();
    size_t slash = p.find_last_of("/\\");
    return slash == std::string::npos ? p : p.substr(slash + 1);
}
