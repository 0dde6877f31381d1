// Comparing names without regard to case (ASCII letters only, as the
// catalog's names are compared everywhere), and the length of a fixed field.
#pragma once
#include <cstddef>

// A name's byte as the comparisons below see it: ASCII letters in lower
// case, every other byte as it is.
inline int FoldNameByte(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }

// -1, 0 or 1 as a sorts before, equal to or after b, letters folded to
// lower case.
int CompareNoCase(const char* a, const char* b);

// Whether pattern (its first patternLength characters) occurs in text.
// An empty pattern occurs everywhere.
bool ContainsNoCase(const char* text, const char* pattern, size_t patternLength);
bool ContainsNoCase(const char* text, const char* pattern);

// Characters before the terminator of a fixed field; the whole field when
// it has none.
int FieldLength(const char* field, size_t size);
