#include "document/label_text.h"

#include <cstring>
#include <initializer_list>

#include "document/settings_bounds.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// The decimal number of the whole text, blanks around it allowed.
bool ParseWhole(std::string_view text, int64_t low, int64_t high, int64_t* value) {
    size_t i = 0, end = text.size();
    while (i < end && IsBlank(text[i])) ++i;
    while (end > i && IsBlank(text[end - 1])) --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == end) return false;
    int64_t magnitude = 0;
    for (; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        if (magnitude > (int64_t(1) << 62) / 10) return false;  // beyond every range asked for
        magnitude = magnitude * 10 + (text[i] - '0');
    }
    int64_t v = negative ? -magnitude : magnitude;
    if (v < low || v > high) return false;
    *value = v;
    return true;
}

bool TextLine(LineReader* r, std::string_view* line) {
    bool terminated = false;
    return NextLine(r, line, &terminated) && terminated;
}

void PutText(std::string* out, const char* field, size_t size) {
    size_t n = 0;
    while (n + 1 < size && field[n]) ++n;
    size_t start = out->size();
    out->append(field, n);
    for (size_t i = start; i < out->size(); ++i)
        if ((*out)[i] == '\r' || (*out)[i] == '\n') (*out)[i] = ' ';
    out->push_back('\n');
}

}  // namespace

bool ReadNumberOfAnyForm(LineReader* r, int64_t low, int64_t high, int64_t* value) {
    std::string_view line;
    bool terminated = false;
    return NextLine(r, &line, &terminated) && ParseWhole(line, low, high, value);
}

bool ReadLineText(LineReader* r, char* field, size_t size) {
    std::string_view line;
    if (!TextLine(r, &line)) return false;
    CopyCut(field, size, line);
    return true;
}

bool ReadBytes(LineReader* r, size_t count, const char** bytes) {
    if (count > BytesLeft(*r)) return false;
    *bytes = r->data + r->pos;
    r->pos += count;
    return true;
}

bool ReadFontBlock(LineReader* r, FontDesc* font) {
    int32_t* words[] = {&font->lfHeight, &font->lfWidth, &font->lfEscapement, &font->lfOrientation,
                        &font->lfWeight};
    for (int32_t* word : words)
        if (!ReadInt(r, word)) return false;
    uint8_t* bytes[] = {&font->lfItalic,       &font->lfStrikeOut,    &font->lfCharSet, &font->lfOutPrecision,
                        &font->lfClipPrecision, &font->lfQuality,      &font->lfPitchAndFamily};
    for (uint8_t* byte : bytes) {
        int64_t v = 0;
        // Written from bytes; a signed spelling of one reads too.
        if (!ReadNumber(r, -128, 255, &v)) return false;
        *byte = static_cast<uint8_t>(v & 0xFF);
    }
    if (!ReadLineText(r, font->lfFaceName, sizeof font->lfFaceName)) return false;
    SoundFont(font);
    return true;
}

bool CountFits(const LineReader& r, int64_t count, size_t minBytes) {
    return count >= 0 && static_cast<uint64_t>(count) <= BytesLeft(r) / (minBytes ? minBytes : 1);
}

void PutNumber(std::string* out, int64_t value) {
    char digits[24];
    int n = 0;
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0) out->push_back('-');
    while (n) out->push_back(digits[--n]);
    out->push_back('\n');
}

void PutDotText(std::string* out, const char* field, size_t size) {
    out->push_back('.');
    PutText(out, field, size);
}

void PutLineText(std::string* out, const char* field, size_t size) { PutText(out, field, size); }

void PutFontBlock(std::string* out, const FontDesc& font) {
    for (int32_t word : {font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation, font.lfWeight})
        PutNumber(out, word);
    for (uint8_t byte : {font.lfItalic, font.lfStrikeOut, font.lfCharSet, font.lfOutPrecision, font.lfClipPrecision,
                         font.lfQuality, font.lfPitchAndFamily})
        PutNumber(out, byte);
    PutLineText(out, font.lfFaceName, sizeof font.lfFaceName);
}

std::string ToTextMode(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16);
    for (char c : bytes) {
        if (c == '\n') out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

std::string FromTextMode(const char* data, size_t size) {
    std::string out;
    out.reserve(size);
    for (size_t i = 0; i < size; ++i)
        if (!(data[i] == '\r' && i + 1 < size && data[i + 1] == '\n')) out.push_back(data[i]);
    return out;
}
