// Real mouse and key input on the main window at label coordinates, and
// reading back what the window shows: for the in-process GUI tests of the
// label view. Points are logical (window) units unless a name says label
// units.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "record/zipinfo.h"
#include "render/label_rect.h"

// Settings every view test starts from: a drive is known (no drive prompt).
extern const char* const kViewTestIni;

// Client pixel of a logical point, and the logical point of the current
// page for a point in its label units.
POINT ClientPixelOf(HWND window, LabelPoint logical);
LabelPoint LogicalOfPagePoint(int page, LabelPoint labelUnits);

// Mouse input at a logical point through SendInput; modifiers are virtual
// keys held meanwhile. Each returns once the window has taken the input.
// Separate clicks never pair up into a double click.
void ClickAt(HWND window, LabelPoint p, const std::vector<WORD>& modifiers = {});
void DoubleClickAt(HWND window, LabelPoint p, const std::vector<WORD>& modifiers = {});
void PressAt(HWND window, LabelPoint p, const std::vector<WORD>& modifiers = {});
void MoveTo(HWND window, LabelPoint p);
void ReleaseAt(HWND window, LabelPoint p, const std::vector<WORD>& modifiers = {});
// Press, a few moves and the release.
void DragFromTo(HWND window, LabelPoint from, LabelPoint to, const std::vector<WORD>& modifiers = {});
// A right click; a pop-up it opens is read and closed by the callback given
// to ReadNextPopup.
void RightClickAt(HWND window, LabelPoint p);

// Removes and returns the commands posted to the window (oldest first).
std::vector<int> TakePostedCommands(HWND window);

// The pop-up menu shown by the next right click, read when it opens.
struct PopupSeen {
    HMENU menu = nullptr;
    std::vector<std::pair<int, UINT>> states;  // command, MF_ flags
    UINT StateOf(int command) const;
};
void ExpectPopupOnNextRightClick(PopupSeen* seen);

// Repaints the label now and returns once the window has handled what the
// paint queued.
void RepaintNow(HWND window);

std::string StatusText(HWND window);
std::string Caption(HWND window);

// The colour of the window's pixel at a logical point (from the screen).
COLORREF PixelAt(HWND window, LabelPoint p);
// Pixels of a logical rectangle's area (from the screen) with a colour.
int CountPixels(HWND window, const LabelRect& area, COLORREF colour);

// Writes the window's pixels to <name>.bmp in the folder named by the
// environment variable LABEL_SCREENSHOTS; nothing when it is not set.
void SaveWindowPicture(HWND window, const std::string& name);

// Appends an object to the current label's list (it becomes the last).
PlacedObject* AddObject(int type, int page, int layer, const LabelRect& rect, bool autoSize = false);
