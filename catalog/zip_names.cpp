#include "catalog/zip_names.h"

#include "base/little_endian.h"

namespace {

std::string AsciiOnly(const std::string& utf8) {
    std::u32string points;
    DecodeUtf8(utf8, &points);
    std::string ansi;
    for (char32_t c : points) ansi += c < 0x80 ? static_cast<char>(c) : '?';
    return ansi;
}

AnsiFromUtf8Hook g_toAnsi = AsciiOnly;

// Length of the sequence a lead byte starts, 0 for a byte that starts none.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The UTF-8 name of a Unicode Path field written for this stored name.
bool UnicodePath(const std::string& stored, const std::string& extra, std::string* name) {
    const auto* p = reinterpret_cast<const unsigned char*>(extra.data());
    size_t at = 0;
    while (at + 4 <= extra.size()) {
        uint32_t id = Le16(p + at);
        size_t size = Le16(p + at + 2);
        size_t data = at + 4;
        if (size > extra.size() - data) return false;
        // Version 1, then the CRC of the name the header stores.
        if (id == kUnicodePathField && size >= 5 && p[data] == 1 &&
            Le32(p + data + 1) == Crc32(stored.data(), stored.size())) {
            name->assign(extra, data + 5, size - 5);
            return true;
        }
        at = data + size;
    }
    return false;
}

}  // namespace

bool DecodeUtf8(const std::string& text, std::u32string* points) {
    bool valid = true;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    size_t n = text.size();
    for (size_t i = 0; i < n;) {
        int length = SequenceLength(p[i]);
        char32_t c = length == 1 ? p[i] : length == 2 ? p[i] & 0x1F : length == 3 ? p[i] & 0x0F : p[i] & 0x07;
        bool whole = length > 0 && static_cast<size_t>(length) <= n - i;
        for (int k = 1; whole && k < length; ++k) {
            whole = (p[i + k] & 0xC0) == 0x80;
            c = (c << 6) | (p[i + k] & 0x3F);
        }
        // Overlong three- and four-byte forms, surrogates, past U+10FFFF.
        if (whole && length == 3) whole = c >= 0x800 && (c < 0xD800 || c > 0xDFFF);
        if (whole && length == 4) whole = c >= 0x10000 && c <= 0x10FFFF;
        if (!whole) {
            valid = false;
            points->push_back(0xFFFD);
            ++i;
            continue;
        }
        points->push_back(c);
        i += static_cast<size_t>(length);
    }
    return valid;
}

uint32_t Crc32(const void* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    const auto* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void SetAnsiFromUtf8(AnsiFromUtf8Hook hook) { g_toAnsi = hook ? hook : AsciiOnly; }

std::string AnsiFromUtf8(const std::string& utf8) { return g_toAnsi(utf8); }

std::string ZipMemberName(const std::string& stored, uint32_t flags, const std::string& extra) {
    std::string unicode;
    if (UnicodePath(stored, extra, &unicode)) return AnsiFromUtf8(unicode);
    if (flags & kZipUtf8Flag) return AnsiFromUtf8(stored);
    // Fewer code points than bytes: a multibyte sequence.
    std::u32string points;
    if (DecodeUtf8(stored, &points) && points.size() < stored.size()) return AnsiFromUtf8(stored);
    return stored;
}
