// Every key of the settings store in one table: its name, how the file
// holds it, its default (per edition where the editions differ), its
// bounds, the field it fills, whether it belongs to a label, and its place
// in each of the two orders. LoadSettings reads the rows in table order,
// applying each fix-up as its key is read; SaveSettings writes them by
// their place in the exit's order, which differs, and leaves out the keys
// it never writes.
#pragma once
#include <cstddef>
#include <cstdint>

#include "catalog/scan_settings.h"
#include "document/program_settings.h"
#include "document/settings.h"
#include "editions/profile.h"
#include "record/zipinfo.h"

// What a walk of the table fills or writes: the records of the program,
// and the label record its per-label rows are on.
struct SettingsPlace {
    const EditionProfile* edition;
    ViewSettings* view;
    ScanSettings* scan;
    ProgramSettings* program;
    ZIPINFO* labels;
    int labelCount;
    ZIPINFO* label = nullptr;  // per-label rows: the record, and its index for "%d"
    int labelIndex = -1;
    // The printer rows: the program's printer when saving; while loading, a
    // blank record that replaces it only when it has a name.
    PrinterNames* printer = nullptr;
};

// Where a row's value lives, typed by the field itself.
struct FieldRef {
    enum Type : uint8_t { CHAR, INT32, UINT32, DOUBLE, TEXT, FONT, POSITION } type;
    void* at;
    int size;  // TEXT: the field's bytes, terminator included
};
inline FieldRef Field(char& f) { return {FieldRef::CHAR, &f, 1}; }
inline FieldRef Field(int32_t& f) { return {FieldRef::INT32, &f, 4}; }
inline FieldRef Field(uint32_t& f) { return {FieldRef::UINT32, &f, 4}; }
inline FieldRef Field(double& f) { return {FieldRef::DOUBLE, &f, 8}; }
inline FieldRef Field(FontDesc& f) { return {FieldRef::FONT, &f, sizeof f}; }
inline FieldRef Field(ScreenPosition& f) { return {FieldRef::POSITION, &f, sizeof f}; }
template <size_t N>
FieldRef Field(char (&f)[N]) {
    return {FieldRef::TEXT, f, static_cast<int>(N)};
}
// The field of a row; index is the key's own "%d" (a repeated key's, a
// list element's), 0 for a single key.
using FieldOf = FieldRef (*)(const SettingsPlace& place, int index);

// How the file holds a key.
enum KeyStore : uint8_t {
    KEY_BYTE,      // a number whose low byte counts
    KEY_INT,       // a signed 32-bit number
    KEY_BITS,      // 32 bits: written signed, read signed or unsigned
    KEY_TEXT,      // text of at most `high` characters
    KEY_FONT,      // a font description under 13 keys "<key>_lfHeight" ... "<key>_lfFaceName"
    KEY_POSITION,  // a window's position under "<name>X" and "<name>Y" (the key is "%s")
    KEY_LIST,      // a count (KEY_INT, held within [low, high]), then that many elements
    KEY_LABELS,    // the list's rows once for every label record
};

// What a stored number becomes in memory and, for inches and percent, how
// it goes back.
enum KeyRule : uint8_t {
    RULE_NONE,        // as stored
    RULE_SWITCH,      // 0 or 1
    RULE_RGB,         // red, green and blue only
    RULE_CLAMP,       // held within [low, high]
    RULE_INCHES,      // thousandths in the file, inches in memory; held within [low, high]
    RULE_PERCENT,     // percent in the file, a factor in memory; held within [low, high]
    RULE_DRIVE,       // SoundDrive; missing: none (0), and none is never written
    RULE_LABEL_KIND,  // raised to at least 10, then the edition's nearest kind
    RULE_DISP_SUB,    // SoundDispSub
    RULE_ZOOM,        // a switch; Wimbrook always starts zoomed
    RULE_COLUMNS,     // "Lined%d": SoundColumns with the column count read just before
    RULE_DIRECTION,   // SoundDirection
    RULE_ORIENTATION, // SoundOrientation
    RULE_PAPER_SIZE,  // SoundPaperSize
    RULE_PRINTER,     // the last printer key: the printer read replaces the program's only when it has a name
    RULE_INDEX_TEXT,  // text; missing: the key's index in three digits
};

// The default when a key is missing or unreadable, per edition.
struct Fallback {
    int32_t number[3];  // by EditionId
    const char* text[3];
    // A number that follows another field read before it: that field in
    // thousandths plus number.
    double ProgramSettings::*follows;
};
constexpr Fallback Same(int32_t v) { return {{v, v, v}, {}, nullptr}; }
constexpr Fallback Each(int32_t kestrin, int32_t dovantel, int32_t wimbrook) {
    return {{kestrin, dovantel, wimbrook}, {}, nullptr};
}
constexpr Fallback Text(const char* t) { return {{}, {t, t, t}, nullptr}; }
constexpr Fallback Texts(const char* kestrin, const char* dovantel, const char* wimbrook) {
    return {{}, {kestrin, dovantel, wimbrook}, nullptr};
}
constexpr Fallback Following(double ProgramSettings::*field, int32_t plus) { return {{plus, plus, plus}, {}, field}; }
constexpr Fallback kNoFallback = {};

struct SettingRow;

// A list's elements (a label's extension styles, the exclusion patterns),
// or the label records (the place's, without the two calls).
struct SettingList {
    const SettingRow* rows;  // each element's keys
    int rowCount;
    int (*held)(const SettingsPlace& place);  // elements there are now
    // Frees the elements and makes count zeroed ones (none when memory
    // runs short).
    void (*replace)(const SettingsPlace& place, int count);
};

constexpr unsigned kAllEditions = 7;
constexpr unsigned EditionBit(EditionId id) { return 1u << id; }

struct SettingRow {
    // Per-label keys take the label index as their first "%d"; a repeated
    // key or a list element its own index as the next one.
    const char* key;
    KeyStore store;
    KeyRule rule;
    Fallback fallback;
    FieldOf field;
    int save;  // place in the exit's order among its table's rows; 0: never written then
    int32_t low = 0;
    int32_t high = 0;
    unsigned writtenBy = kAllEditions;  // editions whose exit writes it
    bool initials = false;              // the initials dialog writes it at once
    int repeat = 1;                     // keys of the pattern: index 0 to repeat - 1
    const SettingList* list = nullptr;  // KEY_LIST, KEY_LABELS
    // A look field's row: the field on the label record, in place of `field`.
    FieldRef (*labelField)(ZIPINFO& label) = nullptr;
};

// The save places of a table are 1 to the number of rows written, each once.
constexpr bool IsAnOrder(const SettingRow* rows, int count) {
    int written = 0;
    for (int r = 0; r < count; ++r)
        if (rows[r].save != 0) ++written;
    for (int place = 1; place <= written; ++place) {
        int found = 0;
        for (int r = 0; r < count; ++r)
            if (rows[r].save == place) ++found;
        if (found != 1) return false;
    }
    return true;
}

struct SettingTable {
    const SettingRow* rows;
    int count;
};

// The store's keys in reading order; the label records and their
// extension styles are nested lists.
extern const SettingTable kSettingsTable;
