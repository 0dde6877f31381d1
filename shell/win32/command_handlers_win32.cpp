#include "shell/win32/command_handlers_win32.h"

#include <cstdio>
#include <cstring>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "catalog/read_disk.h"
#include "catalog/scan_settings.h"
#include "catalog/text_field.h"
#include "document/apply_target.h"
#include "document/look.h"
#include "document/object_list.h"
#include "document/program_settings.h"
#include "document/string_object.h"
#include "document/win32/insert_picture_win32.h"
#include "editions/command_ids.h"
#include "editions/edition.h"
#include "render/win32/font_heights_win32.h"
#include "render/win32/spine_win32.h"
#include "shell/menu_inputs.h"
#include "shell/view_pages.h"
#include "shell/view_state.h"
#include "shell/win32/bars.h"
#include "shell/win32/label_view_win32.h"
#include "catalog/win32/catalog_dialogs_win32.h"
#include "document/win32/shell_integration_win32.h"
#include "document/win32/style_dialogs_win32.h"
#include "shell/win32/file_commands.h"
#include "shell/win32/print_command.h"
#include "shell/win32/main_window.h"
#include "shell/win32/menu_refresh_win32.h"
#include "shell/win32/message_dialogs_win32.h"
#include "shell/win32/startup.h"
#include "shell/win32/win_state.h"

namespace {

ZIPINFO* Label() { return g_currentLabel; }
ObjectRecord& Head() { return Label()->Objects[0].rec; }

void AutoSizeIfSet(ObjectRecord* rec) {
    if (rec->AutoSize) AutoSizeString(rec);
}

// ---- catalog and scanning ----

bool SelectDrive(HWND window, int) { return DriveDialog(window, &g_scan.Drive); }

bool ReadDiskNow(HWND window, int) {
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    char drive = DriveToRead();
    bool audio = ReadDisk(Label(), TheEdition());
    // A template replaces the objects: nothing of the old ones stays selected.
    // An audio CD carries no template.
    if (!audio) {
        NoteScannedDrive(drive);
        if (g_settings.UseDAT) {
            ClearObjectSelection(Label());
            ReadDiskTemplate(window, drive);
        }
    }
    SetCursor(previous ? previous : LoadCursor(nullptr, IDC_ARROW));
    if (Label()->NumEntries == 0) {
        char text[64];
        std::snprintf(text, sizeof text, "Warning:  No files found on disk \"%c:\\\"", drive);
        MessageBoxA(window, text, "Disk Warning", MB_OK | MB_ICONERROR);
    }
    SortCatalog(Label());
    return true;
}

bool EditExclusions(HWND window, int) { return ExcludeDialog(window); }

bool EditFilesAndFolders(HWND window, int) {
    FilesFoldersDialog(window, Label());
    return true;
}

bool HasFoldersToChoose(const ZIPINFO& label) {
    for (int i = 0; i < label.NumEntries && label.Entries; ++i)
        if (label.Entries[i].HasSubtree == 1 && label.Entries[i].Child) return true;
    return false;
}

bool ChooseSubdirectories(HWND window, int) {
    if (!HasFoldersToChoose(*Label())) {
        MessageBoxA(window, "There are no directories to choose from!", "Directory Problem...", MB_OK | MB_ICONERROR);
        return false;
    }
    SubdirDialog(window, Label());
    return true;
}

bool EditComment(HWND window, int) {
    CommentDialog(window, Label());
    return true;
}

bool EditSpineText(HWND window, int) {
    int number = g_view.labelKind == KIND_SHEET ? Label()->LabelNumber : 0;
    SpineTextDialog(window, Label(), number);
    return true;
}

bool NewLabel(HWND window, int) { return ClearCurrentLabel(window, false); }

// ---- look ----

bool FontsAndColors(HWND window, int) {
    FontsColorsDialog(window, Label());
    MeasureLabelFontHeights(Label());
    return true;
}

bool BodyBackground(HWND window, int) {
    ChooseLabelColor(window, APPLY_COLOR, &Label()->BkgndColor);
    return true;
}

bool ResetToDefaults(HWND window, int) {
    ResetAllLooks(TheEdition(), &g_scan);
    HDC dc = GetDC(window);
    ApplyDefaultFonts(dc, g_view.windowScale);
    ReleaseDC(window, dc);
    MeasureMainFontHeights();
    return true;
}

bool SpineFont(HWND window, int) {
    ChooseLabelFont(window, APPLY_LABEL_FONT, &Label()->SpineFont, &Label()->SpineFontColor);
    RequestSpineFontRebuild();
    MeasureLabelFontHeights(Label());
    return true;
}

bool SpineFontColor(HWND window, int) {
    ChooseLabelColor(window, APPLY_COLOR, &Label()->SpineFontColor);
    return true;
}

bool SpineBackground(HWND window, int) {
    ChooseLabelColor(window, APPLY_COLOR, &Label()->SpineBkgndColor);
    return true;
}

bool CustomizeInitials(HWND window, int) { return InitialsDialog(window); }

// ---- placed objects ----

bool InsertImage(HWND window, int) {
    ClearObjectSelection(Label());
    return InsertPicture(window, Label(), CurrentPlacement());
}

bool InsertString(HWND window, int) {
    // The new string is centred on the page as it is placed now.
    PageOrigin(Label(), g_view.currentPage);
    if (!InsertNewString(Label(), CurrentPlacement())) return false;
    RequestRepaint();
    if (StringDialog(window, Label())) {
        TakeStringTemplateFrom(Head());
        AutoSizeIfSet(&Head());
        return true;
    }
    RemoveHeadObject(Label());
    ClearObjectSelection(Label());
    return false;
}

bool ModifyText(HWND window, int) {
    if (!StringDialog(window, Label())) return false;
    AutoSizeIfSet(&Head());
    return true;
}

bool StringFont(HWND window, int) {
    if (!ChooseLabelFont(window, APPLY_STRING_FONT, &Head().Font, &Head().TextColor)) return false;
    AutoSizeIfSet(&Head());
    return true;
}

bool StringColor(HWND window, int) { return ChooseLabelColor(window, APPLY_COLOR, &Head().TextColor); }

bool StringSolidColor(HWND window, int) {
    int32_t filled = Head().Filled;
    Head().Filled = 1;
    if (ChooseLabelColor(window, APPLY_COLOR, &Head().BackColor)) return true;
    Head().Filled = filled;
    return false;
}

// The chooser or dialog has applied its choice (RequestApply): the
// dispatcher's repaint shows it.
bool Apply(HWND, int) { return false; }

// ---- files and templates ----

bool Open(HWND window, int) { return OpenBodyCommand(window); }
bool Save(HWND window, int) { return SaveBodyCommand(window); }
bool SaveAs(HWND window, int) { return SaveBodyAsCommand(window); }
bool WriteTemplate(HWND window, int) { return WriteTemplateCommand(window); }

bool ReadTemplate(HWND window, int) {
    ClearObjectSelection(Label());
    return ReadTemplateCommand(window);
}

// ---- printing ----

bool PrinterSetup(HWND window, int) { return PrinterSetupDialog(window); }
bool Print(HWND window, int what) { return PrintLabel(window, what); }

// ---- view and pages ----

bool Zoom(HWND, int) {
    g_view.fullSize = g_view.fullSize ? 0 : 1;
    SwitchPage(g_view.currentLabel, g_view.currentPage);
    return true;
}

bool ScaleTheWindow(HWND, int percent) {
    ScaleWindow(percent * 0.01);
    return true;
}

void ShowPage(int page) {
    int before = g_view.currentPage;
    bool selected = Label()->SelectionKind != SELECTED_NOTHING;
    ClearObjectSelection(Label());
    SwitchPage(g_view.currentLabel, page);
    if (PageChangeRepaints(!g_view.fullSize, before, g_view.currentPage, selected)) RequestRepaint();
}

bool TurnPage(HWND, int step) {
    ShowPage(PageAfterStep(g_view.labelKind, g_view.currentPage, static_cast<PageStep>(step)));
    return true;
}

bool GoToPageCommand(HWND window, int) {
    if (!GoToPageEnabled(GatherMenuInputs(Label()))) return false;
    ShowPage(PageInRange(g_view.labelKind, GoToPage(window, g_view.currentPage)));
    return true;
}

bool Enter(HWND window, int) {
    int selected = Label()->SelectionKind;
    if (selected == SELECTED_NOTHING) PostMessageA(window, WM_COMMAND, CMD_READ_DISK, 0);
    else if (selected == SELECTED_STRING) PostMessageA(window, WM_COMMAND, CMD_MODIFY_TEXT, 0);
    return false;
}

// ---- help, web, About, Exit and the program's own requests ----

bool Help(HWND window, int search) { return OpenHelp(window, search != 0); }
bool Web(HWND, int homePage) { return OpenWebPage(homePage != 0); }

bool AboutBox(HWND window, int) {
    About(window);
    return false;
}

bool Exit(HWND window, int) {
    if (ExitCheck(window)) DestroyWindow(window);
    return false;
}

bool Startup(HWND window, int) {
    StartupContinuation(window);
    return false;
}

bool CommandLineLabel(HWND window, int) { return LoadCommandLineBody(window, g_view.commandLineFile.c_str()); }

bool CommandLineTemplate(HWND window, int) {
    ClearObjectSelection(Label());
    return LoadCommandLineTemplate(window, g_view.commandLineFile.c_str());
}

// Load, print, exit; a label that does not load prints nothing and the
// program stays.
bool CommandLinePrint(HWND window, int) {
    if (!LoadCommandLineBody(window, g_view.commandLineFile.c_str())) return false;
    PrintLabel(window, 0);
    if (ExitCheck(window)) DestroyWindow(window);
    return true;
}

struct GlueRow {
    int id;
    GlueHandler handler;
};

const GlueRow kGlue[] = {
    {CMD_SELECT_DRIVE, SelectDrive},
    {CMD_READ_DISK, ReadDiskNow},
    {CMD_EXCLUDE_INCLUDE, EditExclusions},
    {CMD_EDIT_FILES, EditFilesAndFolders},
    {CMD_CHOOSE_SUBDIRS, ChooseSubdirectories},
    {CMD_EDIT_COMMENT, EditComment},
    {CMD_EDIT_SPINE_TEXT, EditSpineText},
    {CMD_NEW, NewLabel},
    {CMD_FONTS_COLORS, FontsAndColors},
    {CMD_BODY_BKGND_COLOR, BodyBackground},
    {CMD_RESET_DEFAULTS, ResetToDefaults},
    {CMD_SPINE_FONT, SpineFont},
    {CMD_SPINE_FONT_COLOR, SpineFontColor},
    {CMD_SPINE_BKGND_COLOR, SpineBackground},
    {CMD_CUSTOMIZE_INITIALS, CustomizeInitials},
    {CMD_INSERT_IMAGE, InsertImage},
    {CMD_INSERT_STRING, InsertString},
    {CMD_MODIFY_TEXT, ModifyText},
    {CMD_STRING_FONT, StringFont},
    {CMD_STRING_COLOR, StringColor},
    {CMD_STRING_SOLID, StringSolidColor},
    {CMD_APPLY, Apply},
    {CMD_OPEN, Open},
    {CMD_SAVE, Save},
    {CMD_SAVE_AS, SaveAs},
    {CMD_WRITE_TEMPLATE, WriteTemplate},
    {CMD_READ_TEMPLATE, ReadTemplate},
    {CMD_PRINTER_SETUP, PrinterSetup},
    {CMD_PRINT, Print},
    {CMD_PRINT_FRONT, Print},
    {CMD_PRINT_BACK, Print},
    {CMD_ZOOM, Zoom},
    {CMD_SCALE_WINDOW_100, ScaleTheWindow},
    {CMD_SCALE_WINDOW_75, ScaleTheWindow},
    {CMD_SCALE_WINDOW_50, ScaleTheWindow},
    {CMD_SCALE_WINDOW_125, ScaleTheWindow},
    {CMD_SCALE_WINDOW_150, ScaleTheWindow},
    {CMD_FRONT_COVER, TurnPage},
    {CMD_BACK_COVER, TurnPage},
    {CMD_KEY_UP, TurnPage},
    {CMD_PREVIOUS_PAGE, TurnPage},
    {CMD_KEY_DOWN, TurnPage},
    {CMD_NEXT_PAGE, TurnPage},
    {CMD_GOTO_PAGE, GoToPageCommand},
    {CMD_ENTER, Enter},
    {CMD_HELP_CONTENTS, Help},
    {CMD_HELP_SEARCH, Help},
    {CMD_CHECK_NEW_VERSION, Web},
    {CMD_WEB_SITE, Web},
    {CMD_ABOUT, AboutBox},
    {CMD_EXIT, Exit},
    {CMD_STARTUP, Startup},
    {CMD_CMDLINE_LABEL, CommandLineLabel},
    {CMD_CMDLINE_TEMPLATE, CommandLineTemplate},
    {CMD_CMDLINE_PRINT, CommandLinePrint},
};

}  // namespace

GlueHandler FindGlueHandler(int id) {
    for (const GlueRow& row : kGlue)
        if (row.id == id) return row.handler;
    return nullptr;
}

bool ClearCurrentLabel(HWND, bool keepFileName) {
    ClearObjectSelection(Label());
    ClearLabel(Label());
    g_view.modified = 0;
    if (!keepFileName) ForgetBodyPath();
    return false;
}

bool OpenRecentFile(HWND window, int index) {
    if (index < 0 || index >= kRecentCount || !g_settings.Recent[index][0]) return false;
    return OpenRecentCommand(window, index);
}

bool ChooseDiskSize(HWND window, int id) {
    HMENU bar = GetMenu(window);
    char text[64];
    if (!bar || GetMenuStringA(bar, static_cast<UINT>(id), text, sizeof text, MF_BYCOMMAND) <= 0) return false;
    char number[sizeof g_settings.Number];
    size_t used = 0;
    for (const char* c = text; *c && used + 1 < sizeof number; ++c)
        if (*c != '&') number[used++] = *c;
    number[used] = '\0';
    CopyField(g_settings.Number, number);
    return true;
}
