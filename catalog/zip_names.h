// ZIP member names as the catalog shows them. Every other name of the
// catalog is in the ANSI code page (the system listing gives it so), and a
// name stored as UTF-8 is turned into it too: when the member is flagged
// UTF-8 (general purpose bit 11), when it carries an Info-ZIP Unicode Path
// extra field (0x7075) whose CRC matches the stored name, or when the
// stored name is valid UTF-8 with at least one multibyte sequence (Info-ZIP
// zip on Linux stores names so, with neither flag nor field). Any other
// name stays as stored.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

constexpr uint32_t kZipUtf8Flag = 0x0800;
constexpr uint32_t kUnicodePathField = 0x7075;

std::string ZipMemberName(const std::string& stored, uint32_t flags, const std::string& extra);

// UTF-8 to the ANSI code page, a character the code page lacks becoming
// "?" as in the system's listing. The Win32 glue installs the system's
// conversion; the default keeps ASCII and makes every other character "?".
using AnsiFromUtf8Hook = std::string (*)(const std::string& utf8);
void SetAnsiFromUtf8(AnsiFromUtf8Hook hook);  // null restores the default
std::string AnsiFromUtf8(const std::string& utf8);

// The code points of a UTF-8 text, a byte that starts no valid sequence
// (overlong, surrogate, past U+10FFFF, cut short) giving U+FFFD; false when
// there was such a byte.
bool DecodeUtf8(const std::string& text, std::u32string* points);

// The CRC-32 that ZIP uses (the Unicode Path field checks the stored name
// with it).
uint32_t Crc32(const void* data, size_t size);
