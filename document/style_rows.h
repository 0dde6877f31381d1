// The Fonts And Colors dialog's rows: four fixed rows ("Files", "Folders",
// "Comment", "Spine") carrying the label's main fonts and colours, then one
// row per extension style. The dialog edits the rows; Apply and OK write
// them into the label; Cancel puts back the look saved at opening, which
// owns its own copy of the style array.
#pragma once
#include <string>
#include <vector>

#include "record/zipinfo.h"

constexpr int kFixedStyleRows = 4;
constexpr int kExtensionChars = 7;

struct StyleRows {
    std::vector<ExtStyle> rows;
};

StyleRows StyleRowsOf(const ZIPINFO& label);

// Rows 1 to 4 into the four fonts and colours, the others into a new style
// array (the old one freed); the layout is invalidated. False when memory
// runs out: the label is left as it was.
bool ApplyStyleRows(const StyleRows& rows, ZIPINFO* label);

// Everything the dialog may change, held apart from the label.
struct SavedLook {
    StyleRows rows;
};
SavedLook SaveLook(const ZIPINFO& label);
// Puts the saved look back (the label gets its own copy of the styles).
bool RestoreLook(const SavedLook& saved, ZIPINFO* label);

enum ExtensionStatus {
    EXTENSION_ADDED = 0,
    EXTENSION_EMPTY,      // nothing to add: nothing happens
    EXTENSION_LIST_FULL,  // the settings load no more than kMaxExtStyles
};
// "&Add": one leading full stop dropped, at most 7 characters kept, ASCII
// letters upper-cased; a row with the label's file font and colour is
// appended.
ExtensionStatus AddExtensionRow(StyleRows* rows, const std::string& text, const ZIPINFO& label);
// The message of a full list: a style past the ones the settings load
// would be lost at the next start.
const char* ExtensionMessage(ExtensionStatus status);

// "&Remove": only extension rows go; false for the fixed rows.
bool RemoveStyleRow(StyleRows* rows, int row);
// "Co&py From Files" / "Cop&y From Folders": font and colour of row `from`.
void CopyStyleRow(StyleRows* rows, int row, int from);

// A row is drawn on black when its colour is too light for white.
bool RowOnBlack(ColorRef color);
// Row height in the list: |font height| + 4 (at most 255, a list box's
// limit), 20 while no height is set.
int StyleRowHeight(const FontDesc& font);
