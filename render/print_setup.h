// The values the Printer Setup dialog edits, as a plain record the dialog
// works on and the caller commits on OK, with the reading and checking of
// its four (Wimbrook: three) number fields.
#pragma once
#include <string>

#include "editions/profile.h"
#include "render/print_plan.h"

struct PrintSetupValues {
    PrintPlacement placement;  // "separate" is Wimbrook's "Print &Empty Labels"
    int border = 0;            // 0 solid ... 4 dash-dot-dot, 5 none
    double sideMargin = 0.1;   // inches
};

// Print placement in thousandths of an inch: fifty inches either way is
// off any paper yet keeps device arithmetic far from overflowing.
constexpr int kMaxPlacement = 50000;
// "SideMargin": an inset of more than an inch on each side would leave a
// floppy label's 2.75 in body nothing.
constexpr int kMaxSideMargin = 1000;

// The number fields. The first column places the first piece printed, the
// back cover in both covers editions; Wimbrook has X, Y and the margin.
enum SetupField { SETUP_X, SETUP_Y, SETUP_X2, SETUP_Y2, SETUP_MARGIN, SETUP_FIELD_COUNT };

// The field as its messages name it ("Back: X (in.)", "Margin (in.)").
const char* SetupFieldName(const EditionProfile& edition, SetupField field);

// Inches as the fields show them ("%01.3f").
std::string FormatSetupInches(double inches);

// Reads a field's text: a finite number of inches within what the settings
// loader accepts (placement -50 to 50 in, margin 0 to 1 in), blanks around
// it allowed. Otherwise false and a message naming the field.
bool ReadSetupField(const EditionProfile& edition, SetupField field, const char* text, double* inches,
                    std::string* message);

double* SetupFieldValue(PrintSetupValues* values, SetupField field);
