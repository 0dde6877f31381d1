// Command dispatch in the real main window: every command the menus, keys
// and toolbar can send has its row, and the conventions around the rows
// (rescan hints, the unsaved-label guard, the page commands) reach the
// user as real dialogs.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "base/text_field.h"
#include "document/label_copy.h"
#include "document/program_settings.h"
#include "document/shell_integration.h"
#include "document/win32/shell_integration_win32.h"
#include "editions/command_ids.h"
#include "editions/edition.h"
#include "editions/resource_ids.h"
#include "render/label_geometry.h"
#include "shell/command_table.h"
#include "shell/toolbar_table.h"
#include "shell/view_state.h"
#include "shell/win32/menus_win32.h"
#include "shell/win32/object_drag_win32.h"
#include "shell/win32/win_state.h"
#include "tools/driver/window_capture.h"
#include "tools/driver/driver.h"
#include "tests/gui/dialog_script.h"
#include "tests/gui/gui_harness.h"
#include "tests/gui/view_input.h"

namespace {

void CollectMenuIds(HMENU menu, std::set<int>* ids) {
    for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
        HMENU sub = GetSubMenu(menu, i);
        if (sub) {
            CollectMenuIds(sub, ids);
            continue;
        }
        UINT id = GetMenuItemID(menu, i);
        if (id != 0 && id != static_cast<UINT>(-1)) ids->insert(static_cast<int>(id));
    }
}

bool Kestrin() { return TheEdition().id == EDITION_KESTRIN; }

DialogAction Press(int control) {
    return [control](HWND dialog) { PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(control), 0); };
}

DialogAction TypeThenPress(int edit, const std::string& text, int control) {
    return [edit, text, control](HWND dialog) {
        SetDlgItemTextA(dialog, edit, text.c_str());
        PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(control), 0);
    };
}

using Captions = std::vector<std::string>;

Captions g_shellOpened;
INT_PTR RecordShellOpen(const char* target, int) {
    g_shellOpened.push_back(target);
    return 33;
}

std::string DumpNames(const ZIPINFO* list) {
    std::string out;
    for (int i = 0; i < list->NumEntries; ++i) out += (i ? " " : "") + std::string(list->Entries[i].Name);
    return out;
}

// The window's pixels as the screen shows them.
std::string WindowPixels(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
    GdiFlush();
    std::string pixels(static_cast<const char*>(bits), static_cast<size_t>(r.right) * r.bottom * 4);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return pixels;
}

class DispatchTest : public testing::Test {
protected:
    void Start(const char* ini) {
        window_ = StartMainWindowInProcess(ini);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        if (g_currentLabel) ClearLabel(g_currentLabel);
        CloseMainWindowInProcess();
    }
    // Sends the command while the answers take the dialogs it opens, in
    // order (any further one is cancelled); the captions of those seen.
    std::vector<std::string> Command(int command, std::vector<DialogAction> answers = {}) {
        DialogScript script(std::move(answers));
        SendMessageA(window_, WM_COMMAND, static_cast<WPARAM>(command), 0);
        EXPECT_TRUE(PumpUntilHandled(window_));  // and what it posted, a rescan say
        return script.seen();
    }
    HWND window_ = nullptr;
};

TEST_F(DispatchTest, EveryIdOfTheMenusKeysAndToolbarHasExactlyOneRow) {
    Start(kViewTestIni);
    const EditionProfile& edition = TheEdition();
    std::set<int> ids;
    CollectMenuIds(g_menus.bar, &ids);
    for (HMENU popup : {g_menus.bodyPopup, g_menus.spinePopup, g_menus.pagePopup, g_menus.imagePopup,
                        g_menus.stringPopup})
        CollectMenuIds(popup, &ids);
    std::vector<ACCEL> keys(static_cast<size_t>(CopyAcceleratorTableA(g_win.accelerators, nullptr, 0)));
    CopyAcceleratorTableA(g_win.accelerators, keys.data(), static_cast<int>(keys.size()));
    for (const ACCEL& key : keys) ids.insert(key.cmd);
    int buttons = 0;
    const ToolButton* toolbar = ToolbarButtons(edition, &buttons);
    for (int i = 0; i < buttons; ++i)
        if (toolbar[i].command) ids.insert(toolbar[i].command);
    ASSERT_GT(ids.size(), 60u);

    int rowCount = 0;
    const CommandRow* rows = CommandRows(&rowCount);
    for (int id : ids) {
        SCOPED_TRACE(id);
        int matching = 0;
        for (int r = 0; r < rowCount; ++r)
            if (RowCovers(rows[r], id) && (rows[r].editions & (1u << edition.id))) ++matching;
        EXPECT_EQ(matching, 1);
        const CommandRow* row = FindCommand(edition, id);
        ASSERT_NE(row, nullptr);
        EXPECT_NE(row->handler, nullptr);
    }
}

TEST_F(DispatchTest, HiddenHintScansOnceThenNeverAsksAgainAcrossARestart) {
    if (!Kestrin()) GTEST_SKIP() << "the hints are the same in every edition";
    Start("[tlm5]\r\nDrive=69\r\nDispSub=0\r\n");  // the tree mapped as E:
    std::string message;
    Captions seen = Command(CMD_LEVELS_1, {[&message](HWND dialog) {
                                message = ChildTexts(dialog);
                                CheckDlgButton(dialog, IDC_HINT_HIDE, BST_CHECKED);
                                PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                            }});
    EXPECT_EQ(seen, Captions{"Directory Scanning Warning"});
    EXPECT_NE(message.find("You need to re-scan the disk for this setting to take effect."), std::string::npos);
    EXPECT_NE(message.find("Scan Disk|Don't Scan Disk|&Don't Show This Hint Again"), std::string::npos);
    EXPECT_EQ(g_scan.DispSub, 1);
    EXPECT_GT(g_currentLabel->NumEntries, 0) << "Scan Disk read the disk";
    EXPECT_EQ(g_settings.HideDummy[0], 1);

    // Asked again, the hint would show; it must not.
    ClearLabel(g_currentLabel);
    EXPECT_TRUE(Command(CMD_LEVELS_2).empty());
    EXPECT_EQ(g_currentLabel->NumEntries, 0) << "a hidden hint answers Don't Scan Disk";

    CloseMainWindowInProcess();
    window_ = StartMainWindowInProcess(kKeepIni);
    ASSERT_NE(window_, nullptr);
    EXPECT_TRUE(Command(CMD_LEVELS_3).empty());
    EXPECT_EQ(g_currentLabel->NumEntries, 0);
}

TEST_F(DispatchTest, GuardCancelKeepsTheLabelAndTheProgram) {
    if (TheEdition().id == EDITION_WIMBROOK) GTEST_SKIP() << "Wimbrook has no unsaved-label warning";
    Start(kViewTestIni);
    AddObject(OBJECT_STRING, 1, LAYER_ABOVE, {100, -100, 200, -150});
    g_view.modified = 1;
    CopyField(g_settings.Recent[0], "C:\\labels\\other.KSB");
    for (int command : {CMD_NEW, CMD_RECENT_1, CMD_READ_DISK, CMD_EXIT}) {
        SCOPED_TRACE(command);
        EXPECT_EQ(Command(command, {Press(IDCANCEL)}), Captions{"Warning"});
        ASSERT_TRUE(IsWindow(window_));
        EXPECT_EQ(g_currentLabel->NumObjects, 1);
        EXPECT_EQ(g_view.modified, 1);
    }
    // "&Save Label" goes on only when the label was saved.
    Captions seen = Command(CMD_EXIT, {Press(IDC_SAVE_LABEL), Press(IDCANCEL)});
    EXPECT_EQ(seen, (Captions{"Warning", TheEdition().saveBodyCaption}));
    ASSERT_TRUE(IsWindow(window_)) << "a Save As that wrote nothing keeps the program";
    EXPECT_EQ(g_currentLabel->NumObjects, 1);
    Command(CMD_NEW, {Press(IDOK)});
    EXPECT_EQ(g_currentLabel->NumObjects, 0) << "Discard Label goes on";
    EXPECT_EQ(g_view.modified, 0);
}

TEST_F(DispatchTest, NewForgetsTheFileNameAndClearLabelKeepsIt) {
    Start(kViewTestIni);
    g_view.bodyPath = "C:\\labels\\disk.KSB";
    // "Cle&ar Label" highlighted in a Body menu, then chosen.
    SendMessageA(window_, WM_MENUSELECT, MAKEWPARAM(CMD_NEW, MF_STRING), reinterpret_cast<LPARAM>(g_menus.bodyPopup));
    SendMessageA(window_, WM_COMMAND, CMD_NEW, 0);
    EXPECT_EQ(g_view.bodyPath, "C:\\labels\\disk.KSB");
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(CMD_NEW, 1), 0);  // Ctrl+N
    EXPECT_EQ(g_view.bodyPath, "") << "the next Save asks for a name";
}

TEST_F(DispatchTest, CommandsAndDoubleClicksReachTheirDialogs) {
    if (!Kestrin()) GTEST_SKIP() << "the wiring is the same in every edition";
    Start("[tlm5]\r\nDrive=69\r\nDispSub=15\r\nZoom=1\r\nLabels=12\r\nLblFmt0=6\r\n");  // E:, a booklet
    Command(CMD_READ_DISK);
    AddObject(OBJECT_STRING, 1, LAYER_ABOVE, {100, -100, 200, -150});
    SelectPlacedObject(0);
    const EditionProfile& e = TheEdition();
    const std::string medium = e.mediumWord, name = e.name;
    struct Case {
        int command;
        std::string caption;
    } cases[] = {
        {CMD_SELECT_DRIVE, medium + " Drive Selection"},
        {CMD_EXCLUDE_INCLUDE, "Exclude/Include Files Containing..."},
        {CMD_CHOOSE_SUBDIRS, "Subdirectory Selection"},
        {CMD_EDIT_FILES, "Files and Folders Editor"},
        {CMD_EDIT_COMMENT, medium + " Comment Entry"},
        {CMD_EDIT_SPINE_TEXT, name + " Label"},
        {CMD_FONTS_COLORS, "Fonts And Colors"},
        {CMD_BODY_BKGND_COLOR, "Color"},
        {CMD_SPINE_BKGND_COLOR, "Color"},
        {CMD_SPINE_FONT_COLOR, "Color"},
        {CMD_SPINE_FONT, "Font"},
        {CMD_CUSTOMIZE_INITIALS, "Customize Initials"},
        {CMD_MODIFY_TEXT, "String Entry and Modification"},
        {CMD_STRING_FONT, "Font"},
        {CMD_STRING_COLOR, "Color"},
        {CMD_STRING_SOLID, "Color"},
        {CMD_PRINTER_SETUP, "Printer Setup"},
        {CMD_PRINT, "Print"},
        {CMD_OPEN, e.loadBodyCaption},
        {CMD_SAVE_AS, e.saveBodyCaption},
        {CMD_GOTO_PAGE, "Go To Page..."},
        {CMD_HELP_CONTENTS, "Help"},
        {CMD_ABOUT, "About " + name},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        Captions seen = Command(c.command);  // each is cancelled
        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(seen[0].compare(0, c.caption.size(), c.caption), 0) << seen[0];
    }
    EXPECT_EQ(g_currentLabel->NumObjects, 1);
    // A disk size item's text without "&" becomes the capacity text.
    Command(CMD_DISK_SIZE_2000);
    EXPECT_STREQ(g_settings.Number, "2,000");
    // The web commands and the About box's button go to the shell.
    SetShellOpenHook(RecordShellOpen);
    Command(CMD_WEB_SITE);
    Command(CMD_CHECK_NEW_VERSION);
    Command(CMD_ABOUT, {[](HWND about) {
                PostMessageA(about, WM_COMMAND, IDC_ABOUT_WEB, 0);
                PostMessageA(about, WM_COMMAND, IDOK, 0);
            }});
    SetShellOpenHook(nullptr);
    EXPECT_EQ(g_shellOpened, (Captions{WebPageAddress(e, true), WebPageAddress(e, false), WebPageAddress(e, true)}));
    // A double click on the spine asks for its text.
    DialogScript script({});
    LabelRect spines[2];
    ASSERT_GT(SpineRegions(e, 1, spines), 0);
    PageOrigin(g_currentLabel, 1);
    const ZIPINFO& label = *g_currentLabel;
    DoubleClickAt(window_, {label.LabelOriginX + (spines[0].left + spines[0].right) / 2,
                            label.LabelOriginY + (spines[0].top + spines[0].bottom) / 2});
    ASSERT_TRUE(PumpUntilHandled(window_));
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0].compare(0, name.size() + 6, name + " Label"), 0) << script.seen()[0];
}

TEST_F(DispatchTest, ATemplateReadLeavesNothingSelected) {
    Start(kViewTestIni);
    AddObject(OBJECT_STRING, 1, LAYER_ABOVE, {100, -100, 200, -150});
    SelectPlacedObject(0);
    ASSERT_NE(g_currentLabel->SelectionKind, 0);
    Command(CMD_READ_TEMPLATE);
    EXPECT_EQ(g_currentLabel->SelectionKind, 0) << "the template replaces the objects";
}

TEST_F(DispatchTest, EnterReadsTheDiskAndAnEmptyDiskIsReportedByName) {
    if (!Kestrin()) GTEST_SKIP() << "Read Disk is one command in every edition";
    Start("[tlm5]\r\nDrive=69\r\nDispSub=1\r\n");
    g_view.modified = 0;
    SetForegroundWindow(window_);
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_RETURN;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    ASSERT_TRUE(PumpUntilHandled(window_));
    EXPECT_EQ(DumpNames(g_currentLabel), "a.txt b.txt c.txt docs");
    EXPECT_EQ(g_view.modified, 1);

    g_scan.Drive = 'M';  // the empty tree
    std::string text;
    g_view.modified = 0;
    Captions seen = Command(CMD_READ_DISK, {[&text](HWND box) {
                                text = ChildTexts(box);
                                PostMessageA(box, WM_COMMAND, IDOK, 0);
                            }});
    EXPECT_EQ(seen, Captions{"Disk Warning"});
    EXPECT_NE(text.find("Warning:  No files found on disk \"M:\\\""), std::string::npos) << text;
    EXPECT_EQ(g_currentLabel->NumEntries, 0);
    EXPECT_EQ(g_view.modified, 1);
}

TEST_F(DispatchTest, ArchiveHintScansTheArchivesMembers) {
    if (!Kestrin()) GTEST_SKIP() << "the hints are the same in every edition";
    Start("[tlm5]\r\nDrive=71\r\nDispSub=15\r\nScanArchives=0\r\n");  // G:, the archives
    EXPECT_EQ(Command(CMD_SCAN_ARCHIVES, {Press(IDOK)}), Captions{"Archive Scanning Warning"});
    EXPECT_EQ(g_scan.ScanArchives, 1);
    int archivesListed = 0;
    for (int i = 0; i < g_currentLabel->NumEntries; ++i)
        if (g_currentLabel->Entries[i].HasSubtree == 1 && std::strstr(g_currentLabel->Entries[i].Name, "."))
            ++archivesListed;
    EXPECT_GT(archivesListed, 0);
}

TEST_F(DispatchTest, GoToPageTurnsTheBookletToTheNumberTyped) {
    if (TheEdition().id == EDITION_WIMBROOK) GTEST_SKIP() << "Wimbrook has no Go To Page";
    Start(kViewTestIni);
    Command(CMD_FORMAT_6);
    std::string shown;
    Command(CMD_GOTO_PAGE, {[&shown](HWND dialog) {
                shown = ControlText(dialog, IDC_GOTO_PAGE);
                TypeThenPress(IDC_GOTO_PAGE, "5", IDOK)(dialog);
            }});
    EXPECT_EQ(shown, "0") << "the front cover is shown as page 0";
    EXPECT_EQ(g_view.currentPage, 6);
}

TEST_F(DispatchTest, DialogsOpenOnScreenAndRememberWhereTheyWereLeft) {
    Start(kViewTestIni);
    g_settings.Windows[WINDOW_ABOUT] = {5000, 5000};
    RECT opened = {};
    std::string texts;
    Captions seen = Command(CMD_ABOUT, {[&](HWND dialog) {
                                GetWindowRect(dialog, &opened);
                                texts = ChildTexts(dialog);
                                SetWindowPos(dialog, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                                PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                            }});
    EXPECT_EQ(seen, Captions{std::string("About ") + TheEdition().name});
    EXPECT_EQ(opened.left, GetSystemMetrics(SM_CXSCREEN) - 100);
    EXPECT_EQ(opened.top, GetSystemMetrics(SM_CYSCREEN) - 100);
    EXPECT_NE(texts.find(std::string(TheEdition().name) + " 4.1"), std::string::npos) << texts;
    EXPECT_EQ(g_settings.Windows[WINDOW_ABOUT].x, 200);
    EXPECT_EQ(g_settings.Windows[WINDOW_ABOUT].y, 150);
}

TEST_F(DispatchTest, SpreadViewShowsWhatAForcedRepaintWouldAfterEveryPageCommand) {
    if (TheEdition().id == EDITION_WIMBROOK) GTEST_SKIP() << "Wimbrook has no spread view";
    Start("[tlm5]\r\nDrive=67\r\nZoom=0\r\nLblFmt0=6\r\nLabels=12\r\n");
    ASSERT_EQ(g_view.fullSize, 0);
    AddObject(OBJECT_STRING, 3, LAYER_ABOVE, {100, -100, 200, -150});
    struct Step {
        int command;
        const char* answer;
    } steps[] = {{CMD_NEXT_PAGE, nullptr}, {CMD_NEXT_PAGE, nullptr}, {CMD_NEXT_PAGE, nullptr},
                 {CMD_NEXT_PAGE, nullptr}, {CMD_PREVIOUS_PAGE, nullptr}, {CMD_FRONT_COVER, nullptr},
                 {CMD_GOTO_PAGE, "5"},     {CMD_BACK_COVER, nullptr}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.command);
        if (step.command == CMD_NEXT_PAGE && g_view.currentPage == 3) {
            SelectPlacedObject(0);
            RepaintNow(window_);
        }
        std::vector<DialogAction> answers;
        if (step.answer) answers.push_back(TypeThenPress(IDC_GOTO_PAGE, step.answer, IDOK));
        Command(step.command, answers);
        std::string before = WindowPixels(window_), after;
        RepaintNow(window_);
        after = WindowPixels(window_);
        EXPECT_TRUE(before == after) << "page " << g_view.currentPage;
    }
}

}  // namespace
