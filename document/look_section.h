// The look section that ends every template and follows the version line
// of every body: spine text, comment, sorting and display switches,
// colours, the cached font heights, the disk facts and dates, the four
// fonts and the extension styles, in each version the program reads.
#pragma once
#include <string>

#include "document/label_text.h"
#include "record/zipinfo.h"

// Versions written by this program: bodies 41, templates 40.
constexpr int kBodyVersion = 41;
constexpr int kTemplateVersion = 40;
constexpr int kOldestVersion = 16;
// From this version on the disk facts and the label's dates are stored;
// older sections are read with today's dates.
constexpr int kFirstDatedVersion = 25;

// Reads the section of the version into the label's look fields. The
// label's extension styles are replaced (its old array freed); values
// out of range are brought into it as the settings store does. False
// when the section is damaged: the fields may then be half read, the
// caller drops the record.
bool ReadLookSection(LineReader* r, int version, ZIPINFO* label);

// The section of the version (kBodyVersion or kTemplateVersion): the lines
// of the fields that version holds. Space figures are written whole (64
// bits).
void PutLookSection(std::string* out, const ZIPINFO& label, int version);
