// What a colour or font chooser's "Apply" refers to while it is open. The
// command that opens a chooser sets it before and clears it after; a dialog
// that opens choosers sets its own while it is open and gives the previous
// one back. The main window's Apply command reads it.
#pragma once

enum ApplyTarget {
    APPLY_NOTHING = 0,
    APPLY_LABEL_FONT = 1,     // a label font: line heights measured again, repaint
    APPLY_COLOR = 2,          // a colour of the label or of a string: repaint
    APPLY_FONTS_DIALOG = 3,   // Fonts And Colors is open: it takes the choice over
    APPLY_STRING_FONT = 4,    // a string's font: auto-size again, repaint
    APPLY_STRING_DIALOG = 5,  // String Entry and Modification is open: it takes its controls, repaint
};

inline int g_applyTarget = APPLY_NOTHING;
