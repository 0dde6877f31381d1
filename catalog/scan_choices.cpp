#include "catalog/scan_choices.h"

#include <algorithm>
#include <cstring>

std::vector<std::string> DriveListEntries(uint32_t mask) {
    std::vector<std::string> entries;
    for (int bit = 0; bit < 26; ++bit)
        if (mask & (1u << bit)) entries.push_back(std::string(1, static_cast<char>('A' + bit)) + ":\\");
    return entries;
}

int DriveEntryIndex(const std::vector<std::string>& entries, char drive) {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i][0] == drive) return static_cast<int>(i);
    return -1;
}

ExcludeEdit ExcludeEditFromScan(const ScanSettings& scan) {
    ExcludeEdit edit;
    for (int i = 0; i < scan.NumExclude && scan.Exclude; ++i)
        edit.patterns.emplace_back(scan.Exclude[i], strnlen(scan.Exclude[i], kPatternChars));
    std::sort(edit.patterns.begin(), edit.patterns.end());
    edit.exclude = scan.ExcludeMode != 0;
    return edit;
}

PatternStatus AddPattern(ExcludeEdit* edit, const std::string& text, int* at) {
    std::string pattern = (!text.empty() && text[0] == '*' ? text.substr(1) : text).substr(0, kPatternChars);
    if (pattern.empty()) return PATTERN_EMPTY;
    if (static_cast<int>(edit->patterns.size()) >= kMaxExcludePatterns) return PATTERN_LIST_FULL;
    for (char& c : pattern)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    auto place = std::upper_bound(edit->patterns.begin(), edit->patterns.end(), pattern);
    *at = static_cast<int>(place - edit->patterns.begin());
    edit->patterns.insert(place, pattern);
    return PATTERN_ADDED;
}

const char* PatternMessage(PatternStatus status) {
    return status == PATTERN_LIST_FULL ? "The list holds at most 512 patterns." : "";
}

void RemoveAllPatterns(ExcludeEdit* edit) {
    edit->patterns.clear();
    edit->exclude = true;
}

bool CommitExcludeEdit(const ExcludeEdit& edit, ScanSettings* scan) {
    int mode = edit.patterns.empty() || edit.exclude ? 1 : 0;
    // Order does not change what matches: the stored list may come unsorted
    // from the settings file.
    std::vector<std::string> before = ExcludeEditFromScan(*scan).patterns;
    std::vector<std::string> after = edit.patterns;
    std::sort(after.begin(), after.end());
    bool changed = mode != scan->ExcludeMode || before != after;
    std::vector<const char*> texts;
    for (const std::string& p : edit.patterns) texts.push_back(p.c_str());
    SetExcludePatterns(scan, texts.data(), static_cast<int>(texts.size()));
    scan->ExcludeMode = mode;
    return changed;
}
