// Inserting strings and pictures through the main window's commands, with
// the real open-file dialog and message boxes.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "document/insert_picture.h"
#include "document/label_copy.h"
#include "document/object_list.h"
#include "record/win32/font_desc_win32.h"
#include "editions/edition.h"
#include "render/win32/mapping_win32.h"
#include "editions/command_ids.h"
#include "shell/view_state.h"
#include "tests/gui/gui_harness.h"

namespace {

// What the dialogs showed and what the test answered.
struct DialogRun {
    std::string answer;       // file name typed into the open dialog
    int openDialogs = 0;
    std::string folder;       // the folder the dialog showed
    std::string filters[2];   // the file type list
    int failureBoxes = 0;
    std::string failureText;
    int stringDialogs = 0;
    int stringAnswer = IDOK;  // how the string's dialog is closed
};
DialogRun g_run;

BOOL CALLBACK CollectText(HWND child, LPARAM) {
    char text[512];
    GetWindowTextA(child, text, sizeof text);
    if (std::strstr(text, "Couldn't")) g_run.failureText = text;
    return TRUE;
}

void CALLBACK AnswerDialogs(HWND, UINT, UINT_PTR, DWORD) {
    HWND open = FindWindowA(nullptr, "Select Image File...");
    if (open && IsWindowVisible(open)) {
        ++g_run.openDialogs;
        char folder[MAX_PATH] = "";
        SendMessageA(open, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
        g_run.folder = folder;
        for (int i = 0; i < 2; ++i) {
            char filter[256] = "";
            SendDlgItemMessageA(open, cmb1, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(filter));
            g_run.filters[i] = filter;
        }
        SendMessageA(open, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(g_run.answer.c_str()));
        PostMessageA(open, WM_COMMAND, IDOK, 0);
        return;
    }
    // Insert String ends in the string's dialog: its OK keeps the string.
    HWND text = FindWindowA(nullptr, "String Entry and Modification");
    if (text && IsWindowVisible(text)) {
        ++g_run.stringDialogs;
        PostMessageA(text, WM_COMMAND, static_cast<WPARAM>(g_run.stringAnswer), 0);
        return;
    }
    HWND failure = FindWindowA(nullptr, "Image Load Failure...");
    if (failure && IsWindowVisible(failure)) {
        ++g_run.failureBoxes;
        EnumChildWindows(failure, CollectText, 0);
        PostMessageA(failure, WM_COMMAND, IDOK, 0);
    }
}

std::string TempFolder() {
    char path[MAX_PATH];
    GetTempPathA(sizeof path, path);
    return path;
}

void WriteBmp(const std::string& path, int width, int height, bool damaged) {
    unsigned row = (3 * width + 3) & ~3u, size = 54 + row * height;
    unsigned char header[54] = {'B', 'M'};
    auto put = [&](int at, unsigned v) {
        for (int i = 0; i < 4; ++i) header[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    put(2, size), put(10, 54), put(14, 40), put(18, width), put(22, height), put(30, 0), put(34, row * height);
    header[26] = 1, header[28] = 24;
    if (damaged) put(10, size + 10);  // pixel rows past the end of the file
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(header, 1, 54, f);
    for (unsigned i = 0; i < row * height; ++i) std::fputc(0x40, f);
    std::fclose(f);
}

// Left and right limits of where a new object is centred on page 1.
int CentreTwice() {
    switch (TheEdition().id) {
    case EDITION_KESTRIN:
        return 75 + 569;
    case EDITION_DOVANTEL:
        return 25 + 566;
    default:
        return 275;
    }
}

class ObjectsGuiTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = StartMainWindowInProcess();
        ASSERT_NE(window_, nullptr);
        g_run = DialogRun();
    }
    void TearDown() override {
        ClearObjectSelection(g_currentLabel);
        ClearLabel(g_currentLabel);
        CloseMainWindowInProcess();
    }
    void Command(int command) {
        UINT_PTR timer = SetTimer(nullptr, 0, 100, AnswerDialogs);
        SendMessageA(window_, WM_COMMAND, command, 0);
        KillTimer(nullptr, timer);
        ASSERT_TRUE(PumpUntilHandled(window_));
    }
    HWND window_ = nullptr;
};

TEST_F(ObjectsGuiTest, InsertStringPlacesEditMeSizedToItsTextAndCentred) {
    g_view.modified = 0;
    g_run.stringAnswer = IDCANCEL;
    Command(CMD_INSERT_STRING);
    EXPECT_EQ(g_run.stringDialogs, 1);
    EXPECT_EQ(g_currentLabel->NumObjects, 0) << "Cancel in the string's dialog takes the new string away";
    EXPECT_EQ(g_view.modified, 0);
    g_run.stringAnswer = IDOK;
    Command(CMD_INSERT_STRING);
    ASSERT_EQ(g_currentLabel->NumObjects, 1);
    const ObjectRecord& s = g_currentLabel->Objects[0].rec;
    EXPECT_STREQ(s.Text, "Edit Me...");
    EXPECT_EQ(g_currentLabel->SelectionKind, 2);
    EXPECT_EQ(g_view.modified, 1);
    // The text measured with the string's font on the window, in label units.
    HDC dc = GetDC(window_);
    int saved = SaveDC(dc);
    SetLabelMapping(dc, g_view.windowScale);
    HFONT font = CreateFontIndirectA(AsLogFont(&s.Font));
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size;
    GetTextExtentPoint32A(dc, "Edit Me...", 10, &size);
    SelectObject(dc, old);
    DeleteObject(font);
    RestoreDC(dc, saved);
    ReleaseDC(window_, dc);
    EXPECT_EQ(s.Right - s.Left, size.cx + 5);
    EXPECT_EQ(s.Top - s.Bottom, size.cy + 5);
    EXPECT_LE(std::abs(s.Left + s.Right - CentreTwice()), 1);
    EXPECT_LE(s.Top, 0);
    // The layer and alignment commands act on it.
    Command(CMD_LAYER_BELOW);
    EXPECT_EQ(g_currentLabel->Objects[0].rec.Layer, -1);
    Command(CMD_DELETE_KEY);
    EXPECT_EQ(g_currentLabel->NumObjects, 0);
    EXPECT_EQ(g_currentLabel->SelectionKind, 0);
}

TEST_F(ObjectsGuiTest, InsertImageOpensTheDialogInTheLastFolderAndReportsBadPictures) {
    std::string folder = TempFolder();
    std::string good = folder + "gui_test_picture.bmp", bad = folder + "gui_test_damaged.bmp";
    WriteBmp(good, 40, 30, false);
    WriteBmp(bad, 40, 30, true);
    g_settings.ImagePath[0] = 0;

    g_run.answer = good;
    Command(CMD_INSERT_IMAGE);
    EXPECT_EQ(g_run.openDialogs, 1);
    EXPECT_EQ(g_run.filters[0], "Image Files (*.BMP, *.JPG)");
    EXPECT_EQ(g_run.filters[1], "All Files (*.*)");
    ASSERT_EQ(g_currentLabel->NumObjects, 1);
    const ObjectRecord& p = g_currentLabel->Objects[0].rec;
    EXPECT_EQ(p.Type, OBJECT_PICTURE);
    EXPECT_EQ(p.Layer, 1);
    EXPECT_EQ(p.Page, g_view.currentPage);
    EXPECT_EQ(p.Right - p.Left, 40);
    EXPECT_LE(std::abs(p.Left + p.Right - CentreTwice()), 1);
    EXPECT_EQ(g_currentLabel->SelectionKind, 1);
    EXPECT_EQ(lstrcmpiA(g_settings.ImagePath, folder.c_str()), 0);

    // The next dialog starts in that folder; a damaged picture is refused.
    g_run.answer = bad;
    Command(CMD_INSERT_IMAGE);
    EXPECT_EQ(g_run.openDialogs, 2);
    std::string shown = g_run.folder + "\\";
    EXPECT_EQ(lstrcmpiA(shown.c_str(), folder.c_str()), 0) << g_run.folder;
    EXPECT_EQ(g_run.failureBoxes, 1);
    EXPECT_EQ(g_run.failureText, "Couldn't load the image.\nFile may be corrupted, or extension incorrect.");
    EXPECT_EQ(g_currentLabel->NumObjects, 1);
    EXPECT_EQ(g_currentLabel->SelectionKind, 0);
    DeleteFileA(good.c_str());
    DeleteFileA(bad.c_str());
}

}  // namespace
