// The text conventions of label bodies and templates: one number a line,
// free texts behind a full stop, the 13-line font block. Reading walks a
// byte buffer line by line and never past its end; a line is one line
// whatever it holds, so an empty text never shifts what follows.
#pragma once
#include <cstddef>
#include <cstdint>
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

// The next line without its line feed; false at the end of the data. A
// last line without a line feed comes back with *terminated false.
bool NextLine(LineReader* r, std::string_view* line, bool* terminated);

// One line holding one decimal number (blanks around it allowed) within
// [low, high]. Only a number may end the data without its line feed: a
// text cut there could not be told from a whole one.
bool ReadNumber(LineReader* r, int64_t low, int64_t high, int64_t* value);
bool ReadInt(LineReader* r, int32_t* value);  // any 32-bit value
// A COLORREF written signed or unsigned.
bool ReadColor(LineReader* r, uint32_t* value);

// ".%s\n": the line without its first character, cut to the field.
bool ReadDotText(LineReader* r, char* field, size_t size);
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
