#include "shell/window_title.h"

#include <cstdio>
#include <cstring>

#include "shell/view_state.h"

namespace {
std::string Format(const char* format, const char* name, int number = 0) {
    char text[512];
    std::snprintf(text, sizeof text, format, name, number);
    return text;
}
}  // namespace

std::string WindowTitle(const EditionProfile& edition, const char* labelName, int labelKind, int page,
                        int fullSize, int labelIndex) {
    const char* name = labelName ? labelName : "";
    if (const char* slash = std::strrchr(name, '\\')) name = slash + 1;
    if (edition.id == EDITION_WIMBROOK) {
        if (labelKind == KIND_SHEET && fullSize) return Format(edition.titlePageFormat, name, labelIndex + 1);
        return Format(edition.titleFormat, name);
    }
    if (labelKind != KIND_BOOKLET) return Format(edition.titleFormat, name);
    // Dovantel's booklet starts with the back cover.
    bool dovantel = edition.id == EDITION_DOVANTEL;
    if (page == 1) return Format(dovantel ? edition.titleBackFormat : edition.titleFrontFormat, name);
    if (page == 2) return Format(dovantel ? edition.titleFrontFormat : edition.titleBackFormat, name);
    return Format(edition.titlePageFormat, name, page - 1);
}
