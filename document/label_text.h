// The text conventions of label bodies and templates: one number a line,
// free texts behind a full stop, the 13-line font block. Reading walks a
// byte buffer line by line and never past its end; a line is one line
// whatever it holds, so an empty text never shifts what follows.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "record/font_desc.h"

struct LineReader {
    const char* data;
    size_t size;
    size_t pos;
};

inline LineReader MakeLineReader(const char* data, size_t size) { return {data, size, 0}; }
inline size_t BytesLeft(const LineReader& r) { return r.size - r.pos; }

// The readers of the lines a body is mostly made of (numbers, texts behind
// a full stop) are inline: a large catalog is millions of them, read by the
// programs and by labelfind alike.

// The next line without its line feed; false at the end of the data. A
// last line without a line feed comes back with *terminated false.
inline bool NextLine(LineReader* r, std::string_view* line, bool* terminated) {
    if (r->pos >= r->size) return false;
    const char* start = r->data + r->pos;
    size_t left = r->size - r->pos;
    const void* feed = std::memchr(start, '\n', left);
    size_t length = feed ? static_cast<size_t>(static_cast<const char*>(feed) - start) : left;
    *line = std::string_view(start, length);
    *terminated = feed != nullptr;
    r->pos += feed ? length + 1 : length;
    return true;
}

// ReadNumber for the lines its quick way does not take.
bool ReadNumberOfAnyForm(LineReader* r, int64_t low, int64_t high, int64_t* value);

// One line holding one decimal number (blanks around it allowed) within
// [low, high]. Only a number may end the data without its line feed: a
// text cut there could not be told from a whole one.
inline bool ReadNumber(LineReader* r, int64_t low, int64_t high, int64_t* value) {
    // The line as the writer makes it (digits, perhaps a minus, the line
    // feed) in one pass; anything else the general way.
    const char* start = r->data + r->pos;
    const char* end = r->data + r->size;
    bool negative = start < end && *start == '-';
    const char* digits = start + (negative ? 1 : 0);
    const char* stop = end - digits > 18 ? digits + 18 : end;  // 18 digits never overflow
    const char* p = digits;
    int64_t magnitude = 0;
    while (p < stop && static_cast<unsigned char>(*p - '0') <= 9) magnitude = magnitude * 10 + (*p++ - '0');
    if (p == digits || p == end || *p != '\n') return ReadNumberOfAnyForm(r, low, high, value);
    int64_t v = negative ? -magnitude : magnitude;
    r->pos = static_cast<size_t>(p + 1 - r->data);
    if (v < low || v > high) return false;
    *value = v;
    return true;
}

inline bool ReadInt(LineReader* r, int32_t* value) {  // any 32-bit value
    int64_t v = 0;
    if (!ReadNumber(r, INT32_MIN, INT32_MAX, &v)) return false;
    *value = static_cast<int32_t>(v);
    return true;
}

// A COLORREF written signed or unsigned.
inline bool ReadColor(LineReader* r, uint32_t* value) {
    int64_t v = 0;
    if (!ReadNumber(r, INT32_MIN, UINT32_MAX, &v)) return false;
    *value = static_cast<uint32_t>(v & 0xFFFFFFFF);
    return true;
}

// The text cut to the field and terminated. A NUL inside the line ends
// the text, as it would in memory.
inline void CopyCut(char* field, size_t size, std::string_view text) {
    if (size == 0) return;
    size_t n = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

// ".%s\n": the line without its first character, cut to the field.
inline bool ReadDotText(LineReader* r, char* field, size_t size) {
    // Names and comments are short: eight bytes at a time are copied while
    // the line feed is looked for among them (the lowest byte that equals
    // it; the machines we build for are little-endian). A text that leaves
    // no room for eight more bytes goes the general way.
    static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the word scan below reads bytes in little-endian order");
    size_t left = r->size - r->pos;
    const char* text = r->data + r->pos + 1;  // after the full stop, when the line is not empty
    bool dotted = left > 0 && text[-1] != '\n';
    for (size_t copied = 0; dotted && copied + 9 <= size && copied + 9 <= left; copied += 8) {
        uint64_t word;
        std::memcpy(&word, text + copied, 8);
        uint64_t feeds = word ^ 0x0A0A0A0A0A0A0A0AULL;
        uint64_t found = (feeds - 0x0101010101010101ULL) & ~feeds & 0x8080808080808080ULL;
        std::memcpy(field + copied, &word, 8);
        if (found) {
            size_t length = copied + static_cast<size_t>(__builtin_ctzll(found) >> 3);
            field[length] = '\0';
            r->pos += length + 2;
            return true;
        }
    }
    std::string_view line;
    bool terminated = false;
    if (!NextLine(r, &line, &terminated) || !terminated) return false;
    CopyCut(field, size, line.empty() ? line : line.substr(1));
    return true;
}

// "%s\n": the whole line, cut to the field.
bool ReadLineText(LineReader* r, char* field, size_t size);
// Exactly count bytes, whatever they hold.
bool ReadBytes(LineReader* r, size_t count, const char** bytes);

// The font block; the underline flag is not in it and stays as it was.
// The values are brought into range (SoundFont).
bool ReadFontBlock(LineReader* r, FontDesc* font);

// Whether count items of at least minBytes each fit in what is left: a
// count that promises more than the file holds is refused before
// anything is allocated for it.
bool CountFits(const LineReader& r, int64_t count, size_t minBytes);

// Writing. Texts are cut to what their field holds (size - 1); one-line texts get blanks
// for CR and LF so that the reader finds the lines where they were written.
void PutNumber(std::string* out, int64_t value);
void PutDotText(std::string* out, const char* field, size_t size);
void PutLineText(std::string* out, const char* field, size_t size);
void PutFontBlock(std::string* out, const FontDesc& font);

// Templates are text files as Windows' text mode writes them: every LF
// becomes CR LF on writing and CR LF becomes LF on reading, so a counted
// text holding CR LF (written CR CR LF) reads back with its own count.
std::string ToTextMode(const std::string& bytes);
std::string FromTextMode(const char* data, size_t size);
