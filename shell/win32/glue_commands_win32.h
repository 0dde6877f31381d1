// The command rows' Win32 handlers (the slots of shell/glue_commands.h):
// dialogs, file pickers, printing, the view and the program's own
// requests, on the main window. Defined in
// shell/win32/command_handlers_win32.cpp; each answers as a core handler
// does (shell/label_commands.h).
#pragma once

// Fills the command rows' glue slots with the handlers below, at start-up
// before the first command; false when a slot was left empty.
bool RegisterWin32Handlers();

// Catalog and scanning.
bool SelectDrive(int);
bool ReadDiskNow(int);
bool EditExclusions(int);
bool EditFilesAndFolders(int);
bool ChooseSubdirectories(int);
bool EditComment(int);
bool EditSpineText(int);
// "&New" forgets the label's file name; "Cle&ar Label", which shares its
// number, keeps it.
bool NewLabel(int);

// Look.
bool FontsAndColors(int);
bool ChooseBodyBackground(int);
bool ResetToDefaults(int);
bool ChooseSpineFont(int);
bool ChooseSpineFontColor(int);
bool ChooseSpineBackground(int);
bool CustomizeInitials(int);
// Kestrin's disk sizes: the item's text without "&" becomes the capacity
// text (the argument counts the range's ids from 0).
bool ChooseDiskSize(int index);

// Placed objects.
bool InsertImage(int);
bool InsertString(int);
bool ModifyText(int);
bool ChooseStringFont(int);
bool ChooseStringColor(int);
bool ChooseStringSolidColor(int);
bool ApplyChosen(int);

// Files, templates and printing. A recent file by its place (0 the
// newest); an empty place does nothing. Printing: 0 all, 1 the front
// cover, 2 the back cover.
bool OpenBody(int);
bool OpenRecentFile(int index);
bool SaveBody(int);
bool SaveBodyAs(int);
bool WriteTemplateFile(int);
bool ReadTemplateFile(int);
bool PrinterSetup(int);
bool PrintPages(int what);

// The view: zoom, the window scale in percent, a page step (PageStep),
// Go To Page, Enter.
bool ZoomView(int);
bool ScaleTheWindow(int percent);
bool TurnPage(int step);
bool AskGoToPage(int);
bool EnterKey(int);

// Help (1: search), the web (1: the home page), About, Exit, and the
// program's own requests.
bool ShowHelp(int search);
bool VisitWebPage(int homePage);
bool AboutBox(int);
bool ExitProgram(int);
bool ContinueStartup(int);
bool CommandLineLabel(int);
bool CommandLineTemplate(int);
bool CommandLinePrint(int);
