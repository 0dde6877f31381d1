// Bounds that keep values read from the user-editable INI file within what
// the program can show and count. Shared by the loader and its tests.
#pragma once
#include <cstdint>

#include "catalog/scan_choices.h"  // kMaxExcludePatterns
#include "editions/profile.h"
#include "record/font_desc.h"
#include "record/zipinfo.h"
#include "render/print_setup.h"  // kMaxPlacement, kMaxSideMargin

// Heights and widths beyond this many units are nonsense in a file (ten
// inches of text): a height that far out loads as never stored.
constexpr int kMaxFontExtent = 1000;

// Extension styles of a label: the layout marks "no style" with 255, so
// the count stays below it.
constexpr int kMaxExtStyles = 254;
static_assert(kMaxExtStyles < kNoExtStyle, "a style index never reads as no style");
// "WindScale" in percent.
constexpr int kMinWindowScale = 50;
constexpr int kMaxWindowScale = 150;

inline int32_t ClampInt(int32_t value, int32_t low, int32_t high) {
    return value < low ? low : (value > high ? high : value);
}
inline int32_t Switch01(int32_t value) { return value != 0 ? 1 : 0; }
// COLORREF as the colour chooser makes it: red, green, blue only.
inline ColorRef RgbOnly(uint32_t value) { return value & 0x00FFFFFF; }

// Doubles held in memory go back to the store as whole numbers, rounded:
// truncating would lose a unit on some values at every run (58 % and
// 1.001 in among them). Out-of-range values (a dialog may take anything)
// are held at the int32 limits.
int32_t RoundToInt32(double value);
inline int32_t InchesToThousandths(double inches) { return RoundToInt32(inches * 1000.0); }
inline int32_t ScaleToPercent(double scale) { return RoundToInt32(scale * 100.0); }

// "Labels": 10 covers, 12 booklet (not in Wimbrook), 23 sheet (Wimbrook
// only); anything else becomes the nearest of those.
int32_t SoundLabelKind(int32_t stored, const EditionProfile& edition);
// "DispSub": 0 to 4 or 15 ("All Levels"), negative for folders only.
int32_t SoundDispSub(int32_t stored);
// "Drive": a letter outside 'A' to 'Z' becomes 'C'.
char SoundDrive(int8_t stored);
// "Columns%d" and "Lined%d": a negative column count turns the lines off;
// the count becomes its magnitude, at most 7.
void SoundColumns(int32_t* columns, int32_t* lined);
// A font read from the store or a label file: a height beyond the extent
// marks it never stored (-1), such a width becomes the face's own (0), a
// weight outside 0 to 1000 the default (0); the face name is terminated.
void SoundFont(FontDesc* font);
// "SortMode%d" 1 to 3; "Direction%d" 1 or -1.
int32_t SoundSortMode(int32_t stored);
int32_t SoundDirection(int32_t stored);
// "PrinterOrientation" 1 or 2; "PrinterPaperSize" -1 or a device paper code.
int32_t SoundOrientation(int32_t stored);
int32_t SoundPaperSize(int32_t stored);
