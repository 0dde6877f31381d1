// The look fields of a label record, one row each: what differs between
// them, for every walk that reads, writes or carries a label's look (the
// per-label INI keys, the look section of bodies and templates, applying a
// template, Duplicate Format and Reset To Defaults). A look field is named
// here, where it is declared and where its value is used; a walk names
// none.
#pragma once
#include <cstdint>

#include "document/settings_table.h"
#include "record/zipinfo.h"
#include "render/label_font.h"

// How the look section holds a row, and how the walks carry it.
enum LookKind : uint8_t {
    LOOK_NUMBER,      // a number line
    LOOK_COLOR,       // a colour line: red, green and blue only
    LOOK_HEIGHT,      // a cached line height: re-measured after every load
    LOOK_TEXT,        // a text line after a dot
    LOOK_FONT,        // a font block; a template's keeps the label's underline
    LOOK_STYLES,      // the extension styles: a count, then each style
    LOOK_DISK_FACTS,  // not a look field: where the section holds the disk facts and dates
};

// Which walks carry a field besides the INI and the look section: each
// has its own set.
enum LookCarry : uint8_t {
    CARRY_RESET = 1,      // "Reset To Defaults" gives back its reset value
    CARRY_DUPLICATE = 2,  // "Duplicate Format" copies it to the other labels
    CARRY_TEMPLATE = 4,   // a template applies it
};

struct LookField {
    FieldRef (*at)(ZIPINFO& label);  // null for the styles and the disk facts
    LookKind kind;
    // The INI row, "%d" the label's index: key, store, rule and bounds (the
    // look section keeps a value within the same), default, and place in
    // the exit's order. A null key: the INI does not keep the field.
    SettingRow ini;
    int load;  // place among a label's keys when the INI is read
    // The look section: the first version holding the field's line, and
    // the value taken from a file older than that. (Lined: see below.)
    int since;
    int32_t absent;
    // Reset To Defaults, per edition (text: the reset text; a font: the
    // edition's default font of the slot).
    Fallback reset;
    LabelFontSlot slot;
    uint8_t carry;
};

// The rows in the look section's line order (the volume name, first, is
// not a look field).
extern const LookField* const kLookSchema;
extern const int kLookFieldCount;

// A label's keys in the INI, in reading order, as the settings table
// nests them once for every label record.
extern const SettingList kLabelKeys;

// Columns and Lined are stored together: a negative column count turns
// the lines off. The INI applies it as Lined is read (the count was read
// before); a look section older than Lined takes Lined from the sign.
void SoundLabelColumns(ZIPINFO* label);
void SectionColumns(ZIPINFO* label, bool linedStored);

// Copies the look fields a walk carries (CARRY_DUPLICATE or
// CARRY_TEMPLATE) from one record to another, all but the extension
// styles, which a walk copies or moves itself. A template's font keeps
// the label's underline: templates do not store it.
void CopyCarriedFields(const ZIPINFO& from, ZIPINFO* to, LookCarry walk);

// The label's extension styles.
int HeldStyles(const ZIPINFO& label);
const ExtStyle* StylesOf(const ZIPINFO& label);
// Frees them and takes the array given (null: none).
void PutStyles(ZIPINFO* label, ExtStyle* styles, int count);
// A copy of from's styles in to's place; false (to unchanged) when memory
// runs out.
bool CopyStyles(const ZIPINFO& from, ZIPINFO* to);
// Moves from's styles to to, freeing to's.
void MoveStyles(ZIPINFO* from, ZIPINFO* to);
