// Entry points of the commands whose modules are built later. Each is a
// named function that does the least that keeps the program sound (a
// dialog answers Cancel, a file operation fails) until its module lands
// and takes it over. Every one answers whether it did its work.
#pragma once
#include <windows.h>

#include "catalog/zipinfo.h"

// ---- catalog dialogs ----
// OK with an entry selected: *drive takes its letter.
bool DriveDialog(HWND owner, char* drive);
// The exclusion list (g_scan); true when OK changed the patterns or the mode.
bool ExcludeDialog(HWND owner);
bool SubdirDialog(HWND owner, ZIPINFO* label);
bool FilesFoldersDialog(HWND owner, ZIPINFO* label);
bool CommentDialog(HWND owner, ZIPINFO* label);

// ---- font, colour and string dialogs ----
// Cancel gives the value back as it was when the chooser opened.
bool ChooseLabelColor(HWND owner, ColorRef* color);
bool ChooseLabelFont(HWND owner, FontDesc* font, ColorRef* color);
bool FontsColorsDialog(HWND owner, ZIPINFO* label);
// On the label's head object, a string.
bool StringDialog(HWND owner, ZIPINFO* label);
// labelNumber: shown in the caption (a label of Wimbrook's sheet); 0 none.
bool SpineTextDialog(HWND owner, ZIPINFO* label, int labelNumber);
bool InitialsDialog(HWND owner);
// The Apply command of an open chooser, by g_applyTarget; false when there
// is nothing to apply to.
bool ApplyChooserChoice(HWND window);

// ---- printing ----
#include "shell/win32/print_command.h"

// ---- label files (they keep the file name, title and recent list) ----
bool OpenBodyCommand(HWND window);
bool OpenRecentCommand(HWND window, int index);  // 0 the most recent
bool SaveBodyCommand(HWND window);
bool SaveBodyAsCommand(HWND window);
bool WriteTemplateCommand(HWND window);
bool ReadTemplateCommand(HWND window);
// Read Disk's step with "Use Template Files" on: the scanned disk's template.
bool ReadDiskTemplate(HWND window, char drive);
bool LoadCommandLineBody(HWND window, const char* path);
bool LoadCommandLineTemplate(HWND window, const char* path);
// "&New": the next Save asks for a name.
void ForgetBodyPath();

// ---- shell integration and help ----
void InstallFileTypes();
bool OpenDocument(const char* target, int show);
// The vendor's home page (false: the update page) in the browser.
bool OpenWebPage(bool homePage);
// The help file: its contents topic, or (search) the finder.
bool OpenHelp(HWND window, bool search);
