#include "tools/labeljob/disk_file_names.h"

#include <cstring>

#include "base/text_compare.h"

namespace {

bool DeviceName(const std::string& name) {
    // Windows takes these names, with any extension, as devices.
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (const char* device : {"CON", "PRN", "AUX", "NUL"})
        if (CompareNoCase(base.c_str(), device) == 0) return true;
    if (base.size() != 4 || base[3] < '1' || base[3] > '9') return false;
    std::string stem = base.substr(0, 3);
    return CompareNoCase(stem.c_str(), "COM") == 0 || CompareNoCase(stem.c_str(), "LPT") == 0;
}

}  // namespace

std::string FileNameOfTitle(const std::string& title) {
    std::string name;
    for (char c : title) {
        unsigned char u = static_cast<unsigned char>(c);
        name += u < 0x20 || u == 0x7F || std::strchr("<>:\"/\\|?*", c) ? '_' : c;
    }
    size_t start = name.find_first_not_of(" .");
    if (start == std::string::npos) return "disk";
    name.erase(0, start);
    while (name.back() == ' ' || name.back() == '.') name.pop_back();
    if (DeviceName(name)) name += '_';
    return name;
}

std::string FreeStem(const std::string& stem, const std::function<bool(const std::string&)>& taken) {
    std::string candidate = stem;
    for (int n = 2; taken(candidate); ++n) candidate = stem + " (" + std::to_string(n) + ")";
    return candidate;
}
