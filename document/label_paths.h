// The file names around label files: the name Save As writes, the label
// name the title shows, the folder remembered as "LabelPath", the template
// file on a drive, and which picture names of a template may be opened.
#pragma once
#include <string>

#include "editions/profile.h"

// The chosen name with the extension (".KSB") appended unless it already
// ends in it, in any letter case. *appended says whether it was added.
std::string WithExtension(const char* chosen, const char* extension, bool* appended);

// The file name after the last backslash without its last extension:
// "C:\labels\tape.2024.KSB" is "tape.2024", so that Save As proposes the
// same file again.
std::string LabelNameOf(const char* path);

// The path up to and including its last backslash; empty without one.
std::string FolderOf(const char* path);

// The template file in the root of a drive: "C:\Kestrin.KST".
std::string DriveTemplatePath(char drive, const EditionProfile& edition);

// Whether a picture name of a template names an ordinary file: not empty,
// not a device (CON, AUX, COM1, LPT1 and the rest, with or without an
// extension, in any folder), not a "\\.\" or "\\?\" path, not ending in a
// separator. Folders are left to the loader, which opens only files.
bool IsPlainFileName(const char* path);
