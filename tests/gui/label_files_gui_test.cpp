// The label file commands on the real main window, with the real file
// dialogs and message boxes answered by a timer: Save As, Save, New, Open,
// the recent files, files that cannot be written or read (the templates
// are in template_files_gui_test.cpp).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "base/text_field.h"
#include "document/label_copy.h"
#include "document/program_settings.h"
#include "editions/edition.h"
#include "render/label_geometry.h"
#include "shell/view_state.h"
#include "shell/win32/file_commands.h"
#include "tests/driver/host_files.h"
#include "tests/gui/file_dialog_answers.h"
#include "tests/gui/gui_harness.h"
#include "tests/samples/sample_labels.h"
#include "tests/support/catalog_dump.h"

namespace {

class LabelFilesGuiTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = TestFolder("label_files_gui");
        std::string ini = "[tlm5]\r\nDrive=67\r\nLabelPath=" + folder_ + "\r\n";
        window_ = StartMainWindowInProcess(ini.c_str());
        ASSERT_NE(window_, nullptr);
        g_answers = Answers();
    }
    void TearDown() override {
        ClearLabel(g_currentLabel);
        CloseMainWindowInProcess();
    }
    std::string folder_;
    HWND window_ = nullptr;
};

TEST_F(LabelFilesGuiTest, SaveAsSaveNewOpenAndRecent) {
    const EditionProfile& e = TheEdition();
    std::string first = folder_ + "first" + e.bodyExt, second = folder_ + "second" + e.bodyExt;
    DeleteFileA(first.c_str());
    DeleteFileA(second.c_str());
    BuildSampleLabel(g_currentLabel, e);
    std::string sample = DumpCatalog(g_currentLabel);
    g_view.modified = 1;

    g_answers.name = folder_ + "first";  // no extension: it is appended
    EXPECT_TRUE(Answered([&] { return SaveBodyAsCommand(window_); }));
    EXPECT_EQ(g_answers.offered, "default");
    EXPECT_EQ(g_answers.folder + "\\", folder_);
    EXPECT_EQ(ReadBytes(first).compare(0, 3, "41\n"), 0);
    EXPECT_EQ(g_view.bodyPath, first);
    EXPECT_EQ(g_view.labelName, "first");
    EXPECT_EQ(g_view.modified, 0);
    EXPECT_STREQ(g_settings.Recent[0], first.c_str());
    EXPECT_EQ(g_answers.boxes, "");

    // The appended name hits the file the dialog did not ask about: No.
    std::string saved = ReadBytes(first);
    CopyField(g_currentLabel->Comment, "changed");
    g_view.modified = 1;
    g_answers.name = "first";
    EXPECT_FALSE(Answered([&] { return SaveBodyAsCommand(window_); }));
    EXPECT_NE(g_answers.boxes.find("first" + std::string(e.bodyExt) + " already exists."), std::string::npos);
    EXPECT_EQ(ReadBytes(first), saved);
    EXPECT_EQ(g_view.modified, 1);

    // Save writes to the file without asking.
    int dialogs = g_answers.fileDialogs;
    EXPECT_TRUE(Answered([&] { return SaveBodyCommand(window_); }));
    EXPECT_EQ(g_answers.fileDialogs, dialogs);
    EXPECT_NE(ReadBytes(first).find(".changed\n"), std::string::npos);

    // Saved into another folder, which the next dialog starts in.
    CreateDirectoryA((folder_ + "sub").c_str(), nullptr);
    second = folder_ + "sub\\second" + e.bodyExt;
    DeleteFileA(second.c_str());
    g_currentLabel->LblFmt = 6;
    g_answers.name = second;
    EXPECT_TRUE(Answered([&] { return SaveBodyAsCommand(window_); }));
    EXPECT_STREQ(g_settings.Recent[1], first.c_str());
    EXPECT_STREQ(g_settings.LabelPath, (folder_ + "sub\\").c_str());

    // New forgets the file: Save asks for a name (Cancel).
    ForgetBodyPath();
    ClearLabel(g_currentLabel);
    g_answers.name = "";
    dialogs = g_answers.fileDialogs;
    EXPECT_FALSE(Answered([&] { return SaveBodyCommand(window_); }));
    EXPECT_EQ(g_answers.fileDialogs, dialogs + 1);

    g_answers.name = first;
    EXPECT_TRUE(Answered([&] { return OpenBodyCommand(window_); }));
    EXPECT_EQ(g_answers.folder + "\\", folder_ + "sub\\");
    EXPECT_EQ(DumpCatalog(g_currentLabel), sample);
    EXPECT_STREQ(g_currentLabel->Comment, "changed");
    EXPECT_NE(GetWindowTextLengthA(window_), 0);
    char caption[256];
    GetWindowTextA(window_, caption, sizeof caption);
    EXPECT_EQ(std::string(caption).find("first - "), 0u) << caption;
    EXPECT_STREQ(g_settings.Recent[0], first.c_str());
    EXPECT_STREQ(g_settings.Recent[1], second.c_str());

    ClearLabel(g_currentLabel);
    int kind = g_view.labelKind;
    EXPECT_TRUE(OpenRecentCommand(window_, 1));
    EXPECT_EQ(DumpCatalog(g_currentLabel), sample);
    // A booklet format makes a booklet, except on Wimbrook's sheets.
    EXPECT_EQ(g_view.labelKind, e.id == EDITION_WIMBROOK ? kind : KIND_BOOKLET);
    EXPECT_EQ(g_view.bodyPath, second);
    EXPECT_STREQ(g_settings.Recent[0], second.c_str());
    EXPECT_FALSE(OpenRecentCommand(window_, 4));  // an empty entry
}

TEST_F(LabelFilesGuiTest, FilesThatCannotBeWrittenOrReadChangeNothing) {
    const EditionProfile& e = TheEdition();
    std::string good = folder_ + "good" + e.bodyExt, cut = folder_ + "cut" + e.bodyExt,
                future = folder_ + "future" + e.bodyExt;
    MakeWritable(good);
    BuildSampleLabel(g_currentLabel, e);
    g_answers.name = good;
    g_answers.replace = true;
    ASSERT_TRUE(Answered([&] { return SaveBodyAsCommand(window_); }));
    std::string bytes = ReadBytes(good), sample = DumpCatalog(g_currentLabel), comment = g_currentLabel->Comment;
    WriteBytes(cut, bytes.substr(0, bytes.size() / 2));
    WriteBytes(future, "42" + bytes.substr(2));

    // Where nothing can stop this user writing, the rest still runs.
    std::string cannot = MakeReadOnly(good);
    g_answers.boxes.clear();
    CopyField(g_currentLabel->Comment, "unsaved");
    g_view.modified = 1;
    if (cannot.empty()) {
        EXPECT_FALSE(Answered([&] { return SaveBodyCommand(window_); }));
        EXPECT_EQ(g_answers.boxes, "Disk Error: Error Saving Body\n");
        EXPECT_EQ(ReadBytes(good), bytes);
        EXPECT_EQ(g_view.modified, 1);
        MakeWritable(good);
    }

    for (const std::string& bad : {cut, future}) {
        g_answers.boxes.clear();
        g_answers.name = bad;
        EXPECT_FALSE(Answered([&] { return OpenBodyCommand(window_); }));
        EXPECT_EQ(g_answers.boxes, "Disk Error: Error Loading Body\n") << "after the label was discarded";
        EXPECT_EQ(DumpCatalog(g_currentLabel), sample);
        EXPECT_STREQ(g_currentLabel->Comment, "unsaved");
        EXPECT_EQ(g_view.bodyPath, good);
        EXPECT_EQ(g_view.labelName, "good");
        EXPECT_STREQ(g_settings.Recent[0], good.c_str());
        EXPECT_EQ(g_view.modified, 1);
    }
    // The command line names the file in its message and adopts nothing.
    g_answers.boxes.clear();
    EXPECT_FALSE(Answered([&] { return LoadCommandLineBody(window_, cut.c_str()); }));
    EXPECT_EQ(g_answers.boxes, "Unable to load...: " + cut + "\n");
    ForgetBodyPath();
    EXPECT_TRUE(LoadCommandLineBody(window_, good.c_str()));
    EXPECT_EQ(g_view.bodyPath, "");
    EXPECT_EQ(g_view.labelName, "good");
    EXPECT_EQ(g_currentLabel->Comment, comment);
    EXPECT_EQ(g_view.modified, 0);
    if (!cannot.empty()) GTEST_SKIP() << cannot;
}

}  // namespace
