// The ANSI conversion seam of catalog/zip_names.h as Windows-1252 converts:
// the code page of the core tests, where a Western system's names are.
#pragma once
#include <string>

#include "catalog/zip_names.h"

inline std::string Windows1252FromUtf8(const std::string& utf8) {
    // Code points of 0x80 to 0x9F; 0 where the code page has none.
    static const char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                       0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    std::u32string points;
    DecodeUtf8(utf8, &points);
    std::string out;
    for (char32_t c : points) {
        char byte = '?';
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) byte = static_cast<char>(c);
        for (int i = 0; i < 32; ++i)
            if (c != 0 && kHigh[i] == c) byte = static_cast<char>(0x80 + i);
        out += byte;
    }
    return out;
}
