// Every dialog of this work, moved by its caption and closed with a real
// click, reopens there after the program has saved its settings and started
// again. With LABEL_SCREENSHOTS set, each dialog's picture is kept.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "catalog/labels.h"
#include "catalog/win32/catalog_dialogs_win32.h"
#include "document/string_object.h"
#include "document/win32/style_dialogs_win32.h"
#include "editions/dialog_ids.h"
#include "editions/edition.h"
#include "shell/view_state.h"
#include "tests/gui/dialog_script.h"
#include "tests/gui/gui_harness.h"

namespace {

struct DialogCase {
    std::string name;
    std::string caption;
    std::function<void(HWND)> open;
    int close;
};

std::vector<DialogCase> Cases() {
    const EditionProfile& e = TheEdition();
    std::string medium = e.mediumWord;
    bool sheet = e.id == EDITION_WIMBROOK;
    return {
        {"drive", medium + " Drive Selection", [](HWND w) { char d = 'C'; DriveDialog(w, &d); }, IDCANCEL},
        {"exclude", "Exclude/Include Files Containing...", [](HWND w) { ExcludeDialog(w, &g_scan); }, IDCANCEL},
        {"files-folders", "Files and Folders Editor", [](HWND w) { FilesFoldersDialog(w, g_currentLabel); }, IDCANCEL},
        {"comment", medium + " Comment Entry", [](HWND w) { CommentDialog(w, g_currentLabel); }, IDCANCEL},
        {"fonts-colors", "Fonts And Colors", [](HWND w) { FontsColorsDialog(w, g_currentLabel, &g_settings); }, IDCANCEL},
        {"string", "String Entry and Modification", [](HWND w) { StringDialog(w, g_currentLabel, &g_settings); }, IDCANCEL},
        {"spine-text", std::string(e.name) + " Label " + (sheet ? "1" : ""),
         [sheet](HWND w) { SpineTextDialog(w, g_currentLabel, sheet ? 1 : 0); }, IDCANCEL},
        {"initials", "Customize Initials", [](HWND w) { InitialsDialog(w, &g_settings); }, IDCANCEL},
        {"color", "Color", [](HWND w) { ColorRef c = 0; ChooseLabelColor(w, APPLY_NOTHING, &c, g_settings.CustColors); }, IDCANCEL},
        {"font", "Font",
         [](HWND w) {
             ColorRef c = 0;
             ChooseLabelFont(w, APPLY_NOTHING, &g_currentLabel->Font, &c, &g_settings.Printer);
         },
         IDCANCEL},
    };
}

// Presses on the caption and drags the window by (dx, dy).
DialogStep DragCaption(int dx, int dy) {
    return [dx, dy] {
        RECT box;
        GetWindowRect(Current(), &box);
        POINT p = {box.left + 40, box.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
        SetCursorPos(p.x, p.y);
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        SendInput(1, &input, sizeof input);
        for (int step = 1; step <= 4; ++step) {
            SetCursorPos(p.x + dx * step / 4, p.y + dy * step / 4);
            input.mi.dwFlags = MOUSEEVENTF_MOVE;
            SendInput(1, &input, sizeof input);
        }
        input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(1, &input, sizeof input);
        return true;
    };
}

DialogStep ReadPosition(POINT* where) {
    return Do([where](HWND d) {
        RECT box;
        GetWindowRect(d, &box);
        *where = {box.left, box.top};
    });
}

// A string for the string dialog, and the main window where every dialog
// centred over it lies on the screen.
void Prepare(HWND window) {
    InsertNewString(g_currentLabel, CurrentPlacement());
    SetWindowPos(window, nullptr, 150, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

TEST(DialogPositions, EveryDialogReopensWhereItWasLeftAtTheNextStart) {
    HWND window = StartMainWindowInProcess();
    ASSERT_NE(window, nullptr);
    Prepare(window);
    std::map<std::string, POINT> left;
    std::string edition = TheEdition().name;
    int i = 0;
    for (const DialogCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        POINT before = {}, after = {};
        PlayDuring([&] { c.open(window); },
                   {WaitFor(c.caption), Picture(edition + "-" + c.name), ReadPosition(&before),
                    DragCaption(30 + 7 * i, 20 + 5 * i), ReadPosition(&after), Click(c.close)});
        EXPECT_NE(after.x, before.x) << "the dialog moved";
        left[c.name] = after;
        ++i;
    }
    // Change File, from the editor's Add New.
    POINT changeFile = {};
    PlayDuring([&] { FilesFoldersDialog(window, g_currentLabel); },
               {WaitFor("Files and Folders Editor"), Click(IDC_ADD_ENTRY), WaitFor("Change File"),
                Picture(edition + "-change-file"), DragCaption(60, 40), ReadPosition(&changeFile), Click(IDCANCEL),
                WaitFor("Files and Folders Editor"), Click(IDCANCEL)});
    CloseMainWindowInProcess();

    window = StartMainWindowInProcess(kKeepIni);
    ASSERT_NE(window, nullptr);
    Prepare(window);
    for (const DialogCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        POINT now = {};
        PlayDuring([&] { c.open(window); }, {WaitFor(c.caption), ReadPosition(&now), Click(c.close)});
        EXPECT_EQ(now.x, left[c.name].x);
        EXPECT_EQ(now.y, left[c.name].y);
    }
    POINT now = {}, subdirs = {};
    PlayDuring([&] { FilesFoldersDialog(window, g_currentLabel); },
               {WaitFor("Files and Folders Editor"), Click(IDC_ADD_ENTRY), WaitFor("Change File"), ReadPosition(&now),
                Click(IDCANCEL), WaitFor("Files and Folders Editor"), Click(IDCANCEL)});
    EXPECT_EQ(now.x, changeFile.x);
    EXPECT_EQ(now.y, changeFile.y);
    // Subdirectory Selection shares the editor's place.
    PlayDuring([&] { SubdirDialog(window, g_currentLabel); },
               {WaitFor("Subdirectory Selection"), Picture(edition + "-subdirs"), ReadPosition(&subdirs), Click(IDOK)});
    EXPECT_EQ(subdirs.x, left["files-folders"].x);
    EXPECT_EQ(subdirs.y, left["files-folders"].y);
    CloseMainWindowInProcess();
}

}  // namespace
