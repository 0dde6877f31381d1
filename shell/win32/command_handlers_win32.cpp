// The command rows' Win32 handlers (shell/win32/glue_commands_win32.h),
// on the main window.
#include "shell/win32/glue_commands_win32.h"

#include <cstdio>
#include <cstring>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "catalog/read_disk.h"
#include "catalog/scan_settings.h"
#include "base/text_field.h"
#include "document/apply_target.h"
#include "document/label_copy.h"
#include "document/look.h"
#include "document/object_list.h"
#include "document/program_settings.h"
#include "document/string_object.h"
#include "document/win32/insert_picture_win32.h"
#include "editions/command_ids.h"
#include "editions/edition.h"
#include "render/win32/font_heights_win32.h"
#include "render/win32/spine_win32.h"
#include "shell/glue_commands.h"
#include "shell/program_records.h"
#include "shell/view_pages.h"
#include "shell/view_state.h"
#include "shell/win32/bars.h"
#include "shell/win32/dispatch.h"
#include "shell/win32/label_view_win32.h"
#include "catalog/win32/catalog_dialogs_win32.h"
#include "document/win32/shell_integration_win32.h"
#include "document/win32/style_dialogs_win32.h"
#include "shell/win32/file_commands.h"
#include "shell/win32/print_command.h"
#include "shell/win32/message_dialogs_win32.h"
#include "shell/win32/startup.h"
#include "shell/win32/win_state.h"

namespace {

HWND Window() { return g_win.main; }
ZIPINFO* Label() { return g_currentLabel; }
ObjectRecord& Head() { return Label()->Objects[0].rec; }

void AutoSizeIfSet(ObjectRecord* rec) {
    if (rec->AutoSize) AutoSizeString(rec);
}

bool HasFoldersToChoose(const ZIPINFO& label) {
    for (int i = 0; i < label.NumEntries && label.Entries; ++i)
        if (label.Entries[i].HasSubtree == 1 && label.Entries[i].Child) return true;
    return false;
}

void ShowPage(int page) {
    int before = g_view.currentPage;
    bool selected = Label()->SelectionKind != SELECTED_NOTHING;
    ClearObjectSelection(Label());
    SwitchPage(CurrentLabelIndex(), page);
    if (PageChangeRepaints(!g_view.fullSize, before, g_view.currentPage, selected)) RequestRepaint();
}

// ---- catalog and scanning ----

bool SelectDrive(int) { return DriveDialog(Window(), &g_scan.Drive); }

bool ReadDiskNow(int) {
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    char drive = DriveToRead(g_scan);
    bool audio = ReadDisk(Label(), TheEdition(), g_scan);
    // A template replaces the objects: nothing of the old ones stays selected.
    // An audio CD carries no template.
    if (!audio) {
        NoteScannedDrive(drive);
        if (g_settings.UseDAT) {
            ClearObjectSelection(Label());
            ReadDiskTemplate(Window(), drive);
        }
    }
    SetCursor(previous ? previous : LoadCursor(nullptr, IDC_ARROW));
    if (Label()->NumEntries == 0) {
        char text[64];
        std::snprintf(text, sizeof text, "Warning:  No files found on disk \"%c:\\\"", drive);
        MessageBoxA(Window(), text, "Disk Warning", MB_OK | MB_ICONERROR);
    }
    SortCatalog(Label());
    return true;
}

bool EditExclusions(int) { return ExcludeDialog(Window(), &g_scan); }

bool EditFilesAndFolders(int) {
    FilesFoldersDialog(Window(), Label());
    return true;
}

bool ChooseSubdirectories(int) {
    if (!HasFoldersToChoose(*Label())) {
        MessageBoxA(Window(), "There are no directories to choose from!", "Directory Problem...",
                    MB_OK | MB_ICONERROR);
        return false;
    }
    SubdirDialog(Window(), Label());
    return true;
}

bool EditComment(int) {
    CommentDialog(Window(), Label());
    return true;
}

bool EditSpineText(int) {
    int number = g_view.labelKind == KIND_SHEET ? Label()->LabelNumber : 0;
    SpineTextDialog(Window(), Label(), number);
    return true;
}

bool NewLabel(int) {
    ClearObjectSelection(Label());
    ClearLabel(Label());
    g_view.modified = 0;
    if (!CommandCameFromClearLabelItem()) ForgetBodyPath();
    return false;
}

// ---- look ----

// The dialog measures the label's font heights itself as it closes.
bool FontsAndColors(int) {
    FontsColorsDialog(Window(), Label(), &g_settings);
    return true;
}

bool ChooseBodyBackground(int) {
    ChooseLabelColor(Window(), APPLY_COLOR, &Label()->BkgndColor, g_settings.CustColors);
    return true;
}

bool ResetToDefaults(int) {
    ResetAllLooks(TheEdition(), &g_scan, g_labelRecords, g_labelCount);
    HDC dc = GetDC(Window());
    ApplyDefaultFonts(dc, g_view.windowScale, g_labelRecords, g_labelCount);
    ReleaseDC(Window(), dc);
    MeasureMainFontHeights(g_labelRecords, g_labelCount, &g_settings.Printer);
    return true;
}

bool ChooseSpineFont(int) {
    ChooseLabelFont(Window(), APPLY_LABEL_FONT, &Label()->SpineFont, &Label()->SpineFontColor, &g_settings.Printer);
    RequestSpineFontRebuild();
    MeasureLabelFontHeights(Label(), &g_settings.Printer);
    return true;
}

bool ChooseSpineFontColor(int) {
    ChooseLabelColor(Window(), APPLY_COLOR, &Label()->SpineFontColor, g_settings.CustColors);
    return true;
}

bool ChooseSpineBackground(int) {
    ChooseLabelColor(Window(), APPLY_COLOR, &Label()->SpineBkgndColor, g_settings.CustColors);
    return true;
}

bool CustomizeInitials(int) { return InitialsDialog(Window(), &g_settings); }

bool ChooseDiskSize(int index) {
    HMENU bar = GetMenu(Window());
    char text[64];
    UINT id = static_cast<UINT>(CMD_DISK_SIZE_1000 + index);
    if (!bar || GetMenuStringA(bar, id, text, sizeof text, MF_BYCOMMAND) <= 0) return false;
    char number[sizeof g_settings.Number];
    size_t used = 0;
    for (const char* c = text; *c && used + 1 < sizeof number; ++c)
        if (*c != '&') number[used++] = *c;
    number[used] = '\0';
    CopyField(g_settings.Number, number);
    return true;
}

// ---- placed objects ----

bool InsertImage(int) {
    ClearObjectSelection(Label());
    return InsertPicture(Window(), Label(), CurrentPlacement(), g_settings.ImagePath);
}

bool InsertString(int) {
    // The new string is centred on the page as it is placed now.
    PageOrigin(Label(), g_view.currentPage);
    if (!InsertNewString(Label(), CurrentPlacement())) return false;
    RequestRepaint();
    if (StringDialog(Window(), Label(), &g_settings)) {
        TakeStringTemplateFrom(Head());
        AutoSizeIfSet(&Head());
        return true;
    }
    RemoveHeadObject(Label());
    ClearObjectSelection(Label());
    return false;
}

bool ModifyText(int) {
    if (!StringDialog(Window(), Label(), &g_settings)) return false;
    AutoSizeIfSet(&Head());
    return true;
}

bool ChooseStringFont(int) {
    if (!ChooseLabelFont(Window(), APPLY_STRING_FONT, &Head().Font, &Head().TextColor, &g_settings.Printer))
        return false;
    AutoSizeIfSet(&Head());
    return true;
}

bool ChooseStringColor(int) {
    return ChooseLabelColor(Window(), APPLY_COLOR, &Head().TextColor, g_settings.CustColors);
}

bool ChooseStringSolidColor(int) {
    int32_t filled = Head().Filled;
    Head().Filled = 1;
    if (ChooseLabelColor(Window(), APPLY_COLOR, &Head().BackColor, g_settings.CustColors)) return true;
    Head().Filled = filled;
    return false;
}

// The chooser or dialog has applied its choice (RequestApply): the
// dispatcher's repaint shows it.
bool ApplyChosen(int) { return false; }

// ---- files, templates and printing ----

bool OpenBody(int) { return OpenBodyCommand(Window()); }
bool OpenRecentFile(int index) { return OpenRecentCommand(Window(), index); }
bool SaveBody(int) { return SaveBodyCommand(Window()); }
bool SaveBodyAs(int) { return SaveBodyAsCommand(Window()); }
bool WriteTemplateFile(int) { return WriteTemplateCommand(Window()); }
// The command clears the selection first: a template replaces the objects.
bool ReadTemplateFile(int) { return ReadTemplateCommand(Window()); }
bool PrinterSetup(int) { return PrinterSetupDialog(Window()); }
bool PrintPages(int what) { return PrintLabel(Window(), what); }

// ---- view and pages ----

bool ZoomView(int) {
    g_view.fullSize = g_view.fullSize ? 0 : 1;
    SwitchPage(CurrentLabelIndex(), g_view.currentPage);
    return true;
}

bool ScaleTheWindow(int percent) {
    ScaleWindow(percent * 0.01);
    return true;
}

bool TurnPage(int step) {
    ShowPage(PageAfterStep(g_view.labelKind, g_view.currentPage, static_cast<PageStep>(step)));
    return true;
}

bool AskGoToPage(int) {
    ShowPage(PageInRange(g_view.labelKind, GoToPage(Window(), g_view.currentPage)));
    return true;
}

bool EnterKey(int) {
    int selected = Label()->SelectionKind;
    if (selected == SELECTED_NOTHING) PostMessageA(Window(), WM_COMMAND, CMD_READ_DISK, 0);
    else if (selected == SELECTED_STRING) PostMessageA(Window(), WM_COMMAND, CMD_MODIFY_TEXT, 0);
    return false;
}

// ---- help, web, About, Exit and the program's own requests ----

bool ShowHelp(int search) { return OpenHelp(Window(), search != 0); }
bool VisitWebPage(int homePage) { return OpenWebPage(homePage != 0); }

bool AboutBox(int) {
    About(Window());
    return false;
}

bool ExitProgram(int) {
    if (ConfirmDiscard(Window())) DestroyWindow(Window());
    return false;
}

bool ContinueStartup(int) {
    StartupContinuation(Window());
    return false;
}

bool CommandLineLabel(int) { return LoadCommandLineBody(Window(), g_view.commandLineFile.c_str()); }

bool CommandLineTemplate(int) {
    ClearObjectSelection(Label());
    return LoadCommandLineTemplate(Window(), g_view.commandLineFile.c_str());
}

// Load, print, exit; a label that does not load prints nothing and the
// program stays.
bool CommandLinePrint(int) {
    if (!LoadCommandLineBody(Window(), g_view.commandLineFile.c_str())) return false;
    PrintLabel(Window(), 0);
    if (ConfirmDiscard(Window())) DestroyWindow(Window());
    return true;
}

}  // namespace

bool RegisterWin32Handlers() {
    static GlueHandler handlers[GLUE_SLOTS];
    handlers[GLUE_SELECT_DRIVE] = SelectDrive;
    handlers[GLUE_READ_DISK_NOW] = ReadDiskNow;
    handlers[GLUE_EDIT_EXCLUSIONS] = EditExclusions;
    handlers[GLUE_EDIT_FILES_AND_FOLDERS] = EditFilesAndFolders;
    handlers[GLUE_CHOOSE_SUBDIRECTORIES] = ChooseSubdirectories;
    handlers[GLUE_EDIT_COMMENT] = EditComment;
    handlers[GLUE_EDIT_SPINE_TEXT] = EditSpineText;
    handlers[GLUE_NEW_LABEL] = NewLabel;
    handlers[GLUE_FONTS_AND_COLORS] = FontsAndColors;
    handlers[GLUE_CHOOSE_BODY_BACKGROUND] = ChooseBodyBackground;
    handlers[GLUE_RESET_TO_DEFAULTS] = ResetToDefaults;
    handlers[GLUE_CHOOSE_SPINE_FONT] = ChooseSpineFont;
    handlers[GLUE_CHOOSE_SPINE_FONT_COLOR] = ChooseSpineFontColor;
    handlers[GLUE_CHOOSE_SPINE_BACKGROUND] = ChooseSpineBackground;
    handlers[GLUE_CUSTOMIZE_INITIALS] = CustomizeInitials;
    handlers[GLUE_CHOOSE_DISK_SIZE] = ChooseDiskSize;
    handlers[GLUE_INSERT_IMAGE] = InsertImage;
    handlers[GLUE_INSERT_STRING] = InsertString;
    handlers[GLUE_MODIFY_TEXT] = ModifyText;
    handlers[GLUE_CHOOSE_STRING_FONT] = ChooseStringFont;
    handlers[GLUE_CHOOSE_STRING_COLOR] = ChooseStringColor;
    handlers[GLUE_CHOOSE_STRING_SOLID_COLOR] = ChooseStringSolidColor;
    handlers[GLUE_APPLY_CHOSEN] = ApplyChosen;
    handlers[GLUE_OPEN_BODY] = OpenBody;
    handlers[GLUE_OPEN_RECENT_FILE] = OpenRecentFile;
    handlers[GLUE_SAVE_BODY] = SaveBody;
    handlers[GLUE_SAVE_BODY_AS] = SaveBodyAs;
    handlers[GLUE_WRITE_TEMPLATE_FILE] = WriteTemplateFile;
    handlers[GLUE_READ_TEMPLATE_FILE] = ReadTemplateFile;
    handlers[GLUE_PRINTER_SETUP] = PrinterSetup;
    handlers[GLUE_PRINT_PAGES] = PrintPages;
    handlers[GLUE_ZOOM_VIEW] = ZoomView;
    handlers[GLUE_SCALE_THE_WINDOW] = ScaleTheWindow;
    handlers[GLUE_TURN_PAGE] = TurnPage;
    handlers[GLUE_ASK_GO_TO_PAGE] = AskGoToPage;
    handlers[GLUE_ENTER_KEY] = EnterKey;
    handlers[GLUE_SHOW_HELP] = ShowHelp;
    handlers[GLUE_VISIT_WEB_PAGE] = VisitWebPage;
    handlers[GLUE_ABOUT_BOX] = AboutBox;
    handlers[GLUE_EXIT_PROGRAM] = ExitProgram;
    handlers[GLUE_CONTINUE_STARTUP] = ContinueStartup;
    handlers[GLUE_COMMAND_LINE_LABEL] = CommandLineLabel;
    handlers[GLUE_COMMAND_LINE_TEMPLATE] = CommandLineTemplate;
    handlers[GLUE_COMMAND_LINE_PRINT] = CommandLinePrint;
    return RegisterGlueHandlers(handlers);
}
