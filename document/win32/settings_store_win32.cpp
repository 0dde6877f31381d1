#include "document/win32/settings_store_win32.h"

#include <windows.h>

#include "document/settings_store.h"

namespace {
void ReadProfile(const char* file, const char* section, const char* key, const char* fallback, char* out,
                 int size) {
    GetPrivateProfileStringA(section, key, fallback, out, static_cast<DWORD>(size), file);
}
bool WriteProfile(const char* file, const char* section, const char* key, const char* value) {
    return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}
}  // namespace

void InstallWin32SettingsStore(const char* iniFile, const char* root) {
    SetProfileHooks(ReadProfile, WriteProfile);
    OpenSettingsStore(iniFile, root);
}
