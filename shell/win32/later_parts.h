// Entry points of the commands whose modules are built later. Each is a
// named function that does the least that keeps the program sound (a
// dialog answers Cancel, a file operation fails) until its module lands
// and takes it over. Every one answers whether it did its work.
#pragma once
#include <windows.h>

#include "catalog/zipinfo.h"
// The label file commands and the shell integration have their modules.
#include "document/win32/shell_integration_win32.h"
#include "shell/win32/file_commands.h"

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
