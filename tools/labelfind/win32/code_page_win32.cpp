// labelfind's platform on Windows: the system's code page conversions, the
// console's code page for readable text, the wide command line.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include "tools/labelfind/code_page.h"

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

UINT g_codePage = 0;
bool g_singleByte = true;

std::string Utf8Of(const std::wstring& wide, UINT codePage = CP_UTF8) {
    if (wide.empty()) return std::string();
    int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), &out[0], n, nullptr, nullptr);
    return out;
}

std::wstring WideOf(std::string_view text, UINT codePage, DWORD flags = 0) {
    if (text.empty()) return std::wstring();
    int n = MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), &out[0], n);
    return out;
}

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
    return true;
}

void NameToUtf8(std::string_view bytes, std::string* out) {
    if (g_codePage == 0) {
        std::string ignored;
        SelectCodePage(DefaultCodePage(), &ignored);
    }
    std::wstring wide;
    if (g_singleByte) {
        for (char c : bytes) wide += ByteChar(static_cast<unsigned char>(c));
    } else {
        // The system puts U+FFFD (or the code page's default) where it
        // cannot decode.
        wide = WideOf(bytes, g_codePage);
    }
    *out += Utf8Of(wide);
}

bool Utf8ToName(std::string_view utf8, std::string* bytes) {
    std::wstring wide = WideOf(utf8, CP_UTF8, MB_ERR_INVALID_CHARS);
    if (wide.empty() != utf8.empty()) return false;
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
    return Utf8Of(WideOf(utf8, CP_UTF8), console);
}

std::vector<std::string> CommandArguments(int, char**) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) args.push_back(Utf8Of(wide[i]));
    LocalFree(wide);
    return args;
}

void UseBinaryOutput() { _setmode(_fileno(stdout), _O_BINARY); }

std::filesystem::path PathFromUtf8(const std::string& text) { return std::filesystem::path(WideOf(text, CP_UTF8)); }

std::string PathToUtf8(const std::filesystem::path& path) { return Utf8Of(path.wstring()); }

std::FILE* OpenForReading(const std::filesystem::path& path) { return _wfopen(path.c_str(), L"rb"); }
