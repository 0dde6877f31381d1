#include "shell/command_table.h"

#include "catalog/scan_settings.h"
#include "document/object_list.h"
#include "document/program_settings.h"
#include "render/label_geometry.h"
#include "shell/glue_commands.h"
#include "shell/label_commands.h"
#include "shell/recent_files.h"
#include "shell/view_pages.h"
#include "shell/view_state.h"

namespace {

constexpr unsigned MOD = CF_MODIFIES;
constexpr unsigned OBJ = CF_NEEDS_OBJECT | CF_MODIFIES;
constexpr unsigned PIC = CF_NEEDS_PICTURE | CF_MODIFIES;
constexpr unsigned STR = CF_NEEDS_STRING | CF_MODIFIES;
constexpr StateRule NONE = nullptr;

// The rules the rows name most.
constexpr StateRule COLUMNS = Equals<&ZIPINFO::Columns>;
constexpr StateRule SORT_MODE = Equals<&ZIPINFO::SortMode>;
constexpr StateRule DIR_COMM = Equals<&ScanSettings::DirComm>;
constexpr StateRule LBL_FMT = Equals<&ZIPINFO::LblFmt>;
constexpr StateRule SPINE_ALIGN = Equals<&ZIPINFO::SpineAlign>;
constexpr StateRule LAYER = Equals<&ObjectRecord::Layer>;
constexpr StateRule ROTATION = Equals<&ObjectRecord::Orientation>;
constexpr StateRule H_ALIGN = Equals<&ObjectRecord::HAlign>;
constexpr StateRule V_ALIGN = Equals<&ObjectRecord::VAlign>;

const HintText kHints[] = {
    {0, "Directory Scanning Warning", "You need to re-scan the disk for this setting to take effect."},
    {0, "Exclude/Include List Modified",
     "The exclude/include list has changed.  Do you want to re-scan the disk?"},
    {1, "Drive Modification Warning", "You've selected a new drive to scan, would you like to scan it now?"},
    {2, "Archive Scanning Warning", "Scanning archives increases disk read time.\nWould you like to scan the disk now?"},
};

// id, editions, flags, hint, handler, argument; then the check rule, the
// enabled rule and the ids of a range.
constexpr CommandRow kRows[] = {
    // Catalog and scanning.
    {CMD_SELECT_DRIVE, IN_ALL, 0, HINT_DRIVE, Glue<GLUE_SELECT_DRIVE>, 0},
    {CMD_READ_DISK, IN_ALL, CF_GUARD | MOD, NO_HINT, Glue<GLUE_READ_DISK_NOW>, 0},
    {CMD_LEVELS_ROOT, IN_ALL, 0, HINT_LEVELS, SetLevels, 0, LevelsAre},
    {CMD_LEVELS_1, IN_ALL, 0, HINT_LEVELS, SetLevels, 1, LevelsAre},
    {CMD_LEVELS_2, IN_ALL, 0, HINT_LEVELS, SetLevels, 2, LevelsAre},
    {CMD_LEVELS_3, IN_ALL, 0, HINT_LEVELS, SetLevels, 3, LevelsAre},
    {CMD_LEVELS_4, IN_ALL, 0, HINT_LEVELS, SetLevels, 4, LevelsAre},
    {CMD_LEVELS_ALL, IN_ALL, 0, HINT_LEVELS, SetLevels, 15, LevelsAre},
    {CMD_DIRS_ONLY, IN_ALL, 0, HINT_LEVELS, ToggleDirectoriesOnly, 0, DirectoriesOnly},
    {CMD_DIRCOMM_SIZE, IN_ALL, 0, HINT_LEVELS, SetDirComm, 2, DIR_COMM},
    {CMD_DIRCOMM_FILES, IN_ALL, 0, HINT_LEVELS, SetDirComm, 1, DIR_COMM},
    {CMD_DIRCOMM_NONE, IN_ALL, 0, HINT_LEVELS, SetDirComm, 0, DIR_COMM},
    {CMD_SCAN_ARCHIVES, IN_ALL, 0, HINT_ARCHIVES, ToggleAnswersOn<&ScanSettings::ScanArchives>, 0,
     IsOn<&ScanSettings::ScanArchives>},
    {CMD_EXCLUDE_INCLUDE, IN_ALL, 0, HINT_EXCLUDE, Glue<GLUE_EDIT_EXCLUSIONS>, 0},
    {CMD_EDIT_FILES, IN_ALL, MOD, NO_HINT, Glue<GLUE_EDIT_FILES_AND_FOLDERS>, 0},
    {CMD_CHOOSE_SUBDIRS, IN_ALL, MOD, NO_HINT, Glue<GLUE_CHOOSE_SUBDIRECTORIES>, 0},
    {CMD_EDIT_COMMENT, IN_ALL, MOD, NO_HINT, Glue<GLUE_EDIT_COMMENT>, 0},
    {CMD_EDIT_SPINE_TEXT, IN_ALL, MOD, NO_HINT, Glue<GLUE_EDIT_SPINE_TEXT>, 0},
    {CMD_NEW, IN_ALL, CF_GUARD, NO_HINT, Glue<GLUE_NEW_LABEL>, 0},
    {CMD_CLEAR_ALL_LABELS, IN_ALL, CF_GUARD, NO_HINT, ClearAllLabels, 0},

    // Body display and sorting. "+" and "-" go as far as their buttons allow.
    {CMD_COLUMNS_0, IN_ALL, MOD, NO_HINT, SetColumns, 0, COLUMNS},
    {CMD_COLUMNS_1, IN_ALL, MOD, NO_HINT, SetColumns, 1, COLUMNS},
    {CMD_COLUMNS_2, IN_ALL, MOD, NO_HINT, SetColumns, 2, COLUMNS},
    {CMD_COLUMNS_3, IN_ALL, MOD, NO_HINT, SetColumns, 3, COLUMNS},
    {CMD_COLUMNS_4, IN_ALL, MOD, NO_HINT, SetColumns, 4, COLUMNS},
    {CMD_COLUMNS_5, IN_ALL, MOD, NO_HINT, SetColumns, 5, COLUMNS},
    {CMD_COLUMNS_6, IN_COVER_EDITIONS, MOD, NO_HINT, SetColumns, 6, COLUMNS},
    {CMD_COLUMNS_7, IN_COVER_EDITIONS, MOD, NO_HINT, SetColumns, 7, COLUMNS},
    {CMD_COLUMNS_MORE, IN_ALL, CF_WHEN_ENABLED, NO_HINT, StepColumns, 1, NONE, ColumnsCanGrow},
    {CMD_COLUMNS_LESS, IN_ALL, CF_WHEN_ENABLED, NO_HINT, StepColumns, -1, NONE, ColumnsCanShrink},
    {CMD_LINED, IN_ALL, MOD, NO_HINT, Toggle<&ZIPINFO::Lined>, 0, IsOn<&ZIPINFO::Lined>},
    {CMD_SHOW_SIZE, IN_ALL, MOD, NO_HINT, Toggle<&ZIPINFO::ShowSize>, 0, IsOn<&ZIPINFO::ShowSize>},
    {CMD_SHOW_EXT, IN_ALL, MOD, NO_HINT, Toggle<&ZIPINFO::ShowExt>, 0, IsOn<&ZIPINFO::ShowExt>},
    {CMD_SHOW_COMMENT, IN_ALL, MOD, NO_HINT, Toggle<&ZIPINFO::ShowComm>, 0, IsOn<&ZIPINFO::ShowComm>},
    {CMD_SORT_NAME, IN_ALL, MOD, NO_HINT, SetSortMode, 1, SORT_MODE},
    {CMD_SORT_EXT, IN_ALL, MOD, NO_HINT, SetSortMode, 2, SORT_MODE},
    {CMD_SORT_SIZE, IN_ALL, MOD, NO_HINT, SetSortMode, 3, SORT_MODE},
    {CMD_SORT_ASCENDING, IN_ALL, MOD, NO_HINT, SetDirection, 1, DirectionIs},
    {CMD_SORT_DESCENDING, IN_ALL, MOD, NO_HINT, SetDirection, -1, DirectionIs},
    {CMD_FONTS_COLORS, IN_ALL, MOD, NO_HINT, Glue<GLUE_FONTS_AND_COLORS>, 0},
    {CMD_BODY_BKGND_COLOR, IN_ALL, MOD, NO_HINT, Glue<GLUE_CHOOSE_BODY_BACKGROUND>, 0},
    {CMD_RESET_DEFAULTS, IN_ALL, MOD, NO_HINT, Glue<GLUE_RESET_TO_DEFAULTS>, 0},

    // Label formats.
    {CMD_FORMAT_0, IN_COVER_EDITIONS, MOD, NO_HINT, SetLabelFormat, 0, LBL_FMT},
    {CMD_FORMAT_1, IN_COVER_EDITIONS, MOD, NO_HINT, SetLabelFormat, 1, LBL_FMT},
    {CMD_FORMAT_2, IN_COVER_EDITIONS, MOD, NO_HINT, SetLabelFormat, 2, LBL_FMT},
    {CMD_FORMAT_3, IN_COVER_EDITIONS, MOD, NO_HINT, SetLabelFormat, 3, LBL_FMT},
    {CMD_FORMAT_4, IN_COVER_EDITIONS, MOD, NO_HINT, SetLabelFormat, 4, LBL_FMT},
    {CMD_FORMAT_5, IN_COVER_EDITIONS, MOD, NO_HINT, SetLabelFormat, 5, LBL_FMT},
    {CMD_FORMAT_6, IN_COVER_EDITIONS, MOD, NO_HINT, SetLabelFormat, 6, LBL_FMT},
    {CMD_FORMAT_ONE, IN_WIMBROOK, 0, NO_HINT, SetSheetKind, KIND_COVERS, Equals<&ViewState::labelKind>},
    {CMD_FORMAT_NINE, IN_WIMBROOK, 0, NO_HINT, SetSheetKind, KIND_SHEET, Equals<&ViewState::labelKind>},
    {CMD_DUPLICATE_FORMAT, IN_WIMBROOK, MOD, NO_HINT, DuplicateFormatToAll, 0},
    {CMD_REPLICATE_LABEL, IN_WIMBROOK, MOD, NO_HINT, ReplicateLabelToAll, 0},

    // Spine.
    {CMD_SPINE_FONT, IN_ALL, MOD, NO_HINT, Glue<GLUE_CHOOSE_SPINE_FONT>, 0},
    {CMD_SPINE_FONT_COLOR, IN_ALL, MOD, NO_HINT, Glue<GLUE_CHOOSE_SPINE_FONT_COLOR>, 0},
    {CMD_SPINE_BKGND_COLOR, IN_ALL, MOD, NO_HINT, Glue<GLUE_CHOOSE_SPINE_BACKGROUND>, 0},
    {CMD_SPINE_LEFT, IN_ALL, 0, NO_HINT, SetSpineAlign, 0, SPINE_ALIGN},
    {CMD_SPINE_CENTER, IN_ALL, 0, NO_HINT, SetSpineAlign, 1, SPINE_ALIGN},
    {CMD_SPINE_RIGHT, IN_ALL, 0, NO_HINT, SetSpineAlign, 2, SPINE_ALIGN},
    {CMD_DISPLAY_LOGO, IN_ALL, MOD, NO_HINT, Toggle<&ZIPINFO::ShowZip>, 0, IsOn<&ZIPINFO::ShowZip>},
    {CMD_COLOR_LOGO, IN_ALL, MOD, NO_HINT, Toggle<&ZIPINFO::ZipColor>, 0, IsOn<&ZIPINFO::ZipColor>},
    {CMD_OPPOSED_SPINE, IN_COVER_EDITIONS, MOD, NO_HINT, Toggle<&ZIPINFO::Opposing>, 0, IsOn<&ZIPINFO::Opposing>},
    {CMD_CUSTOMIZE_INITIALS, IN_ALL, 0, NO_HINT, Glue<GLUE_CUSTOMIZE_INITIALS>, 0},
    {CMD_DISK_SIZE_1000, IN_KESTRIN, 0, NO_HINT, Glue<GLUE_CHOOSE_DISK_SIZE>, 0, NONE, NONE, kDiskSizeIds},

    // Placed objects.
    {CMD_INSERT_IMAGE, IN_ALL, MOD, NO_HINT, Glue<GLUE_INSERT_IMAGE>, 0},
    {CMD_INSERT_STRING, IN_ALL, MOD, NO_HINT, Glue<GLUE_INSERT_STRING>, 0},
    {CMD_COPY_OBJECT, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_COPY>, 0},
    {CMD_DELETE_IMAGE, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_DELETE>, 0},
    {CMD_DELETE_STRING, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_DELETE>, 0},
    {CMD_DELETE_KEY, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_DELETE>, 0},
    {CMD_LAYER_ON, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_LAYER>, LAYER_ON, LAYER},
    {CMD_LAYER_ABOVE, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_LAYER>, LAYER_ABOVE, LAYER},
    {CMD_LAYER_BELOW, IN_ALL, OBJ, NO_HINT, OnSelectedObject<OBJ_LAYER>, LAYER_BELOW, LAYER},
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
    {CMD_MODIFY_TEXT, IN_ALL, STR, NO_HINT, Glue<GLUE_MODIFY_TEXT>, 0},
    {CMD_STRING_FONT, IN_ALL, STR, NO_HINT, Glue<GLUE_CHOOSE_STRING_FONT>, 0},
    {CMD_STRING_COLOR, IN_ALL, STR, NO_HINT, Glue<GLUE_CHOOSE_STRING_COLOR>, 0},
    {CMD_STRING_SOLID, IN_ALL, STR, NO_HINT, Glue<GLUE_CHOOSE_STRING_SOLID_COLOR>, 0, IsOn<&ObjectRecord::Filled>},
    {CMD_STRING_TRANSPARENT, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_TRANSPARENT>, 0, IsOff<&ObjectRecord::Filled>},
    {CMD_STRING_AUTOSIZE, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_TOGGLE_AUTOSIZE>, 0, IsOn<&ObjectRecord::AutoSize>},
    {CMD_ROTATE_0, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_ROTATE>, 0, ROTATION},
    {CMD_ROTATE_90, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_ROTATE>, 90, ROTATION},
    {CMD_ROTATE_180, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_ROTATE>, 180, ROTATION},
    {CMD_ROTATE_270, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_ROTATE>, 270, ROTATION},
    {CMD_ALIGN_LEFT, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_HALIGN>, 0, H_ALIGN},
    {CMD_ALIGN_CENTER, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_HALIGN>, 1, H_ALIGN},
    {CMD_ALIGN_RIGHT, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_HALIGN>, 2, H_ALIGN},
    {CMD_ALIGN_TOP, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_VALIGN>, 0, V_ALIGN},
    {CMD_ALIGN_VCENTER, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_VALIGN>, 1, V_ALIGN},
    {CMD_ALIGN_BOTTOM, IN_ALL, STR, NO_HINT, OnSelectedObject<OBJ_VALIGN>, 2, V_ALIGN},
    {CMD_APPLY, IN_ALL, 0, NO_HINT, Glue<GLUE_APPLY_CHOSEN>, 0},

    // Files and templates.
    {CMD_OPEN, IN_ALL, 0, NO_HINT, Glue<GLUE_OPEN_BODY>, 0},
    {CMD_RECENT_1, IN_ALL, 0, NO_HINT, Glue<GLUE_OPEN_RECENT_FILE>, 0, NONE, NONE, kRecentFileIds},
    {CMD_SAVE, IN_ALL, 0, NO_HINT, Glue<GLUE_SAVE_BODY>, 0},
    {CMD_SAVE_AS, IN_ALL, 0, NO_HINT, Glue<GLUE_SAVE_BODY_AS>, 0},
    {CMD_USE_TEMPLATES, IN_ALL, 0, NO_HINT, Toggle<&ProgramSettings::UseDAT>, 0, IsOn<&ProgramSettings::UseDAT>},
    {CMD_WRITE_TEMPLATE, IN_ALL, 0, NO_HINT, Glue<GLUE_WRITE_TEMPLATE_FILE>, 0},
    {CMD_READ_TEMPLATE, IN_ALL, 0, NO_HINT, Glue<GLUE_READ_TEMPLATE_FILE>, 0},

    // Printing.
    {CMD_PRINTER_SETUP, IN_ALL, 0, NO_HINT, Glue<GLUE_PRINTER_SETUP>, 0},
    {CMD_PRINT, IN_ALL, 0, NO_HINT, Glue<GLUE_PRINT_PAGES>, 0},
    {CMD_PRINT_FRONT, IN_COVER_EDITIONS, 0, NO_HINT, Glue<GLUE_PRINT_PAGES>, 1},
    {CMD_PRINT_BACK, IN_COVER_EDITIONS, 0, NO_HINT, Glue<GLUE_PRINT_PAGES>, 2},

    // View and pages. Page commands repaint only when what shows changed.
    // Wimbrook shows no zoom state on its menu bar; its Body pop-up does.
    {CMD_ZOOM, IN_COVER_EDITIONS, 0, NO_HINT, Glue<GLUE_ZOOM_VIEW>, 0, IsOn<&ViewState::fullSize>},
    {CMD_ZOOM, IN_WIMBROOK, CF_POPUP_CHECK, NO_HINT, Glue<GLUE_ZOOM_VIEW>, 0, IsOn<&ViewState::fullSize>},
    {CMD_SCALE_WINDOW_100, IN_ALL, 0, NO_HINT, Glue<GLUE_SCALE_THE_WINDOW>, 100, ScalePercentIs},
    {CMD_SCALE_WINDOW_75, IN_ALL, 0, NO_HINT, Glue<GLUE_SCALE_THE_WINDOW>, 75, ScalePercentIs},
    {CMD_SCALE_WINDOW_50, IN_ALL, 0, NO_HINT, Glue<GLUE_SCALE_THE_WINDOW>, 50, ScalePercentIs},
    {CMD_SCALE_WINDOW_125, IN_ALL, 0, NO_HINT, Glue<GLUE_SCALE_THE_WINDOW>, 125, ScalePercentIs},
    {CMD_SCALE_WINDOW_150, IN_ALL, 0, NO_HINT, Glue<GLUE_SCALE_THE_WINDOW>, 150, ScalePercentIs},
    {CMD_FRONT_COVER, IN_COVER_EDITIONS, CF_NO_REPAINT | CF_POPUP_CHECK, NO_HINT, Glue<GLUE_TURN_PAGE>, PAGE_FRONT_COVER,
     FrontCoverShown},
    {CMD_BACK_COVER, IN_COVER_EDITIONS, CF_NO_REPAINT | CF_POPUP_CHECK, NO_HINT, Glue<GLUE_TURN_PAGE>, PAGE_BACK_COVER,
     BackCoverShown},
    {CMD_KEY_UP, IN_COVER_EDITIONS, CF_NO_REPAINT, NO_HINT, Glue<GLUE_TURN_PAGE>, PAGE_PREVIOUS},
    {CMD_PREVIOUS_PAGE, IN_COVER_EDITIONS, CF_NO_REPAINT, NO_HINT, Glue<GLUE_TURN_PAGE>, PAGE_PREVIOUS, NONE, PageBefore},
    {CMD_KEY_DOWN, IN_COVER_EDITIONS, CF_NO_REPAINT, NO_HINT, Glue<GLUE_TURN_PAGE>, PAGE_NEXT},
    {CMD_NEXT_PAGE, IN_COVER_EDITIONS, CF_NO_REPAINT, NO_HINT, Glue<GLUE_TURN_PAGE>, PAGE_NEXT, NONE, PageAfter},
    {CMD_GOTO_PAGE, IN_COVER_EDITIONS, CF_NO_REPAINT | CF_WHEN_ENABLED, NO_HINT, Glue<GLUE_ASK_GO_TO_PAGE>, 0, NONE,
     InBooklet},
    {CMD_FRONT_COVER, IN_WIMBROOK, CF_POPUP_CHECK, NO_HINT, ChangeNothing, 0, FrontCoverShown},
    {CMD_BACK_COVER, IN_WIMBROOK, CF_POPUP_CHECK, NO_HINT, ChangeNothing, 0, BackCoverShown},
    {CMD_KEY_UP, IN_WIMBROOK, 0, NO_HINT, ChangeNothing, 0},
    {CMD_PREVIOUS_PAGE, IN_WIMBROOK, 0, NO_HINT, ChangeNothing, 0},
    {CMD_KEY_DOWN, IN_WIMBROOK, 0, NO_HINT, ChangeNothing, 0},
    {CMD_NEXT_PAGE, IN_WIMBROOK, 0, NO_HINT, ChangeNothing, 0},
    {CMD_KEY_LEFT, IN_ALL, 0, NO_HINT, ChangeNothing, 0},
    {CMD_KEY_RIGHT, IN_ALL, 0, NO_HINT, ChangeNothing, 0},
    {CMD_ENTER, IN_ALL, CF_NO_REPAINT, NO_HINT, Glue<GLUE_ENTER_KEY>, 0},
    {CMD_HIDE_ALL_DIALOGS, IN_ALL, 0, NO_HINT, SetAllHints, 1},
    {CMD_SHOW_ALL_DIALOGS, IN_ALL, 0, NO_HINT, SetAllHints, 0},

    // Help, web, About, Exit (the close box too).
    {CMD_HELP_CONTENTS, IN_ALL, 0, NO_HINT, Glue<GLUE_SHOW_HELP>, 0},
    {CMD_HELP_SEARCH, IN_ALL, 0, NO_HINT, Glue<GLUE_SHOW_HELP>, 1},
    {CMD_CHECK_NEW_VERSION, IN_ALL, 0, NO_HINT, Glue<GLUE_VISIT_WEB_PAGE>, 0},
    {CMD_WEB_SITE, IN_ALL, 0, NO_HINT, Glue<GLUE_VISIT_WEB_PAGE>, 1},
    {CMD_ABOUT, IN_ALL, CF_NO_REPAINT, NO_HINT, Glue<GLUE_ABOUT_BOX>, 0},
    {CMD_EXIT, IN_ALL, CF_NO_REPAINT, NO_HINT, Glue<GLUE_EXIT_PROGRAM>, 0},

    // Requests the program posts to itself.
    {CMD_STARTUP, IN_ALL, CF_NO_REPAINT, NO_HINT, Glue<GLUE_CONTINUE_STARTUP>, 0},
    {CMD_CMDLINE_LABEL, IN_ALL, 0, NO_HINT, Glue<GLUE_COMMAND_LINE_LABEL>, 0},
    {CMD_CMDLINE_TEMPLATE, IN_ALL, 0, NO_HINT, Glue<GLUE_COMMAND_LINE_TEMPLATE>, 0},
    {CMD_CMDLINE_PRINT, IN_ALL, 0, NO_HINT, Glue<GLUE_COMMAND_LINE_PRINT>, 0},
};

constexpr bool EveryRowHasAHandler() {
    for (const CommandRow& row : kRows)
        if (!row.handler || row.ids < 1) return false;
    return true;
}
static_assert(EveryRowHasAHandler(), "a command row without its handler");

constexpr bool NoIdHasTwoRowsInOneEdition() {
    constexpr int count = static_cast<int>(sizeof kRows / sizeof kRows[0]);
    for (int a = 0; a < count; ++a)
        for (int b = a + 1; b < count; ++b)
            if ((kRows[a].editions & kRows[b].editions) && kRows[a].id < kRows[b].id + kRows[b].ids &&
                kRows[b].id < kRows[a].id + kRows[a].ids)
                return false;
    return true;
}
static_assert(NoIdHasTwoRowsInOneEdition(), "an id with two rows in one edition");

static_assert(CMD_RECENT_2 == CMD_RECENT_1 + 1 && CMD_RECENT_3 == CMD_RECENT_1 + 2 &&
                  CMD_RECENT_4 == CMD_RECENT_1 + 3 && kRecentFileIds == kRecentFiles,
              "one recent-file id a place, in order");
static_assert(CMD_DISK_SIZE_2000 == CMD_DISK_SIZE_1000 + 1 && kDiskSizeIds == 11,
              "the disk sizes' ids follow each other");

bool SelectionFits(unsigned flags, int kind) {
    if (flags & CF_NEEDS_OBJECT) return kind != SELECTED_NOTHING;
    if (flags & CF_NEEDS_PICTURE) return kind == SELECTED_PICTURE;
    if (flags & CF_NEEDS_STRING) return kind == SELECTED_STRING;
    return true;
}

}  // namespace

const HintText& RescanHint(HintId hint) { return kHints[hint]; }

const CommandRow* FindCommand(const EditionProfile& edition, int id) {
    unsigned bit = 1u << edition.id;
    for (const CommandRow& row : kRows)
        if (RowCovers(row, id) && (row.editions & bit)) return &row;
    return nullptr;
}

const CommandRow* CommandRows(int* count) {
    *count = static_cast<int>(sizeof kRows / sizeof kRows[0]);
    return kRows;
}

CommandState CommandStateOf(const EditionProfile& edition, int id, const StateView& in, CommandPlace place) {
    CommandState state = {};
    const CommandRow* row = FindCommand(edition, id);
    state.row = row;
    if (!row) return state;
    state.arg = row->arg + (id - row->id);
    state.selectionFits = SelectionFits(row->flags, in.SelectionKind());
    state.hasEnabledState = row->enabled != nullptr;
    state.enabled = !row->enabled || row->enabled(edition, in, state.arg);
    state.hasCheck = row->checked && (place == ON_POPUP || !(row->flags & CF_POPUP_CHECK));
    state.checked = state.hasCheck && row->checked(edition, in, state.arg);
    return state;
}
