// The text rules of the String Entry and Modification, spine text and
// initials dialogs.
#pragma once
#include <string>

#include "document/program_settings.h"
#include "record/zipinfo.h"

// A string's text as the dialog takes it: trailing CR LF pairs removed,
// then leading ones; an empty text becomes a single blank. At most 8,191
// characters are kept (the edit holds no more).
void TakeStringText(const std::string& edited, ObjectRecord* rec);

// The dialog's controls other than the text, as indexes of their lists.
struct StringControls {
    int orientation;  // list index: 0, 90, 180, 270 degrees
    int hAlign;       // 0 left, 1 centre, 2 right
    int vAlign;       // 0 top, 1 centre, 2 bottom
    bool autoSize;
};
StringControls StringControlsOf(const ObjectRecord& rec);
void TakeStringControls(const StringControls& controls, ObjectRecord* rec);

// "&Default": the label's spine font and colour, white filled background,
// no rotation, auto-size, centred both ways. The text stays.
void SetStringDefaults(const ZIPINFO& label, ObjectRecord* rec);

// "%s Label %s" with the edition name and, when labelNumber is not 0, the
// label's number on the sheet.
std::string SpineDialogCaption(const char* format, const char* editionName, int labelNumber);

constexpr int kSpineTextChars = 63;
constexpr int kInitialsChars = 63;
constexpr int kNumberChars = 7;

// The field's first line, cut to `limit` characters.
std::string FirstLineCut(const std::string& text, int limit);

// The initials dialog's OK: the texts become the program's for this run
// ("Number" unchanged where the edition does not edit it). The dialog then
// writes both to the settings store at once (SaveInitials).
void TakeInitials(const std::string& initials, const std::string* number, ProgramSettings* settings);
