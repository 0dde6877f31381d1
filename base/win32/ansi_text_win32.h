// UTF-8 text in the ANSI code page, as the system's listing gives names:
// through UTF-16, a character the code page lacks becoming "?" (no
// look-alike letters).
#pragma once
#include <string>

std::string SystemAnsiFromUtf8(const std::string& utf8);
