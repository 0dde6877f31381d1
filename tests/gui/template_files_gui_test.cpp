// Templates on a drive mapped to a folder: written from the real main
// window's label, the disk changed and scanned again, the template read
// back; a damaged template and a read-only drive change nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "catalog/archive_reader.h"
#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "catalog/scanner.h"
#include "base/text_field.h"
#include "document/label_copy.h"
#include "document/object_list.h"
#include "document/picture_loader.h"
#include "editions/edition.h"
#include "render/label_geometry.h"
#include "shell/view_state.h"
#include "shell/win32/file_commands.h"
#include "shell/win32/label_view_win32.h"
#include "tests/driver/host_files.h"
#include "tests/gui/file_dialog_answers.h"
#include "tests/gui/gui_harness.h"
#include "tests/samples/sample_labels.h"
#include "tests/support/catalog_dump.h"
#include "tools/driver/wine_drive.h"

namespace {

constexpr char kDrive = 'T';

class TemplateGuiTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = TestFolder("template_drive");
        MakeWritable(Folder());  // a killed run may have left it read-only
        for (const char* folder : {"Docs", "Music", "Old"}) CreateDirectoryA((root_ + folder).c_str(), nullptr);
        for (const char* file : {"Docs\\a.txt", "Music\\b.mp3", "Old\\c.txt"}) WriteBytes(root_ + file, "x");
        WriteBytes(root_ + "logo.bmp", TinyBmp());
        host_ = HostPathOf(Folder());
        ASSERT_TRUE(MapWineDrive(kDrive, host_.c_str()));
        window_ = StartMainWindowInProcess("[tlm5]\r\nDrive=84\r\n");
        ASSERT_NE(window_, nullptr);
        g_answers = Answers();
        if (TheEdition().id == EDITION_WIMBROOK) {
            g_view.labelKind = KIND_SHEET;
            SwitchPage(2, 1);  // the template is the current sheet position's
        }
    }
    void TearDown() override {
        MakeWritable(Folder());
        for (int i = 0; i < g_labelCount; ++i) ClearLabel(&g_labelRecords[i]);
        CloseMainWindowInProcess();
        UnmapWineDrive(kDrive);
        for (const char* file : {"Docs\\a.txt", "DOCS\\a.txt", "Music\\b.mp3", "Old\\c.txt", "logo.bmp",
                                 "Kestrin.KST", "Wimbrook.WMT", "mine.DVT"})
            DeleteFileA((root_ + file).c_str());
        for (const char* folder : {"Docs", "DOCS", "Music", "Old"}) RemoveDirectoryA((root_ + folder).c_str());
    }
    void Scan() {
        ClearLabel(g_currentLabel);
        ScanDrive(kDrive, "", 0, 15, g_currentLabel, TheEdition(), kArchiveModeNone, g_scan);
        SortCatalog(g_currentLabel);
    }
    CatalogEntry* Entry(const char* name) {
        for (int i = 0; i < g_currentLabel->NumEntries; ++i)
            if (lstrcmpiA(g_currentLabel->Entries[i].Name, name) == 0) return &g_currentLabel->Entries[i];
        return nullptr;
    }
    std::string TemplatePath() {
        const EditionProfile& e = TheEdition();
        return e.id == EDITION_DOVANTEL ? "T:\\mine.DVT" : std::string("T:\\") + e.name + e.templateExt;
    }
    bool Write() {
        g_answers.name = "T:\\mine";
        g_answers.replace = true;
        return Answered([&] { return WriteTemplateCommand(window_); });
    }
    // Read Disk's template step; Dovantel then reads its own file too.
    bool Read() {
        bool read = Answered([&] { return ReadDiskTemplate(window_, kDrive); });
        if (TheEdition().id != EDITION_DOVANTEL) return read;
        EXPECT_FALSE(read);  // no Dovantel.DVT on the disk: nothing, silently
        g_answers.name = "T:\\mine.DVT";
        return Answered([&] { return ReadTemplateCommand(window_); });
    }
    std::string Folder() const { return root_.substr(0, root_.size() - 1); }
    std::string root_, host_;
    HWND window_ = nullptr;
};

TEST_F(TemplateGuiTest, WrittenThenReadAfterTheDiskChanged) {
    Scan();
    Entry("Docs")->Open = 0;
    Entry("Music")->Open = 1;
    AddSampleString(g_currentLabel, 1, 1, {10, -10, 200, -60}, "  lead\r\nnext", 90, true, 0xFF, 0xFFFFFF);
    PlacedObject picture = {};
    ASSERT_TRUE(LoadPicture("T:\\logo.bmp", &picture));
    ASSERT_TRUE(InsertObjectAtHead(g_currentLabel, picture));
    g_currentLabel->Columns = 5;
    g_view.modified = 1;
    ASSERT_TRUE(Write());
    EXPECT_EQ(g_view.modified, 0);
    std::string bytes = ReadBytes(TemplatePath());
    EXPECT_EQ(bytes.find(std::string(TheEdition().versionLine) + "\r\n"), 0u);
    EXPECT_NE(bytes.find("  lead\r\r\nnext\r\n"), std::string::npos);
    if (TheEdition().id == EDITION_DOVANTEL) {
        EXPECT_EQ(g_view.templatePath, "T:\\mine.DVT");
    }

    // Docs renamed in case, Old and the picture gone; a new reading.
    ASSERT_TRUE(MoveFileA((root_ + "Docs").c_str(), (root_ + "DOCS").c_str()));
    DeleteFileA((root_ + "Old\\c.txt").c_str());
    RemoveDirectoryA((root_ + "Old").c_str());
    DeleteFileA((root_ + "logo.bmp").c_str());
    Scan();
    CopyField(g_currentLabel->Comment, "from the scan");
    int files = g_currentLabel->NumFiles;
    int64_t used = g_currentLabel->SpaceUsed;
    std::string date = g_currentLabel->ShortDate;
    Entry("DOCS")->Open = 1;
    Entry("Music")->Open = 0;
    ASSERT_TRUE(Read());
    EXPECT_EQ(Entry("DOCS")->Open, 0);
    EXPECT_EQ(Entry("Music")->Open, 1);
    ASSERT_EQ(g_currentLabel->NumObjects, 1);  // the picture's file is gone
    EXPECT_STREQ(g_currentLabel->Objects[0].rec.Text, "  lead\r\nnext");
    EXPECT_EQ(g_currentLabel->Columns, 5);
    EXPECT_STREQ(g_currentLabel->Comment, "from the scan");
    EXPECT_EQ(g_currentLabel->NumFiles, files);
    EXPECT_EQ(g_currentLabel->SpaceUsed, used);
    EXPECT_EQ(g_currentLabel->ShortDate, date);
    EXPECT_EQ(g_answers.boxes, "");
    if (TheEdition().id == EDITION_DOVANTEL) {
        EXPECT_EQ(g_answers.folder, "T:\\");
    }
    if (TheEdition().id == EDITION_WIMBROOK) {
        EXPECT_EQ(g_currentLabel, &g_labelRecords[2]);
        EXPECT_EQ(g_labelRecords[0].NumObjects, 0);
    }
}

TEST_F(TemplateGuiTest, DamagedTemplateAndReadOnlyDriveChangeNothing) {
    Scan();
    ASSERT_TRUE(Write());
    std::string bytes = ReadBytes(TemplatePath());
    WriteBytes(TemplatePath(), bytes.substr(0, bytes.size() / 2));
    g_currentLabel->Columns = 1;
    EXPECT_FALSE(Read());
    EXPECT_EQ(g_answers.boxes, "Template Error: Unable to read the template \"" + TemplatePath() +
                                   "\".\nThe label was not changed.\n");
    EXPECT_EQ(g_currentLabel->Columns, 1);

    std::string cannot = MakeReadOnly(Folder());  // nothing can be made in the drive's root
    if (!cannot.empty()) GTEST_SKIP() << cannot;
    g_answers.boxes.clear();
    g_view.modified = 1;
    EXPECT_FALSE(Write());
    EXPECT_NE(g_answers.boxes.find("Disk Error: Error Saving Template \"" + TemplatePath() + "\"\n"),
              std::string::npos);
    EXPECT_EQ(g_view.modified, 1);
    EXPECT_EQ(ReadBytes(TemplatePath()), bytes.substr(0, bytes.size() / 2));
}

}  // namespace
