#include "tools/labelfind/match_output.h"

#include <charconv>
#include <cstdio>

const char kCsvHeader[] = "label,volume,date,path,name,size,kind,comment\r\n";

namespace {

// The length of the UTF-8 character at the start of s, 0 when none starts
// there (overlong forms and surrogates included).
size_t Utf8Length(std::string_view s) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    auto follows = [&](size_t i) { return i < s.size() && (byte(i) & 0xC0) == 0x80; };
    unsigned char c = byte(0);
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) return follows(1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        if (!follows(1) || !follows(2)) return 0;
        if ((c == 0xE0 && byte(1) < 0xA0) || (c == 0xED && byte(1) >= 0xA0)) return 0;
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (!follows(1) || !follows(2) || !follows(3)) return 0;
        if ((c == 0xF0 && byte(1) < 0x90) || (c == 0xF4 && byte(1) >= 0x90)) return 0;
        return 4;
    }
    return 0;
}

void PutJsonString(std::string_view utf8, std::string* out) {
    *out += '"';
    for (char c : utf8) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            *out += '\\';
            *out += c;
        } else if (u < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            *out += escaped;
        } else {
            *out += c;
        }
    }
    *out += '"';
}

void PutCsvField(std::string_view text, std::string* out) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out->append(text.data(), text.size());
        return;
    }
    *out += '"';
    for (char c : text) {
        if (c == '"') *out += '"';
        *out += c;
    }
    *out += '"';
}

}  // namespace

std::string ValidUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        size_t n = Utf8Length(bytes);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            n = 1;
        } else {
            out.append(bytes.data(), n);
        }
        bytes.remove_prefix(n);
    }
    return out;
}

void PutTextLine(const FoundEntry& f, std::string* out) {
    *out += f.label;
    *out += ": ";
    *out += f.volume;
    *out += ": ";
    *out += f.path;
    if (f.folder) {
        *out += "\\\n";
        return;
    }
    char number[16];
    *out += " (";
    out->append(number, static_cast<size_t>(std::to_chars(number, number + sizeof number, f.size).ptr - number));
    *out += " bytes)\n";
}

void PutJsonLine(const FoundEntry& f, std::string* out) {
    *out += "{\"label\":";
    PutJsonString(ValidUtf8(f.label), out);
    *out += ",\"volume\":";
    PutJsonString(f.volume, out);
    *out += ",\"date\":";
    if (f.dated)
        PutJsonString(f.date, out);
    else
        *out += "null";
    *out += ",\"path\":";
    PutJsonString(f.path, out);
    *out += ",\"name\":";
    PutJsonString(f.name, out);
    *out += ",\"size\":" + std::to_string(f.size) + ",\"kind\":\"" + (f.folder ? "folder" : "file") + "\",\"comment\":";
    PutJsonString(f.comment, out);
    *out += "}\n";
}

void PutCsvLine(const FoundEntry& f, std::string* out) {
    PutCsvField(ValidUtf8(f.label), out);
    *out += ',';
    PutCsvField(f.volume, out);
    *out += ',';
    if (f.dated) PutCsvField(f.date, out);
    *out += ',';
    PutCsvField(f.path, out);
    *out += ',';
    PutCsvField(f.name, out);
    *out += "," + std::to_string(f.size) + "," + (f.folder ? "folder" : "file") + ",";
    PutCsvField(f.comment, out);
    *out += "\r\n";
}
