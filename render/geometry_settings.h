// The two print settings the label geometry reads: Wimbrook insets its body
// region by the side margin, or by a fixed 0.1 in while the default print
// position is on. The caller hands in the program's values.
#pragma once

struct GeometrySettings {
    double sideMargin = 0.100;  // "SideMargin", inches
    int origPosition = 1;       // "OrigPosition"
};

// Horizontal inset of Wimbrook's body region on each side, label units.
int WimbrookBodyInset(const GeometrySettings& settings);
