// Where the program's windows were last left, by window key. The settings
// own the positions (they reach the INI file) and hand their table over at
// start (SetWindowPositionStore); the dialogs of every layer reach it here.
#pragma once
#include <cstdint>

// Windows whose screen positions are remembered ("%sX", "%sY"), in the
// order the store processes them, the main window first.
enum WindowKey {
    WINDOW_MAIN = 0,
    WINDOW_COLOR,
    WINDOW_FONT,
    WINDOW_EXT,
    WINDOW_ABOUT,
    WINDOW_DRIVE,
    WINDOW_SUBDIR,
    WINDOW_LABEL,
    WINDOW_COMMENT,
    WINDOW_STRING,
    WINDOW_DIRTY,
    WINDOW_PRINT_SETUP,
    WINDOW_GOTO_PAGE,
    WINDOW_CHANGE_FILE,
    WINDOW_INITIALS,
    WINDOW_EXCLUDE,
    WINDOW_DUMMY,
    WINDOW_KEY_COUNT
};

struct ScreenPosition {
    int32_t x;
    int32_t y;
};

// Remembered screen positions.
constexpr int kMaxScreenCoordinate = 32767;

// The table of WINDOW_KEY_COUNT positions the dialogs read and write.
void SetWindowPositionStore(ScreenPosition* positions);
// The key's remembered position; null before a store was handed over (a
// dialog then opens centred and remembers nothing).
ScreenPosition* WindowPosition(WindowKey key);

// A remembered window position pulled onto the screen: at most 100 pixels
// short of the right (bottom) edge, never negative.
int ClampSavedPosition(int value, int screenExtent);
