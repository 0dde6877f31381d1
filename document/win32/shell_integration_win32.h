// The desktop shell: the file types entered at every start, documents and
// web pages opened in their programs, and the help file.
#pragma once
#include <windows.h>

#include <string>

// Enters the edition's body and template types under HKEY_CLASSES_ROOT
// (document/shell_integration.h has the values); a key that cannot be
// opened is skipped, nothing is reported.
void InstallFileTypes();

// Opens the target with the shell's "open"; failing that, with the program
// of ".htm" files. True when something was started.
bool OpenDocument(const char* target, int show);

// The vendor's home page (false: the update page) in the browser.
bool OpenWebPage(bool homePage);

// The help file: its contents topic, or (search) the finder. A help file
// that is not there is reported by name.
bool OpenHelp(HWND window, bool search);

// The folder the running program file lies in, no trailing backslash.
std::string ProgramFolder();

// The shell's "open" of a target as ShellExecute answers it (above 32 is
// success). Tests replace it; null restores ShellExecute.
using ShellOpenHook = INT_PTR (*)(const char* target, int show);
void SetShellOpenHook(ShellOpenHook hook);
