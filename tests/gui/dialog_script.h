// Driving the program's modal dialogs from the test thread, two ways, both
// from timers inside the dialog's own message loop:
//  - PlayDuring: the test calls a dialog's entry point while a script of
//    steps plays, with real input (SendInput keys and clicks, clipboard
//    pastes) on the dialog that is showing;
//  - DialogScript: a WH_CBT hook sees each new dialog a command opens (the
//    system's print dialogs, message boxes, our own) and runs the next
//    action on it; a dialog with no action left is cancelled, so a test
//    never hangs.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// A step answers true when it is done; false to be tried again at the
// next tick (waiting for a window, say). Steps run one a tick.
using DialogStep = std::function<bool()>;

// Runs open() while the steps play. When they are not all done within the
// time, the test fails and every dialog still open is cancelled.
void PlayDuring(const std::function<void()>& open, std::vector<DialogStep> steps, int timeoutMs = 20000);

// A visible window of this thread with this caption (null when none).
HWND ShownWindow(const std::string& caption);
// Waits for the window and makes it the one the input steps act on.
DialogStep WaitFor(const std::string& caption);
HWND Current();
// Makes a window (the main window, say) the current one.
DialogStep UseWindow(HWND window);

// Real input on the current window.
DialogStep Click(int id);
DialogStep ClickListRow(int listId, int row);
DialogStep DoubleClickListRow(int listId, int row);
// Home, then Shift+End: the whole text of a one-line edit selected.
DialogStep SelectAll();
DialogStep Keys(std::vector<WORD> keys, std::vector<WORD> modifiers = {});
DialogStep Type(const std::string& text);
// Puts the text on the clipboard and presses Ctrl+V.
DialogStep Paste(const std::string& text);
// Any work on the current window (reading it, checking it).
DialogStep Do(std::function<void(HWND)> work);

// Waits for a message box over the current window, expects its text to
// hold `part`, and closes it with its OK button (a real click).
DialogStep ExpectMessage(const std::string& part);

// Keeps a picture of the current window (<name>.bmp in the folder of
// LABEL_SCREENSHOTS) for people to look at; nothing when that is not set.
DialogStep Picture(const std::string& name);

// Text of a control of a window.
std::string ControlText(HWND window, int id);


// ---- DialogScript ----

using DialogAction = std::function<void(HWND dialog)>;

class DialogScript {
public:
    explicit DialogScript(std::vector<DialogAction> actions);
    ~DialogScript();
    // Captions of the dialogs seen, in order.
    const std::vector<std::string>& seen() const;
};

// Runs an action on a dialog once it is shown, no box of its own is open
// over it and it has handled what it queued.
void RunLater(HWND dialog, DialogAction action);

// Real input to a dialog's controls.
void ClickControl(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const char* text);
// Selects the item with that text in the dialog's first combo box that has
// it, as the user would (the dialog hears CBN_SELCHANGE).
bool ChooseComboItem(HWND dialog, const char* text);
// The text of a message box (its static text).
std::string MessageBoxText(HWND box);
