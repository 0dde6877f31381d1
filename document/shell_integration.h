// What the program tells the desktop shell and where it sends the user:
// the install folder, the registry values of the two file types, the
// browser fallback command, the vendor's web pages and the help file.
// The registry and the shell calls themselves are Win32 glue
// (document/win32/shell_integration_win32.h).
#pragma once
#include <string>
#include <vector>

#include "editions/profile.h"

// The program's folder: "InstallPath" of the section "Install" of the
// edition's INI file (through the settings store's profile seam), else the
// folder the program file itself lies in; no trailing backslash. Not the
// current folder, which is the document's when the shell starts the
// program.
std::string InstallFolder(const char* programFolder);

// One default (unnamed) string value under HKEY_CLASSES_ROOT: the value of
// key, or of its subkey when subkey is not empty.
struct FileTypeValue {
    std::string key;
    std::string subkey;
    std::string value;
};

// The nine values, in the order they are entered: the template type, its
// open command, its icon, the template extension, the body type, its open
// and print commands, its icon, the body extension. The program is named
// without ".exe" and quoted when its path holds a blank; "%1" stays bare,
// since the command line is taken whole after the switch.
std::vector<FileTypeValue> FileTypeValues(const EditionProfile& edition, const std::string& folder);

// The command line that opens a target with the program of ".htm" files:
// the registered command cut before "%1" (or before its opening quote when
// it is quoted), a blank, the target. A command without "%1" is kept
// whole.
std::string BrowserCommand(const std::string& htmlCommand, const std::string& target);

// The vendor's home page ("Go To &Web Site...", the About box) or update
// page ("Check for &New Version").
std::string WebPageAddress(const EditionProfile& edition, bool homePage);

// The edition's help file in the program's folder.
std::string HelpFilePath(const EditionProfile& edition, const std::string& folder);

// The help topic "&Contents" opens.
constexpr unsigned kHelpContentsContext = 10000;
