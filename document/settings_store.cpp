#include "document/settings_store.h"

#include <cstdio>
#include <cstring>

#include "base/text_field.h"
#include "document/settings_bounds.h"

namespace {

void ReadNothing(const char*, const char*, const char*, const char* fallback, char* out, int size) {
    CopyText(out, static_cast<size_t>(size), fallback);
}
bool WriteNothing(const char*, const char*, const char*, const char*) { return false; }

ProfileReadHook g_read = ReadNothing;
ProfileWriteHook g_write = WriteNothing;
char g_file[260] = "";
char g_root[260] = "";

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// The leading decimal number of the text, as a "%ld" scan reads it: blanks,
// an optional sign, at least one digit; what follows is ignored. False when
// there is no number or it lies outside [low, high].
bool ParseNumber(const char* text, int64_t low, int64_t high, int64_t* out) {
    while (IsSpace(*text)) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = *text++ == '-';
    if (*text < '0' || *text > '9') return false;
    int64_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > (int64_t(1) << 40)) return false;  // far out of any range asked for
    }
    if (negative) value = -value;
    if (value < low || value > high) return false;
    *out = value;
    return true;
}

}  // namespace

const char* const kFontKeySuffixes[13] = {
    "_lfHeight",   "_lfWidth",       "_lfEscapement",     "_lfOrientation", "_lfWeight",
    "_lfItalic",   "_lfStrikeOut",   "_lfCharSet",        "_lfOutPrecision", "_lfClipPrecision",
    "_lfQuality",  "_lfPitchAndFamily", "_lfFaceName",
};

void SetProfileHooks(ProfileReadHook read, ProfileWriteHook write) {
    g_read = read ? read : ReadNothing;
    g_write = write ? write : WriteNothing;
}

void OpenSettingsStore(const char* iniFile, const char* root) {
    CopyField(g_file, iniFile);
    CopyField(g_root, root);
}

const char* SettingsRoot() { return g_root; }

bool ReadProfileText(const char* section, const char* key, char* out, int size) {
    char text[kSettingTextMax + 1];
    g_read(g_file, section, key, kMissingMarker, text, sizeof text);
    text[kSettingTextMax] = '\0';
    if (std::strcmp(text, kMissingMarker) == 0) return false;
    CopyText(out, static_cast<size_t>(size), text);
    return true;
}

bool ReadSetting(const char* /*root*/, const char* key, void* dest, int width, int kind) {
    char text[kSettingTextMax + 1];
    g_read(g_file, kSettingsSection, key, kMissingMarker, text, sizeof text);
    text[kSettingTextMax] = '\0';
    if (std::strcmp(text, kMissingMarker) == 0) return false;
    int64_t value = 0;
    switch (kind) {
    case SETTING_BYTE: {
        if (!ParseNumber(text, INT32_MIN, INT32_MAX, &value)) return false;
        auto low = static_cast<int8_t>(static_cast<uint8_t>(value & 0xFF));
        std::memcpy(dest, &low, sizeof low);
        return true;
    }
    case SETTING_SHORT: {
        if (!ParseNumber(text, INT32_MIN, INT32_MAX, &value)) return false;
        auto low = static_cast<int16_t>(static_cast<uint16_t>(value & 0xFFFF));
        std::memcpy(dest, &low, sizeof low);
        return true;
    }
    case SETTING_INT: {
        if (!ParseNumber(text, INT32_MIN, INT32_MAX, &value)) return false;
        auto whole = static_cast<int32_t>(value);
        std::memcpy(dest, &whole, sizeof whole);
        return true;
    }
    case SETTING_COLOR: {
        // Written signed; an unsigned spelling of the same bits reads too.
        if (!ParseNumber(text, INT32_MIN, UINT32_MAX, &value)) return false;
        auto bits = static_cast<uint32_t>(value & 0xFFFFFFFF);
        std::memcpy(dest, &bits, sizeof bits);
        return true;
    }
    case SETTING_STRING:
        if (width <= 0) return false;
        CopyText(static_cast<char*>(dest), static_cast<size_t>(width), text);
        return true;
    default:
        return false;
    }
}

bool WriteSetting(const char* /*root*/, const char* key, const void* source, int width, int kind) {
    char text[kSettingTextMax + 1];
    long value = 0;
    switch (kind) {
    case SETTING_BYTE: {
        int8_t v;
        std::memcpy(&v, source, sizeof v);
        value = v;
        break;
    }
    case SETTING_SHORT: {
        int16_t v;
        std::memcpy(&v, source, sizeof v);
        value = v;
        break;
    }
    case SETTING_INT:
    case SETTING_COLOR: {
        uint32_t bits;
        std::memcpy(&bits, source, sizeof bits);
        value = static_cast<int32_t>(bits);
        break;
    }
    case SETTING_STRING: {
        const char* s = static_cast<const char*>(source);
        size_t limit = width > 0 ? static_cast<size_t>(width) : 0;
        if (limit > kSettingTextMax) limit = kSettingTextMax;
        size_t length = 0;
        while (length < limit && s[length]) ++length;
        std::memcpy(text, s, length);
        text[length] = '\0';
        return g_write(g_file, kSettingsSection, key, text);
    }
    default:
        return false;
    }
    std::snprintf(text, sizeof text, "%ld", value);
    return g_write(g_file, kSettingsSection, key, text);
}

namespace {

void FontKey(char* key, size_t size, const char* prefix, int index) {
    std::snprintf(key, size, "%s%s", prefix, kFontKeySuffixes[index]);
}

int32_t* FontInt(FontDesc* font, int index) {
    switch (index) {
    case 0: return &font->lfHeight;
    case 1: return &font->lfWidth;
    case 2: return &font->lfEscapement;
    case 3: return &font->lfOrientation;
    default: return &font->lfWeight;
    }
}

uint8_t* FontByte(FontDesc* font, int index) {
    switch (index) {
    case 5: return &font->lfItalic;
    case 6: return &font->lfStrikeOut;
    case 7: return &font->lfCharSet;
    case 8: return &font->lfOutPrecision;
    case 9: return &font->lfClipPrecision;
    case 10: return &font->lfQuality;
    default: return &font->lfPitchAndFamily;
    }
}

}  // namespace

void ReadFontSetting(const char* prefix, FontDesc* font) {
    char key[160];
    for (int i = 0; i < 5; ++i) {
        FontKey(key, sizeof key, prefix, i);
        int32_t value;
        if (ReadSetting(g_root, key, &value, 4, SETTING_COLOR)) {
            *FontInt(font, i) = value;
        } else if (i == 0) {
            font->lfHeight = -1;
        }
    }
    for (int i = 5; i < 12; ++i) {
        FontKey(key, sizeof key, prefix, i);
        int8_t value;
        if (ReadSetting(g_root, key, &value, 1, SETTING_BYTE)) *FontByte(font, i) = static_cast<uint8_t>(value);
    }
    FontKey(key, sizeof key, prefix, 12);
    ReadSetting(g_root, key, font->lfFaceName, sizeof font->lfFaceName, SETTING_STRING);
    font->lfUnderline = 0;
    // An absurd size would reach font creation and the line heights of the
    // layout: the height falls back to the default font, the width to the
    // face's own.
    SoundFont(font);
}

void WriteFontSetting(const char* prefix, const FontDesc* font) {
    char key[160];
    FontDesc copy = *font;
    for (int i = 0; i < 5; ++i) {
        FontKey(key, sizeof key, prefix, i);
        WriteSetting(g_root, key, FontInt(&copy, i), 4, SETTING_COLOR);
    }
    for (int i = 5; i < 12; ++i) {
        FontKey(key, sizeof key, prefix, i);
        WriteSetting(g_root, key, FontByte(&copy, i), 1, SETTING_BYTE);
    }
    FontKey(key, sizeof key, prefix, 12);
    WriteSetting(g_root, key, copy.lfFaceName, sizeof copy.lfFaceName, SETTING_STRING);
}
