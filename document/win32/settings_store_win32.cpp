#include "document/win32/settings_store_win32.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "document/settings_store.h"

namespace {

void ReadProfile(const char* file, const char* section, const char* key, const char* fallback, char* out,
                 int size) {
    GetPrivateProfileStringA(section, key, fallback, out, static_cast<DWORD>(size), file);
}

bool WriteProfile(const char* file, const char* section, const char* key, const char* value) {
    return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

// A line of the store's section: "key=value", or a line without "=" (a
// comment) kept as it is.
struct SectionLine {
    std::string key;
    std::string value;
    bool keyed;
};

// The store's section as the batch holds it: its lines in file order.
struct Batch {
    bool open = false;
    std::string file;
    std::vector<SectionLine> lines;
};
Batch g_batch;

// The section's "key=value" lines as the file has them now.
void ReadSection(const std::string& file) {
    std::vector<char> text(1 << 16);
    for (;;) {
        DWORD got = GetPrivateProfileSectionA(kSettingsSection, text.data(), static_cast<DWORD>(text.size()),
                                              file.c_str());
        if (got + 2 < text.size()) break;
        text.resize(text.size() * 2);
    }
    for (const char* line = text.data(); *line; line += std::strlen(line) + 1) {
        const char* equals = std::strchr(line, '=');
        if (equals) g_batch.lines.push_back({std::string(line, equals), equals + 1, true});
        else g_batch.lines.push_back({line, std::string(), false});
    }
}

bool WriteToBatch(const char* file, const char* section, const char* key, const char* value) {
    if (g_batch.file != file || lstrcmpiA(section, kSettingsSection) != 0) return WriteProfile(file, section, key, value);
    // As the profile functions do: the first line of the key (compared
    // without regard to case) takes the value, a new key goes at the end.
    for (SectionLine& line : g_batch.lines) {
        if (line.keyed && lstrcmpiA(line.key.c_str(), key) == 0) {
            line.value = value;
            return true;
        }
    }
    g_batch.lines.push_back({key, value, true});
    return true;
}

char g_iniFile[MAX_PATH];

}  // namespace

void InstallWin32SettingsStore(const char* iniFile, const char* root) {
    lstrcpynA(g_iniFile, iniFile, sizeof g_iniFile);
    SetProfileHooks(ReadProfile, WriteProfile);
    OpenSettingsStore(iniFile, root);
}

void BeginSettingsBatch() {
    g_batch = Batch();
    g_batch.open = true;
    g_batch.file = g_iniFile;
    ReadSection(g_batch.file);
    SetProfileHooks(ReadProfile, WriteToBatch);
}

bool EndSettingsBatch() {
    if (!g_batch.open) return true;
    SetProfileHooks(ReadProfile, WriteProfile);
    std::string text;
    for (const SectionLine& line : g_batch.lines) {
        text += line.keyed ? line.key + "=" + line.value : line.key;
        text.push_back('\0');
    }
    text.push_back('\0');
    bool written = WritePrivateProfileSectionA(kSettingsSection, text.c_str(), g_batch.file.c_str()) != FALSE;
    g_batch = Batch();
    return written;
}
