#include "base/win32/ansi_text_win32.h"

#include <windows.h>

std::string SystemAnsiFromUtf8(const std::string& utf8) {
    if (utf8.empty() || GetACP() == CP_UTF8) return utf8;
    int length = static_cast<int>(utf8.size());
    int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    if (wideLength <= 0) return std::string();
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, &wide[0], wideLength);
    int ansiLength = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, nullptr, 0, "?", nullptr);
    if (ansiLength <= 0) return std::string();
    std::string ansi(static_cast<size_t>(ansiLength), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, &ansi[0], ansiLength, "?", nullptr);
    return ansi;
}

std::wstring WideFromCodePage(std::string_view text, unsigned codePage) {
    if (text.empty()) return std::wstring();
    int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &out[0], n);
    return out;
}

std::string CodePageFromWide(std::wstring_view wide, unsigned codePage) {
    if (wide.empty()) return std::string();
    int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::string();
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), &out[0], n, nullptr, nullptr);
    return out;
}

std::wstring Wide(const std::string& utf8) { return WideFromCodePage(utf8, CP_UTF8); }

std::string Utf8(const std::wstring& wide) { return CodePageFromWide(wide, CP_UTF8); }

std::string Utf8FromAnsi(const std::string& ansi) { return Utf8(WideFromCodePage(ansi, CP_ACP)); }
