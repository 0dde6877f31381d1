// The commands whose handlers are Win32 glue (dialogs, file pickers,
// printing, the view, the program's own requests). The core's command rows
// name a slot; the Windows program fills the slots at start-up with its
// handlers (shell/win32/glue_commands_win32.h), so that the core links
// without them. Each handler answers as a core handler does
// (shell/label_commands.h).
#pragma once

enum GlueSlot {
    // Catalog and scanning.
    GLUE_SELECT_DRIVE,
    GLUE_READ_DISK_NOW,
    GLUE_EDIT_EXCLUSIONS,
    GLUE_EDIT_FILES_AND_FOLDERS,
    GLUE_CHOOSE_SUBDIRECTORIES,
    GLUE_EDIT_COMMENT,
    GLUE_EDIT_SPINE_TEXT,
    // "&New" forgets the label's file name; "Cle&ar Label", which shares its
    // number, keeps it.
    GLUE_NEW_LABEL,

    // Look.
    GLUE_FONTS_AND_COLORS,
    GLUE_CHOOSE_BODY_BACKGROUND,
    GLUE_RESET_TO_DEFAULTS,
    GLUE_CHOOSE_SPINE_FONT,
    GLUE_CHOOSE_SPINE_FONT_COLOR,
    GLUE_CHOOSE_SPINE_BACKGROUND,
    GLUE_CUSTOMIZE_INITIALS,
    // Kestrin's disk sizes: the item's text without "&" becomes the capacity
    // text (the argument counts the range's ids from 0).
    GLUE_CHOOSE_DISK_SIZE,

    // Placed objects.
    GLUE_INSERT_IMAGE,
    GLUE_INSERT_STRING,
    GLUE_MODIFY_TEXT,
    GLUE_CHOOSE_STRING_FONT,
    GLUE_CHOOSE_STRING_COLOR,
    GLUE_CHOOSE_STRING_SOLID_COLOR,
    GLUE_APPLY_CHOSEN,

    // Files, templates and printing. A recent file by its place (0 the
    // newest); an empty place does nothing. Printing: 0 all, 1 the front
    // cover, 2 the back cover.
    GLUE_OPEN_BODY,
    GLUE_OPEN_RECENT_FILE,
    GLUE_SAVE_BODY,
    GLUE_SAVE_BODY_AS,
    GLUE_WRITE_TEMPLATE_FILE,
    GLUE_READ_TEMPLATE_FILE,
    GLUE_PRINTER_SETUP,
    GLUE_PRINT_PAGES,

    // The view: zoom, the window scale in percent, a page step (PageStep),
    // Go To Page, Enter.
    GLUE_ZOOM_VIEW,
    GLUE_SCALE_THE_WINDOW,
    GLUE_TURN_PAGE,
    GLUE_ASK_GO_TO_PAGE,
    GLUE_ENTER_KEY,

    // Help (1: search), the web (1: the home page), About, Exit, and the
    // program's own requests.
    GLUE_SHOW_HELP,
    GLUE_VISIT_WEB_PAGE,
    GLUE_ABOUT_BOX,
    GLUE_EXIT_PROGRAM,
    GLUE_CONTINUE_STARTUP,
    GLUE_COMMAND_LINE_LABEL,
    GLUE_COMMAND_LINE_TEMPLATE,
    GLUE_COMMAND_LINE_PRINT,
    GLUE_SLOTS
};

using GlueHandler = bool (*)(int arg);

// Takes the handlers, one a slot; the array must outlive the program's use
// of the rows. False when a slot is empty (its commands would do nothing).
bool RegisterGlueHandlers(const GlueHandler (&handlers)[GLUE_SLOTS]);

// A row's handler for the slot: runs the registered handler; false (as a
// handler that did nothing) while none is registered.
bool RunGlue(GlueSlot slot, int arg);
template <GlueSlot slot>
bool Glue(int arg) {
    return RunGlue(slot, arg);
}
