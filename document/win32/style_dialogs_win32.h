// The font, colour and string dialogs: the system colour and font
// choosers with an "Apply" that shows a choice on the label before it is
// confirmed, Fonts And Colors, String Entry and Modification, the spine
// text and the initials. Each is modal, opens where it was last left and
// answers true for OK; Cancel gives back everything, Applies included.
#pragma once
#include <windows.h>

#include "document/apply_target.h"
#include "record/zipinfo.h"

// Cancel gives the value back as it was when the chooser opened. The
// chooser's Apply writes the value and applies it by the target.
bool ChooseLabelColor(HWND owner, ApplyTarget target, ColorRef* color);
// The font is held in label units; the chooser shows its true size. The
// colour is handed to the chooser and kept.
bool ChooseLabelFont(HWND owner, ApplyTarget target, FontDesc* font, ColorRef* color);
bool FontsColorsDialog(HWND owner, ZIPINFO* label);
// On the label's head object, a string.
bool StringDialog(HWND owner, ZIPINFO* label);
// labelNumber: shown in the caption (a label of Wimbrook's sheet); 0 none.
bool SpineTextDialog(HWND owner, ZIPINFO* label, int labelNumber);
// "Initials" and "Number", written to the settings at once.
bool InitialsDialog(HWND owner);
