// The spine text dialog ("%s Label %s") on the label's VolumeName, and the
// initials dialog on the spine logo's "Initials" and "Number", which are
// written to the settings at once.
#include <cstring>

#include "base/text_field.h"
#include "document/program_settings.h"
#include "document/settings.h"
#include "document/text_entry.h"
#include "base/win32/dialog_fields_win32.h"
#include "base/win32/dialog_position_win32.h"
#include "document/win32/style_dialogs_win32.h"
#include "editions/dialog_ids.h"
#include "editions/edition.h"

namespace {

struct SpineState {
    std::string text;
    int labelNumber;
};

INT_PTR CALLBACK SpineProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<SpineState*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    switch (message) {
    case WM_INITDIALOG: {
        PlaceDialog(dialog, WINDOW_LABEL);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        state = reinterpret_cast<SpineState*>(lParam);
        char format[128] = "";
        GetWindowTextA(dialog, format, sizeof format);
        SetWindowTextA(dialog, SpineDialogCaption(format, TheEdition().name, state->labelNumber).c_str());
        LimitField(dialog, IDC_SPINE_TEXT, kSpineTextChars);
        SetFieldText(dialog, IDC_SPINE_TEXT, state->text);
        SendDlgItemMessageA(dialog, IDC_SPINE_TEXT, EM_SETSEL, 0, -1);
        SetFocus(GetDlgItem(dialog, IDC_SPINE_TEXT));
        return FALSE;
    }
    case WM_COMMAND:
        TrackDialogPosition(dialog, WINDOW_LABEL);
        if (LOWORD(wParam) == IDOK) {
            state->text = FirstLineCut(FieldText(dialog, IDC_SPINE_TEXT), kSpineTextChars);
            EndDialog(dialog, 1);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
        }
        return TRUE;
    }
    return FALSE;
}

struct InitialsState {
    std::string initials;
    std::string number;
    bool withNumber;  // Wimbrook's spine has no capacity text to edit
};

INT_PTR CALLBACK InitialsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<InitialsState*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    switch (message) {
    case WM_INITDIALOG:
        PlaceDialog(dialog, WINDOW_INITIALS);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        state = reinterpret_cast<InitialsState*>(lParam);
        LimitField(dialog, IDC_INITIALS, kInitialsChars);
        SetFieldText(dialog, IDC_INITIALS, state->initials);
        if (state->withNumber) {
            LimitField(dialog, IDC_NUMBER, kNumberChars);
            SetFieldText(dialog, IDC_NUMBER, state->number);
        }
        return TRUE;
    case WM_COMMAND:
        TrackDialogPosition(dialog, WINDOW_INITIALS);
        if (LOWORD(wParam) == IDOK) {
            state->initials = FirstLineCut(FieldText(dialog, IDC_INITIALS), kInitialsChars);
            if (state->withNumber) state->number = FirstLineCut(FieldText(dialog, IDC_NUMBER), kNumberChars);
            EndDialog(dialog, 1);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
        }
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool SpineTextDialog(HWND owner, ZIPINFO* label, int labelNumber) {
    SpineState state{std::string(label->VolumeName, strnlen(label->VolumeName, sizeof label->VolumeName)), labelNumber};
    if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SPINE_TEXT), owner, SoftOnNoMemory<SpineProc>,
                        reinterpret_cast<LPARAM>(&state)) != 1)
        return false;
    CopyField(label->VolumeName, state.text.c_str());
    return true;
}

bool InitialsDialog(HWND owner, ProgramSettings* settings) {
    InitialsState state{settings->Initials, settings->Number, TheEdition().id != EDITION_WIMBROOK};
    if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_INITIALS), owner, SoftOnNoMemory<InitialsProc>,
                        reinterpret_cast<LPARAM>(&state)) != 1)
        return false;
    TakeInitials(state.initials, state.withNumber ? &state.number : nullptr, settings);
    if (!SaveInitials(*settings)) {
        std::string text = std::string("The initials could not be written to ") + TheEdition().iniFile +
                           ". They apply until the program ends.";
        MessageBoxA(owner, text.c_str(), TheEdition().name, MB_OK | MB_ICONEXCLAMATION);
    }
    return true;
}
