// Text between UTF-8 and the system's encodings. UTF-8 to the ANSI code
// page, as the system's listing gives names: through UTF-16, a character
// the code page lacks becoming "?" (no look-alike letters). UTF-16 for our
// tools, which speak UTF-8.
#pragma once
#include <string>
#include <string_view>

std::string SystemAnsiFromUtf8(const std::string& utf8);

// Text of a code page (CP_UTF8, CP_ACP, a number) in UTF-16 and back, as
// the system converts it.
std::wstring WideFromCodePage(std::string_view text, unsigned codePage);
std::string CodePageFromWide(std::wstring_view wide, unsigned codePage);

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);
// Text of the ANSI code page (the programs' own) in UTF-8.
std::string Utf8FromAnsi(const std::string& ansi);
