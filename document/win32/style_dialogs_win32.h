// The font, colour and string dialogs: the system colour and font
// choosers with an "Apply" that shows a choice on the label before it is
// confirmed, Fonts And Colors, String Entry and Modification, the spine
// text and the initials. Each is modal, opens where it was last left and
// answers true for OK; Cancel gives back everything, Applies included.
#pragma once
#include <windows.h>

#include "document/apply_target.h"
#include "document/program_settings.h"
#include "record/zipinfo.h"

// Cancel gives the value back as it was when the chooser opened. The
// chooser's Apply writes the value and applies it by the target.
// customColors: the kCustomColorCount colours the chooser offers, which
// keep what the user made of them either way.
bool ChooseLabelColor(HWND owner, ApplyTarget target, ColorRef* color, ColorRef* customColors);
// The font is held in label units; the chooser shows its true size. The
// colour is handed to the chooser and kept. printer: what an applied label
// font is measured on (RequestApply).
bool ChooseLabelFont(HWND owner, ApplyTarget target, FontDesc* font, ColorRef* color, PrinterNames* printer);
// The dialogs below open the choosers on the settings' custom colours and
// measure on their printer.
bool FontsColorsDialog(HWND owner, ZIPINFO* label, ProgramSettings* settings);
// On the label's head object, a string.
bool StringDialog(HWND owner, ZIPINFO* label, ProgramSettings* settings);
// labelNumber: shown in the caption (a label of Wimbrook's sheet); 0 none.
bool SpineTextDialog(HWND owner, ZIPINFO* label, int labelNumber);
// "Initials" and "Number" of the settings, written to the store at once.
bool InitialsDialog(HWND owner, ProgramSettings* settings);
