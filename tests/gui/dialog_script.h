// Answers the modal dialogs a command opens inside the test process (the
// system's print dialogs, message boxes, our own dialogs): a WH_CBT hook
// sees each new dialog activated, and the next action of the script runs
// on it from a timer inside the dialog's own message loop. A dialog with no
// action left is cancelled, so a test never hangs.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

using DialogAction = std::function<void(HWND dialog)>;

class DialogScript {
public:
    explicit DialogScript(std::vector<DialogAction> actions);
    ~DialogScript();
    // Captions of the dialogs seen, in order.
    const std::vector<std::string>& seen() const;
};

// Runs an action on a dialog a little later (after a box it opened closed).
void RunLater(HWND dialog, DialogAction action, int milliseconds = 150);

// Real input to a dialog's controls.
void ClickControl(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const char* text);
std::string ControlText(HWND dialog, int id);
// Selects the item with that text in the dialog's first combo box that has
// it, as the user would (the dialog hears CBN_SELCHANGE).
bool ChooseComboItem(HWND dialog, const char* text);
// The text of a message box (its static text).
std::string MessageBoxText(HWND box);
