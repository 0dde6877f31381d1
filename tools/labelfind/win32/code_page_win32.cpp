// labelfind's platform on Windows: the system's code page conversions, the
// console's code page for readable text, the wide command line.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include "base/win32/ansi_text_win32.h"
#include "tools/labelfind/code_page.h"

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

std::filesystem::path PathFromUtf8(const std::string& text) { return std::filesystem::path(Wide(text)); }

std::string PathToUtf8(const std::filesystem::path& path) { return Utf8(path.wstring()); }

std::FILE* OpenForReading(const std::filesystem::path& path) { return _wfopen(path.c_str(), L"rb"); }
