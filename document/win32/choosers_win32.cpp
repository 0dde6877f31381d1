// The system colour and font choosers with their hooks: each opens where
// it was last left, its "Apply" writes the choice into the edited value and
// asks the main window to apply it, and Cancel gives back the value the
// chooser opened on.
#include <windows.h>
#include <commdlg.h>
#include <colordlg.h>
#include <dlgs.h>

#include "document/chooser_values.h"
#include "document/program_settings.h"
#include "document/win32/apply_choice_win32.h"
#include "base/win32/dialog_fields_win32.h"
#include "base/win32/dialog_position_win32.h"
#include "record/win32/font_desc_win32.h"
#include "document/win32/style_dialogs_win32.h"

namespace {

constexpr const char* kChoice = "LabelChooserChoice";

template <typename T>
T* ChoiceOf(HWND chooser) {
    return static_cast<T*>(GetPropA(chooser, kChoice));
}

struct ColorChoice {
    ColorRef* color;
    ApplyTarget target;
};

UINT_PTR CALLBACK ColorHook(HWND chooser, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        PlaceDialog(chooser, WINDOW_COLOR);
        SetPropA(chooser, kChoice, reinterpret_cast<HANDLE>(reinterpret_cast<CHOOSECOLORA*>(lParam)->lCustData));
        // The custom-colour part open at once, by the chooser's own button.
        SendMessageA(chooser, WM_COMMAND, MAKEWPARAM(COLOR_MIX, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(chooser, COLOR_MIX)));
        SetDlgItemTextA(chooser, pshHelp, "Apply");
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case pshHelp: {
            ColorRef color;
            if (!ColorFromFields(FieldText(chooser, COLOR_RED), FieldText(chooser, COLOR_GREEN),
                                 FieldText(chooser, COLOR_BLUE), &color)) {
                TellInputProblem(chooser, kColorFieldsMessage);
                return TRUE;
            }
            ColorChoice* choice = ChoiceOf<ColorChoice>(chooser);
            *choice->color = color;
            RequestApply(chooser, choice->target, nullptr);
            return TRUE;
        }
        case IDOK:
        case IDCANCEL: TrackDialogPosition(chooser, WINDOW_COLOR); break;
        }
        return FALSE;
    case WM_DESTROY:
        RemovePropA(chooser, kChoice);
        return FALSE;
    }
    return FALSE;
}

struct FontChoice {
    FontDesc* font;
    FontDesc opened;  // the label's font
    FontDesc shown;   // as the chooser reports it at opening
    int pixelsPerInch;
    ApplyTarget target;
    PrinterNames* printer;
};

UINT_PTR CALLBACK FontHook(HWND chooser, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        PlaceDialog(chooser, WINDOW_FONT);
        SetPropA(chooser, kChoice, reinterpret_cast<HANDLE>(reinterpret_cast<CHOOSEFONTA*>(lParam)->lCustData));
        SendMessageA(chooser, WM_CHOOSEFONT_GETLOGFONT, 0,
                     reinterpret_cast<LPARAM>(AsLogFont(&ChoiceOf<FontChoice>(chooser)->shown)));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case psh3: {  // "Apply"
            FontChoice* choice = ChoiceOf<FontChoice>(chooser);
            LOGFONTA chosen = *AsLogFont(&choice->shown);
            SendMessageA(chooser, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(&chosen));
            *choice->font = FontFromChooser(*AsFontDesc(&chosen), choice->shown, choice->opened, choice->pixelsPerInch);
            RequestApply(chooser, choice->target, choice->printer);
            return TRUE;
        }
        case IDOK:
        case IDCANCEL: TrackDialogPosition(chooser, WINDOW_FONT); break;
        }
        return FALSE;
    case WM_DESTROY:
        RemovePropA(chooser, kChoice);
        return FALSE;
    }
    return FALSE;
}

int ScreenPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    int ppi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return ppi;
}

}  // namespace

bool ChooseLabelColor(HWND owner, ApplyTarget target, ColorRef* color, ColorRef* customColors) {
    ColorRef before = *color;
    ColorChoice choice{color, target};
    COLORREF custom[kCustomColorCount];
    for (int i = 0; i < kCustomColorCount; ++i) custom[i] = customColors[i];
    CHOOSECOLORA cc = {};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner;
    cc.rgbResult = *color;
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_SHOWHELP | CC_ENABLEHOOK;
    cc.lCustData = reinterpret_cast<LPARAM>(&choice);
    cc.lpfnHook = SoftOnNoMemory<ColorHook>;
    bool chosen = ChooseColorA(&cc) != 0;
    // Custom colours the user made are kept either way.
    for (int i = 0; i < kCustomColorCount; ++i) customColors[i] = custom[i] & 0x00FFFFFF;
    *color = chosen ? static_cast<ColorRef>(cc.rgbResult & 0x00FFFFFF) : before;
    return chosen;
}

bool ChooseLabelFont(HWND owner, ApplyTarget target, FontDesc* font, ColorRef* color, PrinterNames* printer) {
    int ppi = ScreenPixelsPerInch();
    FontDesc shown = FontForChooser(*font, ppi);
    FontChoice choice{font, *font, shown, ppi, target, printer};
    CHOOSEFONTA cf = {};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = AsLogFont(&shown);
    cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_ENABLEHOOK | CF_LIMITSIZE;
    // The Apply button exists from Windows 4.0 on.
    if (LOBYTE(LOWORD(GetVersion())) >= 4) cf.Flags |= CF_APPLY;
    cf.nSizeMin = kMinChooserPoints;
    cf.nSizeMax = kMaxChooserPoints;
    cf.rgbColors = *color;
    cf.lCustData = reinterpret_cast<LPARAM>(&choice);
    cf.lpfnHook = SoftOnNoMemory<FontHook>;
    bool chosen = ChooseFontA(&cf) != 0;
    *font = chosen ? FontFromChooser(shown, choice.shown, choice.opened, ppi) : choice.opened;
    return chosen;
}
