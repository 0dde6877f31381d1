#include "document/label_paths.h"

#include <cstring>

#include "base/text_compare.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsDeviceName(std::string base) {
    while (!base.empty() && (base.back() == ' ' || base.back() == '.')) base.pop_back();
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"})
        if (CompareNoCase(base.c_str(), device) == 0) return true;
    if (base.size() == 4 && base[3] >= '1' && base[3] <= '9')
        return CompareNoCase(base.substr(0, 3).c_str(), "COM") == 0 ||
               CompareNoCase(base.substr(0, 3).c_str(), "LPT") == 0;
    return false;
}

}  // namespace

std::string WithExtension(const char* chosen, const char* extension, bool* appended) {
    std::string name = chosen;
    size_t n = std::strlen(extension);
    bool ends = name.size() >= n && CompareNoCase(name.c_str() + name.size() - n, extension) == 0;
    *appended = !ends;
    if (!ends) name += extension;
    return name;
}

std::string LabelNameOf(const char* path) {
    const char* slash = std::strrchr(path, '\\');
    std::string name = slash ? slash + 1 : path;
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

std::string FolderOf(const char* path) {
    const char* slash = std::strrchr(path, '\\');
    return slash ? std::string(path, static_cast<size_t>(slash - path) + 1) : std::string();
}

std::string DriveTemplatePath(char drive, const EditionProfile& edition) {
    return std::string(1, drive) + ":\\" + edition.name + edition.templateExt;
}

bool IsPlainFileName(const char* path) {
    std::string p = path ? path : "";
    if (p.empty() || IsSeparator(p.back())) return false;
    if (p.size() >= 4 && IsSeparator(p[0]) && IsSeparator(p[1]) && (p[2] == '.' || p[2] == '?') &&
        IsSeparator(p[3]))
        return false;
    size_t start = p.find_last_of("\\/:");
    std::string last = start == std::string::npos ? p : p.substr(start + 1);
    return !last.empty() && !IsDeviceName(last.substr(0, last.find('.')));
}
