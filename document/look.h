// The look fields of a label record: their defaults, per edition where the
// editions differ, and "Reset To Defaults".
#pragma once
#include "catalog/scan_settings.h"
#include "catalog/zipinfo.h"
#include "editions/profile.h"

constexpr const char* kDefaultComment = "%spacefree% free, %spaceused% used  (%shortdate%)";
constexpr ColorRef kWhite = 0xFFFFFF;

// The four main fonts of a label.
enum LabelFontSlot { FONT_FILES = 0, FONT_FOLDERS, FONT_COMMENT, FONT_SPINE };

// A default font as the text output builds it: face, size in tenths of a
// point, style bits (1 bold, 2 italic, 4 underline, 8 strike-out, as the
// renderer's LabelFontStyle).
struct DefaultFont {
    const char* face;
    int tenthsOfPoint;
    int styleBits;
};

// Files and comment Arial 8 pt, folders Arial 8 pt bold, spine Arial 14 pt;
// Wimbrook's spine is a 0.12 in strip and takes Arial 8 pt bold.
DefaultFont DefaultLabelFont(LabelFontSlot slot, const EditionProfile& edition);

// Marks a font as never set (height -1) with the default's face and
// weight; the start-up step that builds default fonts for the screen
// fills in every font so marked.
void MarkFontUnset(FontDesc* font, const DefaultFont& wanted);

// "Reset To Defaults" on one record (the label changes, always): gives
// back the default look (fonts marked unset for the default-font step),
// drops the extension styles, re-sorts the catalog and invalidates the
// layout. The caller then builds the fonts and measures their heights.
void ResetLook(ZIPINFO* label, const EditionProfile& edition);

// "Reset To Defaults": the scan depth back to 1, and ResetLook on every
// label record of the edition.
void ResetAllLooks(const EditionProfile& edition, ScanSettings* scan);
