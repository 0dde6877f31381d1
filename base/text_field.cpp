#include "base/text_field.h"

void CopyText(char* dest, size_t size, const char* src) {
    if (size == 0) return;
    size_t i = 0;
    if (src)
        for (; i + 1 < size && src[i]; ++i) dest[i] = src[i];
    dest[i] = '\0';
}
