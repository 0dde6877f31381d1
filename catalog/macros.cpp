#include "catalog/macros.h"

#include <cstdio>
#include <cstring>

#include "catalog/comment_entry.h"

namespace {

constexpr size_t kDateChars = 63;

struct Output {
    char* text;
    size_t size;
    size_t length;

    void Append(const char* s, size_t n) {
        for (size_t i = 0; i < n && s[i] && length + 1 < size; ++i) text[length++] = s[i];
    }
};

double Megabytes(int64_t bytes) { return static_cast<double>(bytes) / 1048576.0; }

double Percent(int64_t part, int64_t total) {
    return total == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(total) * 100.0;
}

// Writes the value of the macro at text (if one starts there) and returns
// the macro's length, or 0.
size_t ExpandOne(const ZIPINFO* f, const char* text, size_t left, Output* out) {
    static const char* const kMacros[] = {"%shortdate%", "%longdate%", "%spacefree%", "%spaceused%",
                                          "%files%",     "%folders%",  "%pctfree%",   "%pctused%"};
    for (int m = 0; m < 8; ++m) {
        size_t length = std::strlen(kMacros[m]);
        if (length > left || std::memcmp(text, kMacros[m], length) != 0) continue;
        char value[64];
        switch (m) {
        case 0: out->Append(f->ShortDate, kDateChars); return length;
        case 1: out->Append(f->LongDate, kDateChars); return length;
        case 2: std::snprintf(value, sizeof value, "%0.1fM", Megabytes(f->SpaceFree)); break;
        case 3: std::snprintf(value, sizeof value, "%0.1fM", Megabytes(f->SpaceUsed)); break;
        case 4: std::snprintf(value, sizeof value, "%d", static_cast<int>(f->NumFiles)); break;
        case 5: std::snprintf(value, sizeof value, "%d", static_cast<int>(f->NumFolders)); break;
        case 6: std::snprintf(value, sizeof value, "%0.1f%%", Percent(f->SpaceFree, f->SpaceTotal)); break;
        default: std::snprintf(value, sizeof value, "%0.1f%%", Percent(f->SpaceUsed, f->SpaceTotal)); break;
        }
        out->Append(value, sizeof value);
        return length;
    }
    return 0;
}

}  // namespace

void ExpandMacroText(const ZIPINFO* facts, const char* text, char* out, size_t outSize) {
    if (outSize == 0) return;
    Output o = {out, outSize, 0};
    size_t length = 0;
    while (length < static_cast<size_t>(kCommentChars) && text[length]) ++length;
    for (size_t i = 0; i < length;) {
        size_t used = text[i] == '%' ? ExpandOne(facts, text + i, length - i, &o) : 0;
        if (used) {
            i += used;
        } else {
            o.Append(text + i, 1);
            ++i;
        }
    }
    out[o.length] = '\0';
}

void ExpandMacros(const ZIPINFO* label, char (&out)[kExpandedCommentSize]) {
    ExpandMacroText(label, label->Comment, out, sizeof out);
}
