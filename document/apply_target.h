// What a colour or font chooser's "Apply" refers to while it is open. The
// command that opens a chooser hands its target in; a dialog that opens
// choosers hands them its own, and its own Applies carry it too.
#pragma once

enum ApplyTarget {
    APPLY_NOTHING = 0,
    APPLY_LABEL_FONT = 1,     // a label font: line heights measured again, repaint
    APPLY_COLOR = 2,          // a colour of the label or of a string: repaint
    APPLY_FONTS_DIALOG = 3,   // Fonts And Colors is open: it takes the choice over
    APPLY_STRING_FONT = 4,    // a string's font: auto-size again, repaint
    APPLY_STRING_DIALOG = 5,  // String Entry and Modification is open: it takes its controls, repaint
};
