// The rules behind check marks, pressed buttons and enabled items, over a
// read-only view of the program's records, so that they are testable
// without a window. Each command row names its own
// (shell/command_table.cpp); a rule gets the row's argument, so that one
// rule serves a whole radio group.
#pragma once
#include "editions/profile.h"
#include "record/zipinfo.h"

struct ViewState;
struct ScanSettings;
struct ProgramSettings;

// The program's live state as the rules read it: never a copy, never
// written through.
struct StateView {
    const ViewState* view;
    const ScanSettings* scan;
    const ProgramSettings* settings;
    const ZIPINFO* label;  // the label the commands act on; null: none
    // The selected placed object (element 0 of the label's list), or null.
    const ObjectRecord* Selected() const;
    int SelectionKind() const;  // SelectionKind: nothing, a picture, a string
};

// The program's state for the label given (the current one, or the one a
// pop-up was opened over).
StateView LiveState(const ZIPINFO* label);

using StateRule = bool (*)(const EditionProfile& edition, const StateView& state, int arg);

// The record a field is on: the label, the selected object, the view, the
// scan settings or the program settings; null when there is none.
template <class Record>
const Record* RecordOf(const StateView& state);
template <>
inline const ZIPINFO* RecordOf<ZIPINFO>(const StateView& s) { return s.label; }
// While nothing is selected the object menus show the marks of a new
// string's values: above the catalog, background painted, sized to its text,
// level, centred both ways.
const ObjectRecord& UnselectedObject();
template <>
inline const ObjectRecord* RecordOf<ObjectRecord>(const StateView& s) {
    return s.Selected() ? s.Selected() : &UnselectedObject();
}
template <>
inline const ViewState* RecordOf<ViewState>(const StateView& s) { return s.view; }
template <>
inline const ScanSettings* RecordOf<ScanSettings>(const StateView& s) { return s.scan; }
template <>
inline const ProgramSettings* RecordOf<ProgramSettings>(const StateView& s) { return s.settings; }

// The record type a field pointer belongs to: FieldRecord<&ZIPINFO::Lined>
// is ZIPINFO.
template <class Record, class Value>
Record RecordTypeOf(Value Record::*);
template <auto field>
using FieldRecord = decltype(RecordTypeOf(field));

// The field equals the row's argument (a radio item), or is on or off (a
// toggle); false without its record.
template <auto field>
bool Equals(const EditionProfile&, const StateView& state, int arg) {
    const auto* record = RecordOf<FieldRecord<field>>(state);
    return record && record->*field == arg;
}
template <auto field>
bool IsOn(const EditionProfile&, const StateView& state, int) {
    const auto* record = RecordOf<FieldRecord<field>>(state);
    return record && record->*field != 0;
}
template <auto field>
bool IsOff(const EditionProfile&, const StateView& state, int) {
    const auto* record = RecordOf<FieldRecord<field>>(state);
    return record && record->*field == 0;
}

// The window scale in whole percent (truncated) is the argument.
bool ScalePercentIs(const EditionProfile&, const StateView& state, int percent);
// The directory levels without their sign are the argument (15: all); a
// negative sign is a directories-only scan.
bool LevelsAre(const EditionProfile&, const StateView& state, int levels);
bool DirectoriesOnly(const EditionProfile&, const StateView& state, int);
// The sort direction has the argument's sign.
bool DirectionIs(const EditionProfile&, const StateView& state, int direction);
// The page shown is the cover: 1 for the front cover's command, 2 for the
// back cover's (Dovantel names them the other way round).
bool FrontCoverShown(const EditionProfile&, const StateView& state, int);
bool BackCoverShown(const EditionProfile&, const StateView& state, int);
// Go To Page, on the Page menu and its pop-up alike: only a booklet has
// pages to go to.
bool InBooklet(const EditionProfile&, const StateView& state, int);
// The page buttons: back from page 2 on; on while a page follows (a
// booklet always has one).
bool PageBefore(const EditionProfile&, const StateView& state, int);
bool PageAfter(const EditionProfile&, const StateView& state, int);
// "+" and "-": a column more up to the edition's most (Wimbrook 5, the
// others 7), a column fewer down to none.
bool ColumnsCanGrow(const EditionProfile& edition, const StateView& state, int);
bool ColumnsCanShrink(const EditionProfile&, const StateView& state, int);
