// The open and save dialogs of label bodies and (in Dovantel) templates.
#pragma once
#include <windows.h>

#include <string>

#include "editions/profile.h"

struct LabelFileDialog {
    const char* title;          // "Load Kestrin Body..."
    const char* filterName;     // "Kestrin Bodies (*.KSB)"; "All Files (*.*)" follows
    const char* filterPattern;  // "*.KSB"
    const char* extension;      // ".KSB": what Save appends
    std::string folder;         // where the dialog starts; empty for its own choice
    std::string proposed;       // Save: the name offered
};

// The dialogs of the edition's bodies and templates.
LabelFileDialog BodyDialog(const EditionProfile& edition, bool save);
LabelFileDialog TemplateDialog(const EditionProfile& edition, bool save);

// An existing file (path and file must exist, read-only box hidden); false
// on Cancel.
bool AskOpenFile(HWND owner, const LabelFileDialog& dialog, std::string* path);

// A name to save under (path must exist, overwriting asked, read-only box
// hidden), the extension appended unless the name ends in it. A file that
// the appended name hits and the dialog did not ask about is asked about
// here; false on Cancel or No.
bool AskSaveFile(HWND owner, const LabelFileDialog& dialog, std::string* path);
