// The toolbar of each edition as data: the buttons left to right with their
// images, commands and kinds, and the tooltip text of every command.
#pragma once
#include <string>

#include "editions/profile.h"

enum ToolKind { TOOL_SEPARATOR = 0, TOOL_BUTTON = 1, TOOL_CHECK = 2 };

struct ToolButton {
    int image;    // index into bitmap 148; -1 for a separator
    int command;  // 0 for a separator
    ToolKind kind;
};

// The edition's buttons; count receives the number of entries.
const ToolButton* ToolbarButtons(const EditionProfile& edition, int* count);

// Tooltip text for a command id; "" for ids without a tooltip.
const char* ToolTipText(const EditionProfile& edition, int command);

// The status-bar banner: the version line, then the notice line.
std::string BannerText(const EditionProfile& edition);
