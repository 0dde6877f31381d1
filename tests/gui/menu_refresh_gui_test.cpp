// Check marks, enabled items, toolbar states, recent-file items and the
// caption as the refresh sets them on the real main window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "document/label_copy.h"
#include "document/object_list.h"
#include "document/program_settings.h"
#include "editions/edition.h"
#include "editions/resource_ids.h"
#include "editions/command_ids.h"
#include "shell/view_state.h"
#include "shell/win32/bars.h"
#include "shell/win32/label_view_win32.h"
#include "shell/win32/menu_refresh_win32.h"
#include "shell/win32/menus_win32.h"
#include "shell/win32/object_drag_win32.h"
#include "shell/win32/win_state.h"
#include "tests/gui/gui_harness.h"
#include "tests/gui/view_input.h"

namespace {

class MenuRefreshTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = StartMainWindowInProcess(kViewTestIni);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        ClearObjectSelection(g_currentLabel);
        ClearLabel(g_currentLabel);
        std::memset(g_settings.Recent, 0, sizeof g_settings.Recent);
        CloseMainWindowInProcess();
    }
    bool Floppy() const { return TheEdition().id == EDITION_WIMBROOK; }
    bool Checked(int command) { return GetMenuState(g_menus.bar, command, MF_BYCOMMAND) & MF_CHECKED; }
    bool Greyed(HMENU menu, UINT position) {
        return GetMenuState(menu, position, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED);
    }
    std::string ItemText(int command) {
        char text[256] = "";
        GetMenuStringA(g_menus.bar, command, text, sizeof text, MF_BYCOMMAND);
        return text;
    }
    bool Pressed(int command) { return SendMessageA(g_win.toolbar, TB_ISBUTTONCHECKED, command, 0) != 0; }
    bool Usable(int command) { return SendMessageA(g_win.toolbar, TB_ISBUTTONENABLED, command, 0) != 0; }
    HWND window_ = nullptr;
};

TEST_F(MenuRefreshTest, WithoutRecentFilesAllFiveItemsReadNone) {
    RefreshMenus(window_);
    for (int command = CMD_RECENT_1; command <= CMD_RECENT_5; ++command) EXPECT_EQ(ItemText(command), "(None)");
}

TEST_F(MenuRefreshTest, OpeningTheThirdRecentFileMovesItToTheTop) {
    const char* paths[5] = {"C:\\labels\\a.KSB", "C:\\labels\\b.KSB", "C:\\labels\\c.KSB", "D:\\d.KSB", "e.KSB"};
    for (int i = 0; i < 5; ++i) std::strcpy(g_settings.Recent[i], paths[i]);
    AddRecentFile("C:\\labels\\c.KSB");
    const char* expected[5] = {"c.KSB", "a.KSB", "b.KSB", "d.KSB", "e.KSB"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(ItemText(CMD_RECENT_1 + i), expected[i]) << i;
    EXPECT_STREQ(g_settings.Recent[0], "C:\\labels\\c.KSB");
    // A new file pushes the fifth out.
    AddRecentFile("C:\\new.KSB");
    EXPECT_EQ(ItemText(CMD_RECENT_1), "new.KSB");
    EXPECT_EQ(ItemText(CMD_RECENT_5), "d.KSB");
}

TEST_F(MenuRefreshTest, WindowScaleChecksOnlyItsOwnItem) {
    ScaleWindow(1.25);
    ASSERT_TRUE(PumpUntilHandled(window_));
    RefreshMenus(window_);
    EXPECT_TRUE(Checked(CMD_SCALE_WINDOW_125));
    EXPECT_FALSE(Checked(CMD_SCALE_WINDOW_100));
    char text[64] = "";
    GetMenuStringA(g_menus.bar, CMD_SCALE_WINDOW_125, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "1&25%");
    g_view.windowScale = 1.1;  // a scale no item offers
    RefreshMenus(window_);
    for (int command : {CMD_SCALE_WINDOW_50, CMD_SCALE_WINDOW_75, CMD_SCALE_WINDOW_100, CMD_SCALE_WINDOW_125,
                        CMD_SCALE_WINDOW_150})
        EXPECT_FALSE(Checked(command)) << command;
}

TEST_F(MenuRefreshTest, ASelectedStringEnablesTheStringMenuAndGreysTheImageMenu) {
    HMENU image = GetSubMenu(g_menus.bar, 3);
    HMENU string = GetSubMenu(g_menus.bar, 4);
    RefreshMenus(window_);
    EXPECT_FALSE(Greyed(image, 0));
    EXPECT_FALSE(Greyed(string, 0));
    EXPECT_TRUE(GetMenuState(string, CMD_MODIFY_TEXT, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(image, CMD_DELETE_IMAGE, MF_BYCOMMAND) & MF_GRAYED);

    PlacedObject* s = AddObject(OBJECT_STRING, 1, LAYER_BELOW, {20, -20, 120, -60});
    ASSERT_NE(s, nullptr);
    s->rec.Orientation = 90;
    s->rec.Filled = 0;
    s->rec.VAlign = 2;
    SelectPlacedObject(0);
    for (int i = 0; i < GetMenuItemCount(string); ++i) EXPECT_FALSE(Greyed(string, i)) << i;
    for (int i = 1; i < GetMenuItemCount(image); ++i) EXPECT_TRUE(Greyed(image, i)) << i;
    EXPECT_FALSE(Greyed(image, 0)) << "\"&Insert Image\" stays usable";
    auto stringChecked = [string](int command) {
        return (GetMenuState(string, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    EXPECT_TRUE(stringChecked(CMD_LAYER_BELOW));
    EXPECT_FALSE(stringChecked(CMD_LAYER_ABOVE));
    EXPECT_TRUE(stringChecked(CMD_ROTATE_90));
    EXPECT_FALSE(stringChecked(CMD_ROTATE_0));
    EXPECT_TRUE(stringChecked(CMD_STRING_TRANSPARENT));
    EXPECT_FALSE(stringChecked(CMD_STRING_SOLID));
    EXPECT_TRUE(stringChecked(CMD_ALIGN_BOTTOM));
    EXPECT_TRUE(stringChecked(CMD_ALIGN_CENTER));
    // A picture the other way round.
    AddObject(OBJECT_PICTURE, 1, LAYER_ABOVE, {150, -20, 200, -60});
    SelectPlacedObject(1);
    for (int i = 0; i < GetMenuItemCount(image); ++i) EXPECT_FALSE(Greyed(image, i)) << i;
    EXPECT_TRUE(GetMenuState(image, CMD_LAYER_ABOVE, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(Greyed(string, 2));
    SelectPlacedObject(-1);
    EXPECT_TRUE(Greyed(image, 2));
}

TEST_F(MenuRefreshTest, LookChecksFollowTheCurrentLabel) {
    ZIPINFO* label = g_currentLabel;
    label->Columns = 5;
    label->SortMode = 2;
    label->Direction = -1;
    label->ShowComm = 0;
    label->SpineAlign = 2;
    RefreshMenus(window_);
    EXPECT_TRUE(Checked(CMD_COLUMNS_5));
    EXPECT_FALSE(Checked(CMD_COLUMNS_3));
    EXPECT_TRUE(Checked(CMD_SORT_EXT));
    EXPECT_TRUE(Checked(CMD_SORT_DESCENDING));
    EXPECT_FALSE(Checked(CMD_SORT_ASCENDING));
    EXPECT_FALSE(Checked(CMD_SHOW_COMMENT));
    EXPECT_TRUE(Checked(CMD_SPINE_RIGHT));
    if (Floppy()) {
        EXPECT_TRUE(Checked(CMD_FORMAT_ONE));
        EXPECT_FALSE(Checked(CMD_FORMAT_NINE));
    } else {
        label->LblFmt = 6;
        g_view.labelKind = KIND_BOOKLET;
        RefreshMenus(window_);
        EXPECT_TRUE(Checked(CMD_FORMAT_6));
        EXPECT_FALSE(GetMenuState(g_menus.bar, CMD_GOTO_PAGE, MF_BYCOMMAND) & MF_GRAYED);
        g_view.labelKind = KIND_COVERS;
        RefreshMenus(window_);
        EXPECT_TRUE(GetMenuState(g_menus.bar, CMD_GOTO_PAGE, MF_BYCOMMAND) & MF_GRAYED);
    }
}

TEST_F(MenuRefreshTest, ToolbarStatesFollowTheViewAndTheLabel) {
    ZIPINFO* label = g_currentLabel;
    label->ShowSize = 1;
    label->ShowExt = 0;
    label->Columns = Floppy() ? 5 : 7;
    g_view.labelKind = Floppy() ? KIND_COVERS : KIND_BOOKLET;
    g_view.fullSize = 1;
    SwitchPage(0, 1);
    EXPECT_TRUE(Pressed(CMD_SHOW_SIZE));
    EXPECT_FALSE(Pressed(CMD_SHOW_EXT));
    EXPECT_FALSE(Usable(CMD_COLUMNS_MORE)) << "at the most columns";
    EXPECT_TRUE(Usable(CMD_COLUMNS_LESS));
    if (!Floppy()) {
        EXPECT_TRUE(Pressed(CMD_ZOOM));
        EXPECT_FALSE(Usable(CMD_PREVIOUS_PAGE));
        EXPECT_TRUE(Usable(CMD_NEXT_PAGE));
        SwitchPage(0, 3);
        EXPECT_TRUE(Usable(CMD_PREVIOUS_PAGE));
        EXPECT_TRUE(Usable(CMD_NEXT_PAGE)) << "a booklet goes on";
        g_view.labelKind = KIND_COVERS;
        g_view.fullSize = 0;
        SwitchPage(0, 2);
        EXPECT_FALSE(Pressed(CMD_ZOOM));
        EXPECT_FALSE(Usable(CMD_NEXT_PAGE)) << "covers end at the back cover";
    }
    label->Columns = 0;
    RefreshMenus(window_);
    EXPECT_FALSE(Usable(CMD_COLUMNS_LESS));
    EXPECT_TRUE(Usable(CMD_COLUMNS_MORE));
}

TEST_F(MenuRefreshTest, CaptionNamesTheLabelAndTheShownPage) {
    std::string name = TheEdition().name;
    EXPECT_EQ(Caption(window_), "default - " + name) << "set at start-up";
    g_view.labelName = "C:\\labels\\holiday";
    if (Floppy()) {
        g_view.labelKind = KIND_SHEET;
        SwitchPage(3, 1);
        EXPECT_EQ(Caption(window_), "holiday - Wimbrook - Label 4");
    } else {
        g_view.labelKind = KIND_BOOKLET;
        SwitchPage(0, 1);
        // Dovantel's booklet starts with the back cover.
        bool kestrin = TheEdition().id == EDITION_KESTRIN;
        EXPECT_EQ(Caption(window_), "holiday - " + name + (kestrin ? " - Front Cover" : " - Back Cover"));
        SwitchPage(0, 6);
        EXPECT_EQ(Caption(window_), "holiday - " + name + " - Page 5");
        g_view.labelKind = KIND_COVERS;
        SwitchPage(0, 2);
        EXPECT_EQ(Caption(window_), "holiday - " + name);
    }
}

}  // namespace
