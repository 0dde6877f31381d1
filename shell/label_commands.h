// The command table's core handlers: each acts on the current label, the
// scan settings, the program settings or the view with the row's argument
// and answers true when it did what the row's modified mark or rescan
// question follows.
#pragma once
#include <type_traits>

#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "document/object_commands.h"
#include "document/program_settings.h"
#include "shell/menu_state.h"

// The live record a field is on, for the generic handlers: the current
// label, the scan settings or the program settings.
template <class Record>
Record* LiveRecord();
template <>
inline ZIPINFO* LiveRecord<ZIPINFO>() { return g_currentLabel; }
template <>
inline ScanSettings* LiveRecord<ScanSettings>() { return &g_scan; }
template <>
inline ProgramSettings* LiveRecord<ProgramSettings>() { return &g_settings; }

// A switch turned over: one handler for every toggle, the field its
// template argument. A label's field changes what the layout shows.
// Toggle answers true (done); ToggleAnswersOn whether the switch is now
// on, for a rescan question that only turning it on asks.
template <auto field>
bool ToggleAnswersOn(int) {
    auto* record = LiveRecord<FieldRecord<field>>();
    record->*field = record->*field ? 0 : 1;
    if constexpr (std::is_same_v<FieldRecord<field>, ZIPINFO>) InvalidateLayout(record);
    return record->*field != 0;
}
template <auto field>
bool Toggle(int arg) {
    ToggleAnswersOn<field>(arg);
    return true;
}

// Body display and sorting.
bool SetColumns(int count);
// "+" and "-": one column more or fewer (their rows hold them to what the
// toolbar's buttons allow).
bool StepColumns(int delta);
bool SetSortMode(int mode);
bool SetDirection(int direction);
// Covers and booklet formats: the kind follows; a covers format beyond
// page 2 shows page 1.
bool SetLabelFormat(int lblFmt);

// Spine.
bool SetSpineAlign(int align);

// Scan settings. Levels: true when the depth changed (the sign, a
// folders-only scan, stays; Root ends it).
bool SetLevels(int target);
bool ToggleDirectoriesOnly(int);
bool SetDirComm(int mode);
// True when archive scanning became on.
// All 32 hints hidden (1) or shown (0).
bool SetAllHints(int hidden);

// Every label record cleared; the modified mark goes too.
bool ClearAllLabels(int);

// Wimbrook: one label or the sheet of nine, label 0 and page 1 current.
bool SetSheetKind(int kind);
// Wimbrook: the current label's look, or all of it, onto every other label.
bool DuplicateFormatToAll(int);
bool ReplicateLabelToAll(int);

// The arrow keys and the page keys where they mean nothing.
bool ChangeNothing(int);

// An operation on the selected object (element 0 of the current label).
bool RunSelectedObjectOperation(ObjectCommand command);
template <ObjectOp op>
bool OnSelectedObject(int arg) {
    return RunSelectedObjectOperation({op, arg});
}
