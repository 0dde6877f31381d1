// Copies into fixed text fields: always cut to the field and terminated.
#pragma once
#include <cstddef>

void CopyText(char* dest, size_t size, const char* src);

template <size_t N>
void CopyField(char (&dest)[N], const char* src) {
    CopyText(dest, N, src);
}
