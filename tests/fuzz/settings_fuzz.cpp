// LoadSettings and SaveSettings on arbitrary INI contents: the input's first
// byte picks the edition, the rest is "key=value" lines of the section.
// Every value the user could type must load without undefined behaviour,
// and what is saved must load and save again to the same values.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "base/text_field.h"
#include "document/label_copy.h"
#include "document/program_settings.h"
#include "document/settings.h"
#include "document/settings_store.h"
#include "shell/program_records.h"
#include "shell/view_state.h"

namespace {

// The section's keys, case-folded like the Windows profile's, and those
// the last save wrote.
std::map<std::string, std::string> g_keys, g_written;

std::string Fold(const char* key) {
    std::string folded = key;
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return folded;
}

void Read(const char*, const char*, const char* key, const char* fallback, char* out, int size) {
    auto found = g_keys.find(Fold(key));
    CopyText(out, static_cast<size_t>(size), found != g_keys.end() ? found->second.c_str() : fallback);
}

bool Write(const char*, const char*, const char* key, const char* value) {
    g_keys[Fold(key)] = value;
    g_written[Fold(key)] = value;
    return true;
}

std::map<std::string, std::string> Save(const EditionProfile& edition, const ViewSettings& view) {
    g_written.clear();
    SaveSettings(edition, view, ProgramStoredSettings());
    return g_written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const EditionProfile& edition = ProfileFor(static_cast<EditionId>(data[0] % 3));
    g_keys.clear();
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        size_t eq = line.find('=');
        if (eq != std::string::npos) g_keys.emplace(Fold(line.substr(0, eq).c_str()), line.substr(eq + 1));
        start = end + 1;
    }
    SetProfileHooks(Read, Write);
    OpenSettingsStore("fuzz.ini", edition.settingsRoot);
    PrepareLabelRecords(edition.labelCount);
    ViewSettings view = {};
    LoadSettings(edition, &view, ProgramStoredSettings());
    std::map<std::string, std::string> first = Save(edition, view);
    LoadSettings(edition, &view, ProgramStoredSettings());
    if (Save(edition, view) != first) __builtin_trap();
    ClearAllLabelRecords(g_labelRecords, g_labelCount);
    FreeExcludePatterns(&g_scan);
    return 0;
}
