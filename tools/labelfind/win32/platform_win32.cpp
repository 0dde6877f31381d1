// labelfind's platform on Windows: the system's code page conversions, the
// console's code page for readable text, the wide command line.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include "base/win32/ansi_text_win32.h"
#include "base/win32/command_line_win32.h"
#include "tools/labelfind/platform.h"

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

UINT g_codePage = 0;
bool g_singleByte = true;
wchar_t g_byteChars[256];  // each byte's character, when single-byte

// One byte of a single-byte code page; U+FFFD where the code page has no
// character (the system maps some of those to the C1 controls).
wchar_t ByteChar(unsigned char byte) {
    char c = static_cast<char>(byte);
    wchar_t wide = 0;
    if (MultiByteToWideChar(g_codePage, MB_ERR_INVALID_CHARS, &c, 1, &wide, 1) != 1) return kReplacement;
    if (byte >= 0x80 && wide >= 0x80 && wide < 0xA0) return kReplacement;
    return wide;
}

}  // namespace

int DefaultCodePage() { return static_cast<int>(GetACP()); }

bool SelectCodePage(int number, std::string* error) {
    CPINFO info;
    if (!IsValidCodePage(static_cast<UINT>(number)) || !GetCPInfo(static_cast<UINT>(number), &info)) {
        *error = "code page " + std::to_string(number) + " is not one this system knows";
        return false;
    }
    g_codePage = static_cast<UINT>(number);
    g_singleByte = info.MaxCharSize == 1;
    for (int b = 0; g_singleByte && b < 256; ++b) g_byteChars[b] = ByteChar(static_cast<unsigned char>(b));
    return true;
}

void NameToUtf8(std::string_view bytes, std::string* out) {
    if (g_codePage == 0) {
        std::string ignored;
        SelectCodePage(DefaultCodePage(), &ignored);
    }
    std::wstring wide;
    if (g_singleByte) {
        for (char c : bytes) wide += g_byteChars[static_cast<unsigned char>(c)];
    } else {
        // The system puts U+FFFD (or the code page's default) where it
        // cannot decode.
        wide = WideFromCodePage(bytes, g_codePage);
    }
    *out += Utf8(wide);
}

bool Utf8ToName(std::string_view utf8, std::string* bytes) {
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0) <=
            0 &&
        !utf8.empty())
        return false;  // no UTF-8
    std::wstring wide = WideFromCodePage(utf8, CP_UTF8);
    UINT codePage = g_codePage ? g_codePage : static_cast<UINT>(DefaultCodePage());
    if (wide.empty()) {
        bytes->clear();
        return true;
    }
    BOOL lossy = FALSE;
    BOOL* lossyFlag = codePage == CP_UTF8 || codePage == CP_UTF7 ? nullptr : &lossy;
    DWORD flags = lossyFlag ? WC_NO_BEST_FIT_CHARS : 0;
    int n = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                lossyFlag);
    if (n <= 0 || lossy) return false;
    bytes->assign(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), &(*bytes)[0], n, nullptr,
                        nullptr);
    return true;
}

std::string ForConsole(const std::string& utf8) {
    UINT console = GetConsoleOutputCP();
    if (console == 0) console = GetOEMCP();
    if (console == CP_UTF8) return utf8;
    return CodePageFromWide(Wide(utf8), console);
}

std::vector<std::string> CommandArguments(int, char**) { return CommandLineUtf8(); }

void UseBinaryOutput() { _setmode(_fileno(stdout), _O_BINARY); }

char PathSeparator() { return '\\'; }

namespace {

std::string ErrorText(DWORD error) {
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME)
        return "No such file or folder";
    if (error == ERROR_ACCESS_DENIED) return "Access denied";
    return "cannot be read (system error " + std::to_string(error) + ")";
}

}  // namespace

bool KindOfPath(const std::string& path, PathKind* kind, std::string* error) {
    DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        *error = ErrorText(GetLastError());
        return false;
    }
    *kind = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PATH_FOLDER
            : (attributes & FILE_ATTRIBUTE_DEVICE)  ? PATH_OTHER
                                                    : PATH_FILE;
    return true;
}

bool ListFolder(const std::string& path, std::vector<FolderEntry>* entries, std::string* error) {
    std::string pattern = path.empty() || path.back() == '\\' || path.back() == '/' ? path + "*" : path + "\\*";
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Wide(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        *error = ErrorText(GetLastError());
        return false;
    }
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        // A reparse point (a symbolic link, a junction) is a link: a folder
        // behind one is not walked into.
        bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entries->push_back({Utf8(name), folder ? PATH_FOLDER : PATH_FILE,
                            (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
    } while (FindNextFileW(search, &found));
    DWORD last = GetLastError();
    FindClose(search);
    if (last != ERROR_NO_MORE_FILES) {
        *error = ErrorText(last);
        return false;
    }
    return true;
}

std::FILE* OpenForReading(const std::string& path) { return _wfopen(Wide(path).c_str(), L"rb"); }
