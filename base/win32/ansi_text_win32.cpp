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
