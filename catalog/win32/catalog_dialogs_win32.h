// The catalog dialogs: the drive, the exclusion list, Subdirectory
// Selection, the Files and Folders Editor (with Change File) and Comment
// Entry. Each is modal over its owner, opens where it was last left and
// answers true for OK.
#pragma once
#include <windows.h>

#include "catalog/scan_settings.h"
#include "record/zipinfo.h"

// OK with an entry selected: *drive takes its letter. OK without a
// selection changes nothing and answers false, as Cancel does.
bool DriveDialog(HWND owner, char* drive);
// The exclusion list of the scan settings; true only when OK changed the
// patterns or the mode.
bool ExcludeDialog(HWND owner, ScanSettings* scan);
// Which folders of the label are shown expanded; works on the label
// itself. OK and the close command both keep the changes and invalidate
// the layout (true for OK).
bool SubdirDialog(HWND owner, ZIPINFO* label);
// Reorders, adds, deletes and changes entries on a copy of the label's
// tree; OK gives the label the copy. When no copy can be made the user is
// told and nothing changes.
bool FilesFoldersDialog(HWND owner, ZIPINFO* label);
// The label's one-line comment with its macros and a live sample.
bool CommentDialog(HWND owner, ZIPINFO* label);
