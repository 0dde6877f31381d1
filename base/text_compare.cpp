#include "base/text_compare.h"

#include <cstring>

int CompareNoCase(const char* a, const char* b) {
    for (;; ++a, ++b) {
        int ca = FoldNameByte(static_cast<unsigned char>(*a));
        int cb = FoldNameByte(static_cast<unsigned char>(*b));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}

bool ContainsNoCase(const char* text, const char* pattern, size_t patternLength) {
    if (patternLength == 0) return true;
    for (; *text; ++text) {
        size_t i = 0;
        while (i < patternLength && text[i] &&
               FoldNameByte(static_cast<unsigned char>(text[i])) == FoldNameByte(static_cast<unsigned char>(pattern[i])))
            ++i;
        if (i == patternLength) return true;
    }
    return false;
}

bool ContainsNoCase(const char* text, const char* pattern) {
    return ContainsNoCase(text, pattern, std::strlen(pattern));
}

int FieldLength(const char* field, size_t size) {
    const void* end = std::memchr(field, 0, size);
    return static_cast<int>(end ? static_cast<const char*>(end) - field : static_cast<ptrdiff_t>(size));
}
