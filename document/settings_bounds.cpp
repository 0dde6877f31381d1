#include "document/settings_bounds.h"

int32_t SoundLabelKind(int32_t stored, const EditionProfile& edition) {
    if (edition.id == EDITION_WIMBROOK) return stored >= (10 + 23 + 1) / 2 ? 23 : 10;
    return stored >= 12 ? 12 : 10;
}

int32_t SoundDispSub(int32_t stored) {
    bool foldersOnly = stored < 0;
    int64_t depth = stored < 0 ? -int64_t(stored) : int64_t(stored);
    int32_t sound;
    if (depth <= 4 || depth == 15) {
        sound = static_cast<int32_t>(depth);
    } else {
        sound = depth < 10 ? 4 : 15;  // the nearer of 4 and "All Levels"
    }
    return foldersOnly ? -sound : sound;
}

char SoundDrive(int8_t stored) { return (stored >= 'A' && stored <= 'Z') ? static_cast<char>(stored) : 'C'; }

void SoundColumns(int32_t* columns, int32_t* lined) {
    if (*columns < 0) {
        *lined = 0;
        *columns = *columns < -7 ? 7 : -*columns;
    }
    if (*columns > 7) *columns = 7;
    *lined = Switch01(*lined);
}

void SoundFont(FontDesc* font) {
    auto outOfExtent = [](int32_t v) { return v < -kMaxFontExtent || v > kMaxFontExtent; };
    if (outOfExtent(font->lfHeight)) font->lfHeight = -1;
    if (outOfExtent(font->lfWidth)) font->lfWidth = 0;
    if (font->lfWeight < 0 || font->lfWeight > 1000) font->lfWeight = 0;
    font->lfFaceName[sizeof font->lfFaceName - 1] = '\0';
}

int32_t SoundSortMode(int32_t stored) { return ClampInt(stored, 1, 3); }
int32_t SoundDirection(int32_t stored) { return stored < 0 ? -1 : 1; }
int32_t SoundOrientation(int32_t stored) { return stored >= 2 ? 2 : 1; }
int32_t SoundPaperSize(int32_t stored) { return (stored <= 0 || stored > 32767) ? -1 : stored; }

int32_t RoundToInt32(double value) {
    if (!(value == value)) return 0;  // NaN
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
    double rounded = value < 0 ? value - 0.5 : value + 0.5;
    if (rounded >= 2147483647.0) return INT32_MAX;
    if (rounded <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(rounded);
}
