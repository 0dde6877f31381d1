// Entry points of the commands whose modules are built later. Each is a
// named function that does the least that keeps the program sound (a
// dialog answers Cancel, a file operation fails) until its module lands
// and takes it over. Every one answers whether it did its work.
#pragma once
#include <windows.h>

#include "catalog/zipinfo.h"

// The catalog dialogs and the font, colour and string dialogs.
#include "catalog/win32/catalog_dialogs_win32.h"
#include "document/win32/style_dialogs_win32.h"

// ---- printing ----
bool PrinterSetupDialog(HWND owner);
// what: 0 the whole label, 1 the front cover only, 2 the back cover only.
bool PrintLabel(HWND owner, int what);

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
