// The command table's core handlers: each acts on the current label, the
// scan settings, the program settings or the view with the row's argument
// and answers true when it did what the row's modified mark or rescan
// question follows.
#pragma once
#include "document/object_commands.h"

// Body display and sorting.
bool SetColumns(int count);
// "+" and "-": one column more or fewer (their rows hold them to what the
// toolbar's buttons allow).
bool StepColumns(int delta);
bool ToggleLined(int);
bool ToggleShowSize(int);
bool ToggleShowExt(int);
bool ToggleShowComm(int);
bool SetSortMode(int mode);
bool SetDirection(int direction);
// Covers and booklet formats: the kind follows; a covers format beyond
// page 2 shows page 1.
bool SetLabelFormat(int lblFmt);

// Spine.
bool SetSpineAlign(int align);
bool ToggleShowZip(int);
bool ToggleZipColor(int);
bool ToggleOpposing(int);

// Scan settings. Levels: true when the depth changed (the sign, a
// folders-only scan, stays; Root ends it).
bool SetLevels(int target);
bool ToggleDirectoriesOnly(int);
bool SetDirComm(int mode);
// True when archive scanning became on.
bool ToggleScanArchives(int);
bool ToggleUseTemplates(int);
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
