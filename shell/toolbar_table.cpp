#include "shell/toolbar_table.h"

#include "editions/command_ids.h"

namespace {
const ToolButton kSep = {-1, 0, TOOL_SEPARATOR};

const ToolButton kFullToolbar[] = {
    kSep,
    {0, CMD_READ_DISK, TOOL_BUTTON},
    kSep,
    {1, CMD_CLEAR_ALL_LABELS, TOOL_BUTTON},
    kSep,
    {2, CMD_COLUMNS_LESS, TOOL_BUTTON},
    {3, CMD_COLUMNS_MORE, TOOL_BUTTON},
    kSep,
    {4, CMD_ZOOM, TOOL_CHECK},
    kSep,
    {5, CMD_SHOW_SIZE, TOOL_CHECK},
    {6, CMD_SHOW_EXT, TOOL_CHECK},
    {7, CMD_CHOOSE_SUBDIRS, TOOL_BUTTON},
    {8, CMD_FONTS_COLORS, TOOL_BUTTON},
    kSep,
    {9, CMD_NEXT_PAGE, TOOL_BUTTON},
    {10, CMD_PREVIOUS_PAGE, TOOL_BUTTON},
    kSep,
    {11, CMD_EDIT_FILES, TOOL_BUTTON},
    kSep,
    {12, CMD_INSERT_IMAGE, TOOL_BUTTON},
    {13, CMD_INSERT_STRING, TOOL_BUTTON},
    kSep,
    {14, CMD_SAVE_AS, TOOL_BUTTON},
    {15, CMD_OPEN, TOOL_BUTTON},
    kSep,
    {16, CMD_PRINT, TOOL_BUTTON},
    kSep,
    {17, CMD_ABOUT, TOOL_BUTTON},
};

const ToolButton kFloppyToolbar[] = {
    kSep,
    {0, CMD_READ_DISK, TOOL_BUTTON},
    {1, CMD_NEW, TOOL_BUTTON},
    kSep,
    {2, CMD_COLUMNS_LESS, TOOL_BUTTON},
    {3, CMD_COLUMNS_MORE, TOOL_BUTTON},
    kSep,
    {4, CMD_SHOW_SIZE, TOOL_CHECK},
    {5, CMD_SHOW_EXT, TOOL_CHECK},
    {6, CMD_CHOOSE_SUBDIRS, TOOL_BUTTON},
    kSep,
    {7, CMD_EDIT_FILES, TOOL_BUTTON},
    kSep,
    {8, CMD_INSERT_IMAGE, TOOL_BUTTON},
    {9, CMD_INSERT_STRING, TOOL_BUTTON},
    kSep,
    {10, CMD_SAVE, TOOL_BUTTON},
    {11, CMD_PRINT, TOOL_BUTTON},
};

struct Tip {
    int command;
    const char* text;
};

const Tip kFullTips[] = {
    {CMD_READ_DISK, "Read Disk"},
    {CMD_CLEAR_ALL_LABELS, "Clear Label"},
    {CMD_COLUMNS_LESS, "Reduce Columns"},
    {CMD_COLUMNS_MORE, "Increase Columns"},
    {CMD_ZOOM, "Zoom In/Out"},
    {CMD_SHOW_SIZE, "Display File Sizes"},
    {CMD_SHOW_EXT, "Display File Extensions"},
    {CMD_CHOOSE_SUBDIRS, "Select Subdirectories To Display"},
    {CMD_FONTS_COLORS, "Customize Fonts and Colors"},
    {CMD_NEXT_PAGE, "Next Page"},
    {CMD_PREVIOUS_PAGE, "Previous Page"},
    {CMD_EDIT_FILES, "Edit Files and Directories"},
    {CMD_INSERT_IMAGE, "Insert Bitmap Image"},
    {CMD_INSERT_STRING, "Insert String"},
    {CMD_SAVE_AS, "Save Label To Disk"},
    {CMD_OPEN, "Load Label From Disk"},
    {CMD_PRINT, "Print Label"},
    {CMD_ABOUT, "About This Program"},
};

const Tip kFloppyTips[] = {
    {CMD_READ_DISK, "Read Disk"},
    {CMD_NEW, "Clear Label"},
    {CMD_CLEAR_ALL_LABELS, "Clear All Label(s)"},
    {CMD_WRITE_TEMPLATE, "Write Template To Drive"},
    {CMD_COLUMNS_LESS, "Reduce Columns"},
    {CMD_COLUMNS_MORE, "Increase Columns"},
    {CMD_SHOW_SIZE, "Display File Sizes"},
    {CMD_SHOW_EXT, "Display File Extensions"},
    {CMD_CHOOSE_SUBDIRS, "Select Subdirectories To Display"},
    {CMD_EDIT_FILES, "Edit Files and Directories"},
    {CMD_INSERT_IMAGE, "Insert Bitmap Image"},
    {CMD_INSERT_STRING, "Insert String"},
    {CMD_SAVE, "Save Label To Disk"},
    {CMD_PRINT, "Print Label(s)"},
};

template <size_t N>
const char* FindTip(const Tip (&tips)[N], int command) {
    for (const Tip& tip : tips)
        if (tip.command == command) return tip.text;
    return "";
}
}  // namespace

const ToolButton* ToolbarButtons(const EditionProfile& edition, int* count) {
    if (edition.id == EDITION_WIMBROOK) {
        *count = static_cast<int>(sizeof kFloppyToolbar / sizeof kFloppyToolbar[0]);
        return kFloppyToolbar;
    }
    *count = static_cast<int>(sizeof kFullToolbar / sizeof kFullToolbar[0]);
    return kFullToolbar;
}

const char* ToolTipText(const EditionProfile& edition, int command) {
    return edition.id == EDITION_WIMBROOK ? FindTip(kFloppyTips, command)
                                          : FindTip(kFullTips, command);
}

std::string BannerText(const EditionProfile& edition) {
    return std::string(edition.versionLine) + "  -  " + edition.bannerNotice;
}
