#include "shell/label_commands.h"

#include <cstdlib>

#include "base/report.h"
#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "document/label_copy.h"
#include "document/object_list.h"
#include "document/program_settings.h"
#include "editions/edition.h"
#include "render/catalog_geometry.h"
#include "render/label_geometry.h"
#include "shell/program_records.h"
#include "shell/view_state.h"

namespace {

ZIPINFO* Label() { return g_currentLabel; }

}  // namespace

bool SetColumns(int count) {
    Label()->Columns = count < 0 ? 0 : (count > kMaxColumns ? kMaxColumns : count);
    InvalidateLayout(Label());
    return true;
}

bool StepColumns(int delta) { return SetColumns(Label()->Columns + delta); }


bool SetSortMode(int mode) {
    Label()->SortMode = mode;
    SortCatalog(Label());
    return true;
}

bool SetDirection(int direction) {
    Label()->Direction = direction;
    SortCatalog(Label());
    return true;
}

bool SetLabelFormat(int lblFmt) {
    ChooseLabelFormat(TheEdition(), lblFmt, &Label()->LblFmt, &g_view.labelKind, &g_view.currentPage);
    InvalidateLayout(Label());
    return true;
}

bool SetSpineAlign(int align) {
    Label()->SpineAlign = align;
    return true;
}

bool SetLevels(int target) {
    int depth = std::abs(g_scan.DispSub);
    if (depth == target) return false;
    g_scan.DispSub = g_scan.DispSub < 0 ? -target : target;
    return true;
}

bool ToggleDirectoriesOnly(int) {
    g_scan.DispSub = -g_scan.DispSub;
    return true;
}

bool SetDirComm(int mode) {
    g_scan.DirComm = mode;
    return true;
}

bool SetAllHints(int hidden) {
    for (int32_t& flag : g_settings.HideDummy) flag = hidden;
    return true;
}

bool ClearAllLabels(int) {
    ClearObjectSelection(Label());
    for (int i = 0; i < g_labelCount; ++i) ClearLabel(&g_labelRecords[i]);
    g_view.modified = 0;
    return true;
}

bool SetSheetKind(int kind) {
    ClearObjectSelection(Label());
    g_view.labelKind = kind;
    g_view.currentPage = 1;
    MakeLabelCurrent(0);
    return true;
}

namespace {
// The copy onto every other label of the sheet; the labels changed even
// when memory ran out part way, which is said.
bool CopyToEveryOtherLabel(bool (*copy)(const ZIPINFO&, ZIPINFO*), const char* title, const char* failure) {
    bool copied = true;
    for (int i = 0; i < g_labelCount; ++i)
        if (&g_labelRecords[i] != Label()) copied = copy(*Label(), &g_labelRecords[i]) && copied;
    if (!copied) ReportError(title, failure);
    return true;
}
}  // namespace

bool DuplicateFormatToAll(int) {
    return CopyToEveryOtherLabel(CopyLook, "Duplicate Format", "Not enough memory to copy the format to every label.");
}

bool ReplicateLabelToAll(int) {
    return CopyToEveryOtherLabel(ReplicateLabel, "Replicate Label", "Not enough memory to copy the label to every label.");
}

bool ChangeNothing(int) { return false; }

bool RunSelectedObjectOperation(ObjectCommand command) {
    return RunObjectCommand(Label(), command, CurrentPlacement());
}
