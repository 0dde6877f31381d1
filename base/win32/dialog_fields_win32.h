// What every dialog of the program does with its edit fields, bad input
// and memory that runs out: fields hold no more than their record keeps
// (the edit itself stops typing and pasting there); a refused value gets a
// message box over the dialog, which stays open with everything typed.
#pragma once
#include <windows.h>

#include <new>
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

// Memory ran out for a step of the dialog the window belongs to: the user
// is told that nothing changed; a dialog that could not open is cancelled.
void TellNoMemory(HWND window, UINT message);

// A dialog procedure (or a dialog's hook or control procedure) that fails
// softly when memory runs out: the step is dropped and the user told. A
// dialog works on its own copy until OK, so the label is left as it was,
// and no exception crosses the system's code.
template <auto Proc>
decltype(Proc(HWND(), UINT(), WPARAM(), LPARAM())) CALLBACK SoftOnNoMemory(HWND window, UINT message, WPARAM wParam,
                                                                            LPARAM lParam) {
    try {
        return Proc(window, message, wParam, lParam);
    } catch (const std::bad_alloc&) {
        TellNoMemory(window, message);
        return 0;
    }
}
