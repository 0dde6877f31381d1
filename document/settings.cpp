// LoadSettings and SaveSettings: one walk of the settings table, reading
// the rows in table order with each default and fix-up applied as its key
// is read, or writing them in the exit's order.
#include "document/settings.h"

#include <cstdio>

#include "base/text_field.h"
#include "document/look_schema.h"
#include "document/settings_bounds.h"
#include "document/settings_store.h"
#include "document/settings_table.h"

namespace {

bool g_loaded = false;

enum Pass { LOADING, SAVING };

// The row's key for the place and index: a per-label key takes the label
// index first, a window position the window's name.
struct Key {
    char text[96];
    Key(const SettingRow& row, const SettingsPlace& place, int index) {
        if (row.store == KEY_POSITION) {
            std::snprintf(text, sizeof text, row.key, kWindowKeyNames[index]);
        } else if (place.label) {
            std::snprintf(text, sizeof text, row.key, place.labelIndex, index);
        } else {
            std::snprintf(text, sizeof text, row.key, index, 0);
        }
    }
    operator const char*() const { return text; }
};

int32_t FieldNumber(const FieldRef& field) {
    switch (field.type) {
    case FieldRef::CHAR: return static_cast<int8_t>(*static_cast<const char*>(field.at));
    case FieldRef::UINT32: return static_cast<int32_t>(*static_cast<const uint32_t*>(field.at));
    case FieldRef::INT32: return *static_cast<const int32_t*>(field.at);
    default: return 0;
    }
}

void SetFieldNumber(const FieldRef& field, int32_t value) {
    switch (field.type) {
    case FieldRef::CHAR: *static_cast<char*>(field.at) = static_cast<char>(value); break;
    case FieldRef::UINT32: *static_cast<uint32_t*>(field.at) = static_cast<uint32_t>(value); break;
    case FieldRef::INT32: *static_cast<int32_t*>(field.at) = value; break;
    default: break;
    }
}

// ---- loading ----

bool ReadNumber(const char* key, KeyStore store, int32_t* out) {
    switch (store) {
    case KEY_BYTE: {
        int8_t byte;
        if (!ReadSetting(SettingsRoot(), key, &byte, 1, SETTING_BYTE)) return false;
        *out = byte;
        return true;
    }
    case KEY_BITS: {
        uint32_t bits;
        if (!ReadSetting(SettingsRoot(), key, &bits, 4, SETTING_COLOR)) return false;
        *out = static_cast<int32_t>(bits);
        return true;
    }
    default:  // KEY_INT, and the numbers of positions and list counts
        return ReadSetting(SettingsRoot(), key, out, 4, SETTING_INT);
    }
}

// The stored number, or the row's default; found says which.
int32_t LoadNumber(const SettingRow& row, const char* key, const SettingsPlace& p, bool* found) {
    int32_t value;
    *found = ReadNumber(key, row.store, &value);
    if (*found) return value;
    value = row.fallback.number[p.edition->id];
    if (row.fallback.follows) value += InchesToThousandths(p.program->*row.fallback.follows);
    return value;
}

// A number as its field takes it.
int32_t Sound(const SettingRow& row, int32_t v, const SettingsPlace& p) {
    switch (row.rule) {
    case RULE_SWITCH: return Switch01(v);
    case RULE_RGB: return static_cast<int32_t>(RgbOnly(static_cast<uint32_t>(v)));
    case RULE_CLAMP: return ClampInt(v, row.low, row.high);
    case RULE_LABEL_KIND: return SoundLabelKind(v < 10 ? 10 : v, *p.edition);
    case RULE_DISP_SUB: return SoundDispSub(v);
    case RULE_ZOOM: return p.edition->id == EDITION_WIMBROOK ? 1 : Switch01(v);
    case RULE_DIRECTION: return SoundDirection(v);
    case RULE_ORIENTATION: return SoundOrientation(v);
    case RULE_PAPER_SIZE: return SoundPaperSize(v);
    default: return v;
    }
}

int32_t LoadSound(const SettingRow& row, const char* key, const SettingsPlace& p) {
    bool found;
    return Sound(row, LoadNumber(row, key, p, &found), p);
}

void LoadText(const SettingRow& row, const char* key, const FieldRef& field, const SettingsPlace& p, int index) {
    // The stored text is cut to the key's limit and to the field.
    int width = row.high + 1 < field.size ? row.high + 1 : field.size;
    auto* text = static_cast<char*>(field.at);
    if (!ReadSetting(SettingsRoot(), key, text, width, SETTING_STRING)) {
        if (row.rule == RULE_INDEX_TEXT) {
            std::snprintf(text, static_cast<size_t>(field.size), "%03d", index);
        } else if (const char* fallback = row.fallback.text[p.edition->id]) {
            CopyText(text, static_cast<size_t>(field.size), fallback);
        }
    }
    // The printer chosen in an earlier run. Without a stored printer name
    // (none chosen, or none installed back then) the system's default
    // printer read at window creation stays.
    if (row.rule == RULE_PRINTER && p.printer->name[0]) p.program->Printer = *p.printer;
}

void LoadValue(const SettingRow& row, const char* key, const FieldRef& field, const SettingsPlace& p, int index) {
    switch (row.store) {
    case KEY_TEXT: LoadText(row, key, field, p, index); return;
    case KEY_FONT: ReadFontSetting(key, static_cast<FontDesc*>(field.at)); return;
    default: break;
    }
    bool found;
    int32_t value = LoadNumber(row, key, p, &found);
    switch (row.rule) {
    case RULE_INCHES: *static_cast<double*>(field.at) = ClampInt(value, row.low, row.high) * 0.001; break;
    // An in-range scale stays even when no menu item offers it.
    case RULE_PERCENT: *static_cast<double*>(field.at) = ClampInt(value, row.low, row.high) * 0.01; break;
    case RULE_DRIVE: SetFieldNumber(field, found ? SoundDrive(static_cast<int8_t>(value)) : 0); break;
    case RULE_COLUMNS:
        SetFieldNumber(field, value);
        SoundLabelColumns(p.label);
        break;
    default: SetFieldNumber(field, Sound(row, value, p)); break;
    }
}

// ---- saving ----

bool WriteNumber(const char* key, KeyStore store, int32_t value) {
    switch (store) {
    case KEY_BYTE: {
        auto byte = static_cast<int8_t>(value);
        return WriteSetting(SettingsRoot(), key, &byte, 1, SETTING_BYTE);
    }
    case KEY_BITS: {
        auto bits = static_cast<uint32_t>(value);
        return WriteSetting(SettingsRoot(), key, &bits, 4, SETTING_COLOR);
    }
    default:  // KEY_INT, and the numbers of positions and list counts
        return WriteSetting(SettingsRoot(), key, &value, 4, SETTING_INT);
    }
}

bool SaveValue(const SettingRow& row, const char* key, const FieldRef& field) {
    switch (row.store) {
    case KEY_TEXT: return WriteSetting(SettingsRoot(), key, field.at, field.size, SETTING_STRING);
    case KEY_FONT: WriteFontSetting(key, static_cast<const FontDesc*>(field.at)); return true;
    default: break;
    }
    int32_t value;
    switch (row.rule) {
    case RULE_INCHES: value = InchesToThousandths(*static_cast<const double*>(field.at)); break;
    case RULE_PERCENT: value = ScaleToPercent(*static_cast<const double*>(field.at)); break;
    default: value = FieldNumber(field); break;
    }
    // No drive chosen yet: leave the key out so the next start asks again.
    if (row.rule == RULE_DRIVE && value == 0) return true;
    return WriteNumber(key, row.store, value);
}

// ---- the walk ----

bool WalkRows(const SettingRow* rows, int count, const SettingsPlace& p, int element, Pass pass);

FieldRef FieldAt(const SettingRow& row, const SettingsPlace& p, int index) {
    return row.labelField ? row.labelField(*p.label) : row.field(p, index);
}

bool WalkKey(const SettingRow& row, const SettingsPlace& p, int index, Pass pass) {
    Key key(row, p, index);
    bool done = true;
    switch (row.store) {
    case KEY_POSITION: {
        auto* position = static_cast<ScreenPosition*>(FieldAt(row, p, index).at);
        int32_t* coordinates[2] = {&position->x, &position->y};
        for (int c = 0; c < 2; ++c) {
            char part[sizeof key.text + 1];
            std::snprintf(part, sizeof part, "%s%c", key.text, "XY"[c]);
            if (pass == LOADING) *coordinates[c] = LoadSound(row, part, p);
            else done = WriteNumber(part, row.store, *coordinates[c]) && done;
        }
        return done;
    }
    case KEY_LIST: {
        if (pass == LOADING) row.list->replace(p, LoadSound(row, key, p));
        else done = WriteNumber(key, row.store, row.list->held(p));
        int elements = row.list->held(p);
        for (int n = 0; n < elements; ++n) done = WalkRows(row.list->rows, row.list->rowCount, p, n, pass) && done;
        return done;
    }
    case KEY_LABELS:
        for (int i = 0; i < p.labelCount; ++i) {
            SettingsPlace label = p;
            label.label = &p.labels[i];
            label.labelIndex = i;
            done = WalkRows(row.list->rows, row.list->rowCount, label, 0, pass) && done;
            if (pass == LOADING) InvalidateLayout(label.label);
        }
        return done;
    default:
        if (pass == SAVING) return SaveValue(row, key, FieldAt(row, p, index));
        LoadValue(row, key, FieldAt(row, p, index), p, index);
        return true;
    }
}

// The row at a position of the pass's order: table order when loading,
// the exit's order when saving; null where the exit writes nothing.
const SettingRow* RowAt(const SettingRow* rows, int count, int position, Pass pass) {
    if (pass == LOADING) return &rows[position];
    for (int r = 0; r < count; ++r)
        if (rows[r].save == position + 1) return &rows[r];
    return nullptr;
}

// Each row's keys: a repeated row's by their own index, the others by the
// list element's. False when a write failed.
bool WalkRows(const SettingRow* rows, int count, const SettingsPlace& p, int element, Pass pass) {
    bool done = true;
    for (int position = 0; position < count; ++position) {
        const SettingRow* row = RowAt(rows, count, position, pass);
        if (!row || (pass == SAVING && !(row->writtenBy & EditionBit(p.edition->id)))) continue;
        for (int i = 0; i < row->repeat; ++i) done = WalkKey(*row, p, row->repeat > 1 ? i : element, pass) && done;
    }
    return done;
}

}  // namespace

void LoadSettings(const EditionProfile& edition, ViewSettings* view, const StoredSettings& into) {
    PrinterNames stored = {};
    SettingsPlace place = {&edition, view, into.scan, into.program, into.labels, into.labelCount};
    place.printer = &stored;
    WalkRows(kSettingsTable.rows, kSettingsTable.count, place, 0, LOADING);
    g_loaded = true;
}

void SaveSettings(const EditionProfile& edition, const ViewSettings& view, const StoredSettings& from) {
    if (!SettingsLoaded()) return;
    ViewSettings stored = view;
    SettingsPlace place = {&edition, &stored, from.scan, from.program, from.labels, from.labelCount};
    place.printer = &from.program->Printer;
    WalkRows(kSettingsTable.rows, kSettingsTable.count, place, 0, SAVING);
}

bool SaveInitials(const ProgramSettings& settings) {
    ProgramSettings program = settings;
    SettingsPlace place = {nullptr, nullptr, nullptr, &program, nullptr, 0};
    bool wrote = true;
    for (int r = 0; r < kSettingsTable.count; ++r) {
        const SettingRow& row = kSettingsTable.rows[r];
        if (row.initials) wrote = WalkKey(row, place, 0, SAVING) && wrote;
    }
    return wrote;
}

bool SettingsLoaded() { return g_loaded; }
void ForgetLoadedSettings() { g_loaded = false; }

bool TakeMissingDrive(ScanSettings* scan) {
    if (scan->Drive != 0) return false;
    scan->Drive = 'C';
    return true;
}
