// What every dialog of the program does with its edit fields and bad
// input: fields hold no more than their record keeps (the edit itself
// stops typing and pasting there); a refused value gets a message box over
// the dialog, which stays open with everything typed.
#pragma once
#include <windows.h>

#include <string>

// Limits the edit to `chars` characters.
void LimitField(HWND dialog, int id, int chars);

// The whole text of a control.
std::string FieldText(HWND dialog, int id);
void SetFieldText(HWND dialog, int id, const std::string& text);

// A message box titled with the dialog's caption, exclamation icon.
void TellInputProblem(HWND dialog, const std::string& text);

// The dialog's caption with its "%s" filled by the text (the medium word).
void FillCaption(HWND dialog, const char* text);
void FillControlText(HWND dialog, int id, const char* text);
