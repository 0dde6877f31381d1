#include "shell/command_table.h"

#include "editions/command_ids.h"
#include "render/label_geometry.h"
#include "shell/label_commands.h"
#include "shell/view_pages.h"

namespace {

constexpr unsigned MOD = CF_MODIFIES;
constexpr unsigned OBJ = CF_NEEDS_OBJECT | CF_MODIFIES;
constexpr unsigned PIC = CF_NEEDS_PICTURE | CF_MODIFIES;
constexpr unsigned STR = CF_NEEDS_STRING | CF_MODIFIES;
constexpr CoreHandler GLUE = nullptr;

const HintText kHints[] = {
    {0, "Directory Scanning Warning", "You need to re-scan the disk for this setting to take effect."},
    {0, "Exclude/Include List Modified",
     "The exclude/include list has changed.  Do you want to re-scan the disk?"},
    {1, "Drive Modification Warning", "You've selected a new drive to scan, would you like to scan it now?"},
    {2, "Archive Scanning Warning", "Scanning archives increases disk read time.\nWould you like to scan the disk now?"},
};

const CommandRow kRows[] = {
    // Catalog and scanning.
    {CMD_SELECT_DRIVE, IN_ALL, 0, HINT_DRIVE, GLUE, 0},
    {CMD_READ_DISK, IN_ALL, CF_GUARD | MOD, NO_HINT, GLUE, 0},
    {CMD_LEVELS_ROOT, IN_ALL, 0, HINT_LEVELS, SetLevels, 0},
    {CMD_LEVELS_1, IN_ALL, 0, HINT_LEVELS, SetLevels, 1},
    {CMD_LEVELS_2, IN_ALL, 0, HINT_LEVELS, SetLevels, 2},
    {CMD_LEVELS_3, IN_ALL, 0, HINT_LEVELS, SetLevels, 3},
    {CMD_LEVELS_4, IN_ALL, 0, HINT_LEVELS, SetLevels, 4},
    {CMD_LEVELS_ALL, IN_ALL, 0, HINT_LEVELS, SetLevels, 15},
    {CMD_DIRS_ONLY, IN_ALL, 0, HINT_LEVELS, ToggleDirectoriesOnly, 0},
    {CMD_DIRCOMM_SIZE, IN_ALL, 0, HINT_LEVELS, SetDirComm, 2},
    {CMD_DIRCOMM_FILES, IN_ALL, 0, HINT_LEVELS, SetDirComm, 1},
    {CMD_DIRCOMM_NONE, IN_ALL, 0, HINT_LEVELS, SetDirComm, 0},
    {CMD_SCAN_ARCHIVES, IN_ALL, 0, HINT_ARCHIVES, ToggleScanArchives, 0},
    {CMD_EXCLUDE_INCLUDE, IN_ALL, 0, HINT_EXCLUDE, GLUE, 0},
    {CMD_EDIT_FILES, IN_ALL, MOD, NO_HINT, GLUE, 0},
    {CMD_CHOOSE_SUBDIRS, IN_ALL, MOD, NO_HINT, GLUE, 0},
    {CMD_EDIT_COMMENT, IN_ALL, MOD, NO_HINT, GLUE, 0},
    {CMD_EDIT_SPINE_TEXT, IN_ALL, MOD, NO_HINT, GLUE, 0},
    {CMD_NEW, IN_ALL, CF_GUARD, NO_HINT, GLUE, 0},
    {CMD_CLEAR_ALL_LABELS, IN_ALL, CF_GUARD, NO_HINT, ClearAllLabels, 0},

    // Body display and sorting.
    {CMD_COLUMNS_0, IN_ALL, MOD, NO_HINT, SetColumns, 0},
    {CMD_COLUMNS_1, IN_ALL, MOD, NO_HINT, SetColumns, 1},
    {CMD_COLUMNS_2, IN_ALL, MOD, NO_HINT, SetColumns, 2},
    {CMD_COLUMNS_3, IN_ALL, MOD, NO_HINT, SetColumns, 3},
    {CMD_COLUMNS_4, IN_ALL, MOD, NO_HINT, SetColumns, 4},
    {CMD_COLUMNS_5, IN_ALL, MOD, NO_HINT, SetColumns, 5},
    {CMD_COLUMNS_6, IN_COVER_EDITIONS, MOD, NO_HINT, SetColumns, 6},
    {CMD_COLUMNS_7, IN_COVER_EDITIONS, MOD, NO_HINT, SetColumns, 7},
    {CMD_COLUMNS_MORE, IN_ALL, 0, NO_HINT, StepColumns, 1},
    {CMD_COLUMNS_LESS, IN_ALL, 0, NO_HINT, StepColumns, -1},
    {CMD_LINED, IN_ALL, MOD, NO_HINT, ToggleLined, 0},
    {CMD_SHOW_SIZE, IN_ALL, MOD, NO_HINT, ToggleShowSize, 0},
    {CMD_SHOW_EXT, IN_ALL, MOD, NO_HINT, ToggleShowExt, 0},
    {CMD_SHOW_COMMENT, IN_ALL, MOD, NO_HINT, ToggleShowComm, 0},
    {CMD_SORT_NAME, IN_ALL, MOD, NO_HINT, SetSortMode, 1},
    {CMD_SORT_EXT, IN_ALL, MOD, NO_HINT, SetSortMode, 2},
    {CMD_SORT_SIZE, IN_ALL, MOD, NO_HINT, SetSortMode, 3},
    {CMD_SORT_ASCENDING, IN_ALL, MOD, NO_HINT, SetDirection, 1},
    {CMD_SORT_DESCENDING, IN_ALL, MOD, NO_HINT, SetDirection, -1},
    {CMD_FONTS_COLORS, IN_ALL, MOD, NO_HINT, GLUE, 0},
    {CMD_BODY_BKGND_COLOR, IN_ALL, MOD, NO_HINT, GLUE, 0},
    {CMD_RESET_DEFAULTS, IN_ALL, MOD, NO_HINT, GLUE, 0},

    // Label formats.
    {CMD_FORMAT_0, IN_COVER_EDITIONS, MOD, NO_HINT, SetLabelFormat, 0},
    {CMD_FORMAT_1, IN_COVER_EDITIONS, MOD, NO_HINT, SetLabelFormat, 1},
    {CMD_FORMAT_2, IN_COVER_EDITIONS, MOD, NO_HINT, SetLabelFormat, 2},
    {CMD_FORMAT_3, IN_COVER_EDITIONS, MOD, NO_HINT, SetLabelFormat, 3},
    {CMD_FORMAT_4, IN_COVER_EDITIONS, MOD, NO_HINT, SetLabelFormat, 4},
    {CMD_FORMAT_5, IN_COVER_EDITIONS, MOD, NO_HINT, SetLabelFormat, 5},
    {CMD_FORMAT_6, IN_COVER_EDITIONS, MOD, NO_HINT, SetLabelFormat, 6},
    {CMD_FORMAT_ONE, IN_WIMBROOK, 0, NO_HINT, SetSheetKind, KIND_COVERS},
    {CMD_FORMAT_NINE, IN_WIMBROOK, 0, NO_HINT, SetSheetKind, KIND_SHEET},
    {CMD_DUPLICATE_FORMAT, IN_WIMBROOK, MOD, NO_HINT, DuplicateFormatToAll, 0},
    {CMD_REPLICATE_LABEL, IN_WIMBROOK, MOD, NO_HINT, ReplicateLabelToAll, 0},

    // Spine.
    {CMD_SPINE_FONT, IN_ALL, MOD, NO_HINT, GLUE, 0},
    {CMD_SPINE_FONT_COLOR, IN_ALL, MOD, NO_HINT, GLUE, 0},
    {CMD_SPINE_BKGND_COLOR, IN_ALL, MOD, NO_HINT, GLUE, 0},
    {CMD_SPINE_LEFT, IN_ALL, 0, NO_HINT, SetSpineAlign, 0},
    {CMD_SPINE_CENTER, IN_ALL, 0, NO_HINT, SetSpineAlign, 1},
    {CMD_SPINE_RIGHT, IN_ALL, 0, NO_HINT, SetSpineAlign, 2},
    {CMD_DISPLAY_LOGO, IN_ALL, MOD, NO_HINT, ToggleShowZip, 0},
    {CMD_COLOR_LOGO, IN_ALL, MOD, NO_HINT, ToggleZipColor, 0},
    {CMD_OPPOSED_SPINE, IN_COVER_EDITIONS, MOD, NO_HINT, ToggleOpposing, 0},
    {CMD_CUSTOMIZE_INITIALS, IN_ALL, 0, NO_HINT, GLUE, 0},

    // Placed objects.
    {CMD_INSERT_IMAGE, IN_ALL, MOD, NO_HINT, GLUE, 0},
    {CMD_INSERT_STRING, IN_ALL, MOD, NO_HINT, GLUE, 0},
    {CMD_COPY_OBJECT, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_COPY>, 0},
    {CMD_DELETE_IMAGE, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_DELETE>, 0},
    {CMD_DELETE_STRING, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_DELETE>, 0},
    {CMD_DELETE_KEY, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_DELETE>, 0},
    {CMD_LAYER_ON, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_LAYER>, LAYER_ON},
    {CMD_LAYER_ABOVE, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_LAYER>, LAYER_ABOVE},
    {CMD_LAYER_BELOW, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_LAYER>, LAYER_BELOW},
    {CMD_CENTER_HORZ, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_CENTER_HORZ>, 0},
    {CMD_CENTER_VERT, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_CENTER_VERT>, 0},
    {CMD_MAKE_BACKGROUND, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_MAKE_BACKGROUND>, 0},
    {CMD_SCALE_25, IN_ALL, PIC, NO_HINT, OnSelectedObject<OBJ_SCALE>, 25},
    {CMD_SCALE_50, IN_ALL, PIC, NO_HINT, OnSelectedObject<OBJ_SCALE>, 50},
    {CMD_SCALE_100, IN_ALL, PIC, NO_HINT, OnSelectedObject<OBJ_SCALE>, 100},
    {CMD_SCALE_150, IN_ALL, PIC, NO_HINT, OnSelectedObject<OBJ_SCALE>, 150},
    {CMD_SCALE_200, IN_ALL, PIC, NO_HINT, OnSelectedObject<OBJ_SCALE>, 200},
    {CMD_TRUE_SCALE, IN_ALL, PIC, NO_HINT, OnSelectedObject<OBJ_TRUE_SCALE>, 0},
    {CMD_SIZE_TO_BODY, IN_ALL, PIC, NO_HINT, OnSelectedObject<OBJ_SIZE_TO_BODY>, 0},
    {CMD_SIZE_TO_LABEL, IN_ALL, PIC, NO_HINT, OnSelectedObject<OBJ_SIZE_TO_LABEL>, 0},
    {CMD_MAX_ASPECT, IN_ALL, PIC, NO_HINT, OnSelectedObject<OBJ_MAX_ASPECT>, 0},
    {CMD_MODIFY_TEXT, IN_ALL, STR, NO_HINT, GLUE, 0},
    {CMD_STRING_FONT, IN_ALL, STR, NO_HINT, GLUE, 0},
    {CMD_STRING_COLOR, IN_ALL, STR, NO_HINT, GLUE, 0},
    {CMD_STRING_SOLID, IN_ALL, STR, NO_HINT, GLUE, 0},
    {CMD_STRING_TRANSPARENT, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_TRANSPARENT>, 0},
    {CMD_STRING_AUTOSIZE, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_TOGGLE_AUTOSIZE>, 0},
    {CMD_ROTATE_0, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_ROTATE>, 0},
    {CMD_ROTATE_90, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_ROTATE>, 90},
    {CMD_ROTATE_180, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_ROTATE>, 180},
    {CMD_ROTATE_270, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_ROTATE>, 270},
    {CMD_ALIGN_LEFT, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_HALIGN>, 0},
    {CMD_ALIGN_CENTER, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_HALIGN>, 1},
    {CMD_ALIGN_RIGHT, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_HALIGN>, 2},
    {CMD_ALIGN_TOP, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_VALIGN>, 0},
    {CMD_ALIGN_VCENTER, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_VALIGN>, 1},
    {CMD_ALIGN_BOTTOM, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_VALIGN>, 2},
    {CMD_APPLY, IN_ALL, 0, NO_HINT, GLUE, 0},

    // Files and templates.
    {CMD_OPEN, IN_ALL, 0, NO_HINT, GLUE, 0},
    {CMD_SAVE, IN_ALL, 0, NO_HINT, GLUE, 0},
    {CMD_SAVE_AS, IN_ALL, 0, NO_HINT, GLUE, 0},
    {CMD_USE_TEMPLATES, IN_ALL, 0, NO_HINT, ToggleUseTemplates, 0},
    {CMD_WRITE_TEMPLATE, IN_ALL, 0, NO_HINT, GLUE, 0},
    {CMD_READ_TEMPLATE, IN_ALL, 0, NO_HINT, GLUE, 0},

    // Printing.
    {CMD_PRINTER_SETUP, IN_ALL, 0, NO_HINT, GLUE, 0},
    {CMD_PRINT, IN_ALL, 0, NO_HINT, GLUE, 0},
    {CMD_PRINT_FRONT, IN_COVER_EDITIONS, 0, NO_HINT, GLUE, 1},
    {CMD_PRINT_BACK, IN_COVER_EDITIONS, 0, NO_HINT, GLUE, 2},

    // View and pages. Page commands repaint only when what shows changed.
    {CMD_ZOOM, IN_ALL, 0, NO_HINT, GLUE, 0},
    {CMD_SCALE_WINDOW_100, IN_ALL, 0, NO_HINT, GLUE, 100},
    {CMD_SCALE_WINDOW_75, IN_ALL, 0, NO_HINT, GLUE, 75},
    {CMD_SCALE_WINDOW_50, IN_ALL, 0, NO_HINT, GLUE, 50},
    {CMD_SCALE_WINDOW_125, IN_ALL, 0, NO_HINT, GLUE, 125},
    {CMD_SCALE_WINDOW_150, IN_ALL, 0, NO_HINT, GLUE, 150},
    {CMD_FRONT_COVER, IN_COVER_EDITIONS, CF_NO_REPAINT, NO_HINT, GLUE, PAGE_FRONT_COVER},
    {CMD_BACK_COVER, IN_COVER_EDITIONS, CF_NO_REPAINT, NO_HINT, GLUE, PAGE_BACK_COVER},
    {CMD_KEY_UP, IN_COVER_EDITIONS, CF_NO_REPAINT, NO_HINT, GLUE, PAGE_PREVIOUS},
    {CMD_PREVIOUS_PAGE, IN_COVER_EDITIONS, CF_NO_REPAINT, NO_HINT, GLUE, PAGE_PREVIOUS},
    {CMD_KEY_DOWN, IN_COVER_EDITIONS, CF_NO_REPAINT, NO_HINT, GLUE, PAGE_NEXT},
    {CMD_NEXT_PAGE, IN_COVER_EDITIONS, CF_NO_REPAINT, NO_HINT, GLUE, PAGE_NEXT},
    {CMD_GOTO_PAGE, IN_COVER_EDITIONS, CF_NO_REPAINT, NO_HINT, GLUE, 0},
    {CMD_FRONT_COVER, IN_WIMBROOK, 0, NO_HINT, ChangeNothing, 0},
    {CMD_BACK_COVER, IN_WIMBROOK, 0, NO_HINT, ChangeNothing, 0},
    {CMD_KEY_UP, IN_WIMBROOK, 0, NO_HINT, ChangeNothing, 0},
    {CMD_PREVIOUS_PAGE, IN_WIMBROOK, 0, NO_HINT, ChangeNothing, 0},
    {CMD_KEY_DOWN, IN_WIMBROOK, 0, NO_HINT, ChangeNothing, 0},
    {CMD_NEXT_PAGE, IN_WIMBROOK, 0, NO_HINT, ChangeNothing, 0},
    {CMD_KEY_LEFT, IN_ALL, 0, NO_HINT, ChangeNothing, 0},
    {CMD_KEY_RIGHT, IN_ALL, 0, NO_HINT, ChangeNothing, 0},
    {CMD_ENTER, IN_ALL, CF_NO_REPAINT, NO_HINT, GLUE, 0},
    {CMD_HIDE_ALL_DIALOGS, IN_ALL, 0, NO_HINT, SetAllHints, 1},
    {CMD_SHOW_ALL_DIALOGS, IN_ALL, 0, NO_HINT, SetAllHints, 0},

    // Help, web, About, Exit.
    {CMD_HELP_CONTENTS, IN_ALL, 0, NO_HINT, GLUE, 0},
    {CMD_HELP_SEARCH, IN_ALL, 0, NO_HINT, GLUE, 1},
    {CMD_CHECK_NEW_VERSION, IN_ALL, 0, NO_HINT, GLUE, 0},
    {CMD_WEB_SITE, IN_ALL, 0, NO_HINT, GLUE, 1},
    {CMD_ABOUT, IN_ALL, CF_NO_REPAINT, NO_HINT, GLUE, 0},
    {CMD_EXIT, IN_ALL, CF_NO_REPAINT, NO_HINT, GLUE, 0},

    // Requests the program posts to itself.
    {CMD_STARTUP, IN_ALL, CF_NO_REPAINT, NO_HINT, GLUE, 0},
    {CMD_CMDLINE_LABEL, IN_ALL, 0, NO_HINT, GLUE, 0},
    {CMD_CMDLINE_TEMPLATE, IN_ALL, 0, NO_HINT, GLUE, 0},
    {CMD_CMDLINE_PRINT, IN_ALL, 0, NO_HINT, GLUE, 0},
};

}  // namespace

const HintText& RescanHint(HintId hint) { return kHints[hint]; }

const CommandRow* FindCommand(const EditionProfile& edition, int id) {
    unsigned bit = 1u << edition.id;
    for (const CommandRow& row : kRows)
        if (row.id == id && (row.editions & bit)) return &row;
    return nullptr;
}

const CommandRow* CommandRows(int* count) {
    *count = static_cast<int>(sizeof kRows / sizeof kRows[0]);
    return kRows;
}
