#include "base/win32/dialog_fields_win32.h"

#include <vector>

namespace {

// The window's text with its one "%s" replaced.
std::string Filled(HWND window, const char* text) {
    int length = GetWindowTextLengthA(window);
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    GetWindowTextA(window, buffer.data(), length + 1);
    std::string pattern = buffer.data();
    size_t at = pattern.find("%s");
    if (at != std::string::npos) pattern.replace(at, 2, text);
    return pattern;
}

}  // namespace

void LimitField(HWND dialog, int id, int chars) { SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, chars, 0); }

std::string FieldText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) return std::string();
    int length = GetWindowTextLengthA(control);
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    GetWindowTextA(control, buffer.data(), length + 1);
    return std::string(buffer.data());
}

void SetFieldText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

void TellInputProblem(HWND dialog, const std::string& text) {
    char caption[128] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    MessageBoxA(dialog, text.c_str(), caption, MB_OK | MB_ICONEXCLAMATION);
}

void FillCaption(HWND dialog, const char* text) { SetWindowTextA(dialog, Filled(dialog, text).c_str()); }

void FillControlText(HWND dialog, int id, const char* text) {
    HWND control = GetDlgItem(dialog, id);
    if (control) SetWindowTextA(control, Filled(control, text).c_str());
}

void TellNoMemory(HWND window, UINT message) {
    HWND dialog = GetAncestor(window, GA_ROOT);
    if (message == WM_INITDIALOG) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    char caption[128] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    MessageBoxA(dialog, "There is not enough memory to do that. Nothing was changed.", caption,
                MB_OK | MB_ICONEXCLAMATION);
}
