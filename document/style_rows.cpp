#include "document/style_rows.h"

#include <cstdlib>
#include <cstring>

#include "base/text_field.h"
#include "document/settings_bounds.h"

namespace {

struct FixedRow {
    const char* name;
    FontDesc ZIPINFO::*font;
    ColorRef ZIPINFO::*color;
};
const FixedRow kFixedRows[kFixedStyleRows] = {
    {"Files", &ZIPINFO::Font, &ZIPINFO::FontColor},
    {"Folders", &ZIPINFO::DirFont, &ZIPINFO::DirFontColor},
    {"Comment", &ZIPINFO::CommFont, &ZIPINFO::CommFontColor},
    {"Spine", &ZIPINFO::SpineFont, &ZIPINFO::SpineFontColor},
};

int32_t Channel(ColorRef color, int shift) { return static_cast<int32_t>((color >> shift) & 0xFF); }

}  // namespace

StyleRows StyleRowsOf(const ZIPINFO& label) {
    StyleRows rows;
    for (const FixedRow& f : kFixedRows) {
        ExtStyle row = {};
        CopyField(row.ExtName, f.name);
        row.ExtColor = label.*f.color;
        row.ExtFont = label.*f.font;
        rows.rows.push_back(row);
    }
    for (int i = 0; i < label.NumExtStyles && label.ExtStyles; ++i) rows.rows.push_back(label.ExtStyles[i]);
    return rows;
}

bool ApplyStyleRows(const StyleRows& rows, ZIPINFO* label) {
    int count = static_cast<int>(rows.rows.size()) - kFixedStyleRows;
    if (count < 0) return false;
    ExtStyle* styles = nullptr;
    if (count > 0) {
        styles = static_cast<ExtStyle*>(std::malloc(sizeof(ExtStyle) * static_cast<size_t>(count)));
        if (!styles) return false;
        std::memcpy(styles, rows.rows.data() + kFixedStyleRows, sizeof(ExtStyle) * static_cast<size_t>(count));
    }
    for (int i = 0; i < kFixedStyleRows; ++i) {
        label->*kFixedRows[i].font = rows.rows[static_cast<size_t>(i)].ExtFont;
        label->*kFixedRows[i].color = rows.rows[static_cast<size_t>(i)].ExtColor;
    }
    std::free(label->ExtStyles);
    label->ExtStyles = styles;
    label->NumExtStyles = count;
    InvalidateLayout(label);
    return true;
}

SavedLook SaveLook(const ZIPINFO& label) { return SavedLook{StyleRowsOf(label)}; }

bool RestoreLook(const SavedLook& saved, ZIPINFO* label) { return ApplyStyleRows(saved.rows, label); }

ExtensionStatus AddExtensionRow(StyleRows* rows, const std::string& text, const ZIPINFO& label) {
    std::string name = (!text.empty() && text[0] == '.' ? text.substr(1) : text).substr(0, kExtensionChars);
    if (name.empty()) return EXTENSION_EMPTY;
    if (static_cast<int>(rows->rows.size()) - kFixedStyleRows >= kMaxExtStyles) return EXTENSION_LIST_FULL;
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    ExtStyle row = {};
    CopyField(row.ExtName, name.c_str());
    row.ExtColor = label.FontColor;
    row.ExtFont = label.Font;
    rows->rows.push_back(row);
    return EXTENSION_ADDED;
}

const char* ExtensionMessage(ExtensionStatus status) {
    return status == EXTENSION_LIST_FULL ? "A label holds at most 254 extension styles." : "";
}

bool RemoveStyleRow(StyleRows* rows, int row) {
    if (row < kFixedStyleRows || row >= static_cast<int>(rows->rows.size())) return false;
    rows->rows.erase(rows->rows.begin() + row);
    return true;
}

void CopyStyleRow(StyleRows* rows, int row, int from) {
    int n = static_cast<int>(rows->rows.size());
    if (row < 0 || row >= n || from < 0 || from >= n) return;
    rows->rows[static_cast<size_t>(row)].ExtFont = rows->rows[static_cast<size_t>(from)].ExtFont;
    rows->rows[static_cast<size_t>(row)].ExtColor = rows->rows[static_cast<size_t>(from)].ExtColor;
}

bool RowOnBlack(ColorRef color) {
    return Channel(color, 0) >= 221 && Channel(color, 8) >= 221 && Channel(color, 16) >= 221;
}

int StyleRowHeight(const FontDesc& font) {
    int32_t h = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    if (h == 0 || font.lfHeight == -1) return 20;
    // A list box row is at most 255 pixels high.
    return h + 4 > 255 ? 255 : h + 4;
}
