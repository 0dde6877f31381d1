// The label file commands on the current label: Open, the recent files,
// Save, Save As, the template commands and the command-line loads. They
// keep the body's file name, the label name in the title, "LabelPath" and
// the recent list; a file that cannot be read changes none of them and
// leaves the label as it was.
#pragma once
#include <windows.h>

// "&Open...": the dialog, the unsaved-label guard, the load.
bool OpenBodyCommand(HWND window);
// A recent file (0 the most recent); an empty entry does nothing.
bool OpenRecentCommand(HWND window, int index);
// "&Save": to the current file, or Save As when there is none. True when
// the body was written.
bool SaveBodyCommand(HWND window);
// "Save &As...": true only when the body was written.
bool SaveBodyAsCommand(HWND window);
// The template onto the current drive (Dovantel: a file chosen in a
// dialog); the modified mark goes only when it was written.
bool WriteTemplateCommand(HWND window);
// The template of the current drive (Dovantel: chosen in a dialog).
bool ReadTemplateCommand(HWND window);
// Read Disk's step with "Use Template Files" on: the scanned disk's
// template, silently nothing when it has none.
bool ReadDiskTemplate(HWND window, char drive);
// The command line's body and template: the file name, label name,
// "LabelPath" and recent list stay as they are.
bool LoadCommandLineBody(HWND window, const char* path);
bool LoadCommandLineTemplate(HWND window, const char* path);
// "&New": the next Save asks for a name.
void ForgetBodyPath();
// Dovantel: after every successful Read Disk the template path becomes the
// scanned drive's template file (ReadDiskTemplate does this itself).
void NoteScannedDrive(char drive);
