#include "shell/command_line.h"

#include <cstring>

#include "editions/command_ids.h"

namespace {
struct Keyword {
    const char* text;
    int command;
};
const Keyword kKeywords[] = {
    {"-label", CMD_CMDLINE_LABEL},
    {"-template", CMD_CMDLINE_TEMPLATE},
    {"-printlabel", CMD_CMDLINE_PRINT},
};
}  // namespace

CommandLineRequest ParseCommandLine(const char* text) {
    CommandLineRequest request;
    if (text == nullptr) return request;
    size_t length = std::strlen(text);
    for (const Keyword& keyword : kKeywords) {
        size_t n = std::strlen(keyword.text);
        if (std::strncmp(text, keyword.text, n) != 0) continue;
        // The name starts after the keyword and one separating character.
        // With nothing there the name would start past the end of the text:
        // that is no request at all.
        if (length <= n + 1) return request;
        request.command = keyword.command;
        request.fileName.assign(text + n + 1);
        return request;
    }
    return request;
}
