// The look fields of a label record: their defaults, per edition where the
// editions differ, and "Reset To Defaults".
#pragma once
#include "catalog/comment_entry.h"
#include "catalog/scan_settings.h"
#include "editions/profile.h"
#include "record/zipinfo.h"
#include "render/label_font.h"

constexpr ColorRef kWhite = 0xFFFFFF;

// Marks a font as never set (height -1) with the default's face and
// weight; the start-up step that builds default fonts for the screen
// fills in every font so marked.
void MarkFontUnset(FontDesc* font, const DefaultFont& wanted);

// "Reset To Defaults" on one record (the label changes, always): gives
// back the default look (fonts marked unset for the default-font step),
// drops the extension styles, re-sorts the catalog and invalidates the
// layout. The caller then builds the fonts and measures their heights.
void ResetLook(ZIPINFO* label, const EditionProfile& edition);

// "Reset To Defaults": the scan depth back to 1, and ResetLook on each of
// the count label records.
void ResetAllLooks(const EditionProfile& edition, ScanSettings* scan, ZIPINFO* labels, int count);
