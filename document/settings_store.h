// The settings store: typed values kept as text under the section "tlm5" of
// the edition's INI file. The core converts values; the text itself goes
// through a profile seam (read or write one key of a section of a named
// INI file) that the Win32 glue connects to the Windows profile functions
// and native tests to an in-memory double.
#pragma once
#include <cstdint>

#include "record/font_desc.h"

// How a stored value is converted. Integers are always written as signed
// decimal text.
enum SettingKind {
    SETTING_BYTE = 0,    // int8_t, the low byte of the number
    SETTING_SHORT = 1,   // int16_t, the low 16 bits
    SETTING_INT = 2,     // int32_t
    SETTING_COLOR = 3,   // uint32_t: a COLORREF or a 0/1 switch
    SETTING_STRING = 4,  // char[width], cut to width - 1 and terminated
};

// Reads the key's text into out (size bytes, terminated), or the fallback
// when the key is missing.
using ProfileReadHook = void (*)(const char* file, const char* section, const char* key, const char* fallback,
                                 char* out, int size);
// Writes the key; false when the write failed.
using ProfileWriteHook = bool (*)(const char* file, const char* section, const char* key, const char* value);

// Installs the profile seam; nulls restore the default (nothing stored,
// every write fails).
void SetProfileHooks(ProfileReadHook read, ProfileWriteHook write);

// Names the INI file (no directory) and the settings root of the store.
// Opening always succeeds and there is nothing to close.
void OpenSettingsStore(const char* iniFile, const char* root);
const char* SettingsRoot();

constexpr const char* kSettingsSection = "tlm5";
constexpr const char* kMissingMarker = "error";
constexpr int kSettingTextMax = 254;  // characters read or written per value

// Reads a key into dest. Returns false and leaves dest untouched when the
// key is missing, reads as "error", or (kinds 0 to 3) is not a number.
// The root is ignored by the INI store.
bool ReadSetting(const char* root, const char* key, void* dest, int width, int kind);

// A key of another section of the same INI file ("InstallPath" of
// "Install", written by the installer) as text: false when it is missing.
bool ReadProfileText(const char* section, const char* key, char* out, int size);

// Writes a value; failures are ignored (the result says whether it
// was written).
bool WriteSetting(const char* root, const char* key, const void* source, int width, int kind);

// A font description under 13 keys "<prefix>_lfHeight" ... "_lfFaceName".
// The underline flag is never stored and loads as off. A missing (or
// unusable) height gives -1, the mark of a font never stored; any other
// missing key leaves that part as it was.
void ReadFontSetting(const char* prefix, FontDesc* font);
void WriteFontSetting(const char* prefix, const FontDesc* font);

// The 13 suffixes in stored order.
extern const char* const kFontKeySuffixes[13];
