#include "catalog/comment_entry.h"

#include <cstring>
#include <utility>

std::string StoredCommentLine(const std::string& text) {
    size_t end = text.find_first_of("\r\n");
    std::string line = text.substr(0, end);
    if (line.size() > kCommentChars) line.resize(kCommentChars);
    return line;
}

const char* MacroText(CommentMacro macro) {
    static const char* const kMacros[MACRO_COUNT] = {"%shortdate%", "%longdate%", "%files%",   "%spaceused%",
                                                     "%spacefree%", "%pctfree%",  "%pctused%", "%folders%"};
    return macro >= 0 && macro < MACRO_COUNT ? kMacros[macro] : "";
}

bool MacroFits(int length, int start, int end, CommentMacro macro) {
    if (start > end) std::swap(start, end);
    int kept = length - (end - start);
    return kept + static_cast<int>(std::strlen(MacroText(macro))) <= kCommentChars;
}
