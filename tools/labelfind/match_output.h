// How labelfind prints a match: a readable line, a JSON Lines object or a
// CSV record (RFC 4180), all from the same fields in UTF-8.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

struct FoundEntry {
    std::string label;    // the body's path as found
    std::string volume;   // the disk's title (spine text)
    std::string date;     // the label's short date
    bool dated = false;   // false: the body stores no date
    std::string path;     // inside the disk, '\' between parts
    std::string name;
    uint32_t size = 0;
    bool folder = false;
    std::string comment;  // the entry comment as stored
};

// Each appends one line to *out. Text: "label: volume: path (size
// bytes)", a folder's path ending in '\'.
void PutTextLine(const FoundEntry& found, std::string* out);
void PutJsonLine(const FoundEntry& found, std::string* out);
void PutCsvLine(const FoundEntry& found, std::string* out);
extern const char kCsvHeader[];

// Bytes that are no UTF-8 (a native file name can be any) with U+FFFD for
// each byte that is not part of a character.
std::string ValidUtf8(std::string_view bytes);
