// A settings key formatted from a pattern with up to two indexes, such as
// "Columns%d" or "ExtFont%d_%d".
#pragma once
#include <cstdio>

struct SettingsKey {
    char text[96];
    explicit SettingsKey(const char* format, int a = 0, int b = 0) {
        std::snprintf(text, sizeof text, format, a, b);
    }
    operator const char*() const { return text; }
};
