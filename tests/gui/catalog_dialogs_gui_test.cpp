// The catalog dialogs on the real main window, driven with real input: the
// drive list of the disk fixture, the exclusion list feeding a Read Disk,
// both tree dialogs on a scanned tree, Change File and Comment Entry.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "catalog/read_disk.h"
#include "catalog/scan_settings.h"
#include "catalog/win32/catalog_dialogs_win32.h"
#include "document/look.h"
#include "editions/dialog_ids.h"
#include "editions/edition.h"
#include "tests/gui/dialog_script.h"
#include "tests/gui/gui_harness.h"
#include "tests/support/catalog_dump.h"

namespace {

// The names of a tree, children in braces.
std::string Names(const ZIPINFO* list) {
    std::string out;
    for (int i = 0; list && i < list->NumEntries; ++i) {
        const CatalogEntry& e = list->Entries[i];
        out += (i ? ", " : "") + std::string(e.Name);
        if (e.HasSubtree == 1) out += "{" + Names(e.Child) + "}";
    }
    return out;
}

class CatalogDialogsTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = StartMainWindowInProcess();
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        FreeExcludePatterns(&g_scan);
        CloseMainWindowInProcess();
    }
    // Reads a drive of the disk fixture into the current label, sorted.
    void Scan(char drive, int levels) {
        g_scan.Drive = drive;
        g_scan.DispSub = levels;
        ReadDisk(g_currentLabel, TheEdition(), g_scan);
        SortCatalog(g_currentLabel);
    }
    static std::string Medium() { return TheEdition().mediumWord; }
    // The rules that do not differ by edition are proved in one.
    static bool OtherEdition() { return TheEdition().id != EDITION_KESTRIN; }
    static int Rows(HWND dialog) { return static_cast<int>(SendDlgItemMessageA(dialog, IDC_LIST, LB_GETCOUNT, 0, 0)); }
    HWND window_ = nullptr;
};

TEST_F(CatalogDialogsTest, DriveListOfTheFixtureAndOkWithoutASelection) {
    const std::string caption = Medium() + " Drive Selection";
    char drive = 'C';
    bool chosen = false;
    PlayDuring([&] { chosen = DriveDialog(window_, &drive); },
               {WaitFor(caption), Do([](HWND d) {
                    EXPECT_EQ(ControlText(d, IDC_DRIVE_LABEL), Medium() + " &Drive:");
                    EXPECT_EQ(ControlText(d, IDC_DRIVE_LIST), "C:\\");
                    EXPECT_NE(SendDlgItemMessageA(d, IDC_DRIVE_LIST, CB_FINDSTRINGEXACT, -1,
                                                  reinterpret_cast<LPARAM>("H:\\")),
                              CB_ERR);
                }),
                Picture(TheEdition().name + std::string("-drive-list")), Keys({VK_DOWN}), Click(IDOK)});
    EXPECT_TRUE(chosen);
    EXPECT_GT(drive, 'C');

    // A stored letter with no drive: nothing is selected, and OK is Cancel.
    char missing = 'A';
    while (GetLogicalDrives() & (1u << (missing - 'A'))) ++missing;
    drive = missing;
    PlayDuring([&] { chosen = DriveDialog(window_, &drive); },
               {WaitFor(caption),
                Do([](HWND d) { EXPECT_EQ(SendDlgItemMessageA(d, IDC_DRIVE_LIST, CB_GETCURSEL, 0, 0), CB_ERR); }),
                Click(IDOK)});
    EXPECT_FALSE(chosen);
    EXPECT_EQ(drive, missing);
}

TEST_F(CatalogDialogsTest, ExclusionListDrivesAReadDiskInBothModes) {
    if (OtherEdition()) GTEST_SKIP() << "the same in every edition";
    const std::string caption = "Exclude/Include Files Containing...";
    bool changed = false;
    PlayDuring([&] { changed = ExcludeDialog(window_, &g_scan); },
               {WaitFor(caption), Click(IDC_EXCLUDE_PATTERN), Type("*.tmp"), Keys({VK_RETURN}),
                Do([](HWND d) {
                    EXPECT_EQ(ControlText(d, IDC_EXCLUDE_PATTERN), "");
                    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, IDC_EXCLUDE_REMOVE)));
                }),
                Picture("exclude"), Click(IDOK)});
    EXPECT_TRUE(changed);
    ASSERT_EQ(g_scan.NumExclude, 1);
    EXPECT_STREQ(g_scan.Exclude[0], ".TMP");
    Scan('H', 1);
    std::string excluded = DumpCatalog(g_currentLabel);
    EXPECT_EQ(excluded.find("report"), std::string::npos) << excluded;
    EXPECT_EQ(excluded.find("UPPER"), std::string::npos) << excluded;
    EXPECT_NE(excluded.find("keep.txt"), std::string::npos) << excluded;

    PlayDuring([&] { changed = ExcludeDialog(window_, &g_scan); }, {WaitFor(caption), Click(IDC_INCLUDE_MODE), Click(IDOK)});
    EXPECT_TRUE(changed);
    EXPECT_EQ(g_scan.ExcludeMode, 0);
    Scan('H', 1);
    std::string included = DumpCatalog(g_currentLabel);
    EXPECT_NE(included.find("report.tmp"), std::string::npos) << included;
    EXPECT_EQ(included.find("keep.txt"), std::string::npos) << included;

    PlayDuring([&] { changed = ExcludeDialog(window_, &g_scan); }, {WaitFor(caption), Click(IDOK)});
    EXPECT_FALSE(changed) << "OK without a change asks for no rescan";
}

TEST_F(CatalogDialogsTest, SubdirectorySelectionTogglesByMouseAndKeysAndEscKeepsTheChanges) {
    if (OtherEdition()) GTEST_SKIP() << "the same in every edition";
    Scan('F', 2);
    int rows = 0;
    PlayDuring([&] { SubdirDialog(window_, g_currentLabel); },
               {WaitFor("Subdirectory Selection"), Do([&](HWND d) { rows = Rows(d); }), Picture("subdirs"),
                DoubleClickListRow(IDC_LIST, 0), Do([&](HWND d) { EXPECT_LT(Rows(d), rows) << "the first folder closed"; }),
                Keys({VK_SPACE}), Do([&](HWND d) { EXPECT_EQ(Rows(d), rows); }),
                Keys({VK_RETURN}), Do([&](HWND d) { EXPECT_LT(Rows(d), rows) << "Enter reached the list"; }),
                Click(IDC_CLOSE_ALL), Click(IDC_OPEN_ALL), Do([&](HWND d) { EXPECT_EQ(Rows(d), rows); }),
                Click(IDC_CLOSE_ALL), Keys({VK_ESCAPE})});
    EXPECT_EQ(g_currentLabel->LayoutValid, 0);
    for (int i = 0; i < g_currentLabel->NumEntries; ++i) EXPECT_EQ(g_currentLabel->Entries[i].Open, 0) << i;
}

TEST_F(CatalogDialogsTest, FilesAndFoldersEditorChangesACopyUntilOk) {
    if (OtherEdition()) GTEST_SKIP() << "the same in every edition";
    Scan('E', 1);  // a.txt, b.txt, c.txt, docs{d.txt, e.txt}
    std::string before = DumpCatalog(g_currentLabel);
    bool ok = true;
    // Changes, then Cancel: the label is untouched.
    PlayDuring([&] { ok = FilesFoldersDialog(window_, g_currentLabel); },
               {WaitFor("Files and Folders Editor"), Keys({VK_DELETE}), Keys({VK_DELETE}), Click(IDCANCEL)});
    EXPECT_FALSE(ok);
    EXPECT_EQ(DumpCatalog(g_currentLabel), before);

    const std::string editor = "Files and Folders Editor";
    PlayDuring([&] { ok = FilesFoldersDialog(window_, g_currentLabel); },
               {WaitFor(editor), Do([](HWND d) { EXPECT_EQ(Rows(d), 6); }), Picture("files-folders"),
                // docs (row 3) closes with Enter, moves up twice with its children.
                Keys({VK_DOWN, VK_DOWN, VK_DOWN}), Keys({VK_RETURN}), Do([](HWND d) { EXPECT_EQ(Rows(d), 4); }),
                Keys({VK_RETURN}), Click(IDC_MOVE_UP), Click(IDC_MOVE_UP),
                Do([](HWND d) { EXPECT_EQ(SendDlgItemMessageA(d, IDC_LIST, LB_GETCURSEL, 0, 0), 1); }),
                // Backspace deletes a.txt; Add New, then Cancel in Change File.
                ClickListRow(IDC_LIST, 0), Keys({VK_BACK}), Click(IDC_ADD_ENTRY), WaitFor("Change File"), Click(IDCANCEL),
                WaitFor(editor),
                // A double click on the new file opens Change File on it.
                DoubleClickListRow(IDC_LIST, 0), WaitFor("Change File"), Picture("change-file"),
                Type("renamed"), Click(IDC_ENTRY_SIZE), SelectAll(), Type("9999999999"), Click(IDOK),
                ExpectMessage("whole number from 0 to 4294967295"), Click(IDC_ENTRY_SIZE), SelectAll(),
                Type("4294967295"), Click(IDOK), WaitFor(editor), Click(IDOK)});
    EXPECT_TRUE(ok);
    EXPECT_EQ(Names(g_currentLabel), "renamed, docs{d.txt, e.txt}, b.txt, c.txt");
    EXPECT_EQ(g_currentLabel->Entries[0].Size, 4294967295u);
    EXPECT_EQ(g_currentLabel->NumFiles, 5);
    EXPECT_EQ(g_currentLabel->NumFolders, 1);
    EXPECT_EQ(g_currentLabel->LayoutValid, 0);
}

void* NoMemory(size_t) { return nullptr; }

TEST_F(CatalogDialogsTest, AnEditorCopyThatCannotBeMadeIsToldAndChangesNothing) {
    if (OtherEdition()) GTEST_SKIP() << "the same in every edition";
    Scan('E', 1);
    std::string before = DumpCatalog(g_currentLabel);
    SetCatalogAllocHook(NoMemory);
    bool ok = true;
    PlayDuring([&] { ok = FilesFoldersDialog(window_, g_currentLabel); },
               {UseWindow(window_), ExpectMessage("not enough memory")});
    SetCatalogAllocHook(nullptr);
    EXPECT_FALSE(ok);
    EXPECT_EQ(DumpCatalog(g_currentLabel), before);
    EXPECT_TRUE(IsWindow(window_)) << "the program goes on";
}

TEST_F(CatalogDialogsTest, CommentEntryShowsWhatOkStoresAndInsertsMacrosAtTheCaret) {
    Scan('E', 1);
    const std::string caption = Medium() + " Comment Entry";
    bool ok = false;
    bool dovantel = TheEdition().id == EDITION_DOVANTEL;
    PlayDuring([&] { ok = CommentDialog(window_, g_currentLabel); },
               {WaitFor(caption), Picture(TheEdition().name + std::string("-comment-sample")),
                Click(dovantel ? IDC_DEFAULT_AUDIO : IDC_DEFAULT_COMMENT),
                Do([&](HWND d) {
                    EXPECT_EQ(ControlText(d, IDC_COMMENT_TEXT),
                              dovantel ? "%folders% Tracks (%files% min)" : kDefaultComment);
                }),
                Click(IDC_COMMENT_TEXT), SelectAll(), Type("n="), Click(IDC_MACRO_FILES), Type("!"),
                Do([](HWND d) {
                    EXPECT_EQ(ControlText(d, IDC_COMMENT_TEXT), "n=%files%!");
                    EXPECT_EQ(ControlText(d, IDC_COMMENT_SAMPLE), "n=5!");
                }),
                // The edit holds the record's 255 characters; a macro that does not fit is not inserted.
                SelectAll(), Paste(std::string(250, 'p')), Paste("qqqqqq"), Click(IDC_MACRO_FOLDERS),
                Do([](HWND d) { EXPECT_EQ(ControlText(d, IDC_COMMENT_TEXT), std::string(250, 'p') + "qqqqq"); }),
                Click(IDOK)});
    EXPECT_TRUE(ok);
    EXPECT_EQ(std::string(g_currentLabel->Comment), std::string(250, 'p') + "qqqqq");
}

}  // namespace
