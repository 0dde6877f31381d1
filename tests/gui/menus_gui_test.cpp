// The menu bar and pop-ups assembled from the edition's resources.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "editions/edition.h"
#include "editions/command_ids.h"
#include "shell/win32/menus_win32.h"
#include "tests/gui/gui_harness.h"

namespace {

struct Item {
    std::string text;
    int id;          // -1 for a sub-menu, 0 for a separator
    HMENU sub;
};

std::vector<Item> Items(HMENU menu) {
    std::vector<Item> items;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = "";
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        Item item;
        item.text = (info.fType & MFT_SEPARATOR) ? "-" : text;
        item.sub = info.hSubMenu;
        item.id = info.hSubMenu ? -1 : ((info.fType & MFT_SEPARATOR) ? 0 : static_cast<int>(info.wID));
        items.push_back(item);
    }
    return items;
}

std::vector<std::string> Texts(HMENU menu) {
    std::vector<std::string> texts;
    for (const Item& item : Items(menu)) texts.push_back(item.text);
    return texts;
}

HMENU BarMenu(const char* name) {
    for (const Item& item : Items(g_menus.bar))
        if (item.text == name) return item.sub;
    return nullptr;
}

bool HasCommand(HMENU menu, int id) {
    for (const Item& item : Items(menu)) {
        if (item.id == id) return true;
        if (item.sub && HasCommand(item.sub, id)) return true;
    }
    return false;
}

std::string TextOf(HMENU menu, int id) {
    char text[256] = "";
    GetMenuStringA(menu, static_cast<UINT>(id), text, sizeof text, MF_BYCOMMAND);
    return text;
}

class MenusTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = StartMainWindowInProcess();
        ASSERT_NE(window_, nullptr);
        ASSERT_EQ(GetMenu(window_), g_menus.bar);
    }
    void TearDown() override { CloseMainWindowInProcess(); }
    EditionId Edition() { return TheEdition().id; }
    HWND window_ = nullptr;
};

TEST_F(MenusTest, BarOrderPerEdition) {
    std::vector<std::string> expected = {"&File", "&Body", "&Spine", "&Image", "S&tring", "&Page", "&Help"};
    if (Edition() == EDITION_WIMBROOK) expected = {"&File", "&Body", "&Spine", "&Image", "S&tring", "&Help"};
    EXPECT_EQ(Texts(g_menus.bar), expected);
}

TEST_F(MenusTest, FileMenuPlaceholdersAndMediumWord) {
    HMENU file = BarMenu("&File");
    ASSERT_NE(file, nullptr);
    std::vector<Item> items = Items(file);
    std::string medium = TheEdition().mediumWord;
    EXPECT_EQ(TextOf(file, CMD_SELECT_DRIVE), "Select " + medium + " &Drive");
    EXPECT_FALSE(HasCommand(file, CMD_FORMAT_PLACEHOLDER));
    EXPECT_FALSE(HasCommand(file, CMD_PRINTONLY_PLACEHOLDER));
    // The Label Format sub-menu stands where the placeholder was, right after
    // the drive item.
    size_t drive = 0;
    while (drive < items.size() && items[drive].id != CMD_SELECT_DRIVE) ++drive;
    ASSERT_LT(drive + 2, items.size());
    EXPECT_EQ(items[drive + 1].text, "Label &Format");
    ASSERT_NE(items[drive + 1].sub, nullptr);
    EXPECT_EQ(items[drive + 2].text, "Directory Le&vels");
    if (Edition() == EDITION_WIMBROOK) {
        EXPECT_EQ(Texts(items[drive + 1].sub), (std::vector<std::string>{"&One", "&Nine"}));
        EXPECT_TRUE(HasCommand(file, CMD_CLEAR_ALL_LABELS));
        EXPECT_FALSE(HasCommand(file, CMD_PRINT_FRONT));
    } else {
        EXPECT_TRUE(HasCommand(items[drive + 1].sub, CMD_FORMAT_6));
        EXPECT_FALSE(HasCommand(file, CMD_CLEAR_ALL_LABELS));
        size_t print = 0;
        while (print < items.size() && items[print].id != CMD_PRINT) ++print;
        ASSERT_LT(print + 1, items.size());
        EXPECT_EQ(items[print + 1].text, "Print &Only");
        EXPECT_EQ(Texts(items[print + 1].sub), (std::vector<std::string>{"&Front", "&Back"}));
    }
    EXPECT_EQ(items.back().text, "E&xit\tCtrl+X");
}

TEST_F(MenusTest, LabelFormatItemsPerEdition) {
    HMENU file = BarMenu("&File");
    HMENU format = nullptr;
    for (const Item& item : Items(file))
        if (item.text == "Label &Format") format = item.sub;
    ASSERT_NE(format, nullptr);
    std::vector<std::string> expected;
    if (Edition() == EDITION_KESTRIN)
        expected = {"Text On &Back Through Front", "Text On &Front Through &Back", "Text Only On F&ront",
                    "Text Only On B&ack", "-", "&Same Text Front And Back", "-", "B&ooklet"};
    else if (Edition() == EDITION_DOVANTEL)
        expected = {"Text On &Front Through Back", "Text On &Back Through Front", "Text Only On B&ack",
                    "Text Only On F&ront", "-", "&Same Text Front And Back", "-",
                    "Bookle&t, No Text On Back", "Booklet, Text on Bac&k"};
    else
        expected = {"&One", "&Nine"};
    EXPECT_EQ(Texts(format), expected);
    if (Edition() != EDITION_WIMBROOK) {
        EXPECT_EQ(TextOf(format, CMD_FORMAT_3), Edition() == EDITION_KESTRIN ? "Text Only On F&ront"
                                                                             : "Text Only On B&ack");
    }
}

TEST_F(MenusTest, BodyMenuAndPopup) {
    HMENU body = BarMenu("&Body");
    ASSERT_NE(body, nullptr);
    ASSERT_NE(g_menus.bodyPopup, nullptr);
    std::string read = "&Read " + std::string(TheEdition().mediumWord) + " Disk\tEnter";
    for (HMENU menu : {body, g_menus.bodyPopup}) {
        EXPECT_EQ(TextOf(menu, CMD_READ_DISK), read);
        bool floppy = Edition() == EDITION_WIMBROOK;
        EXPECT_EQ(HasCommand(menu, CMD_REPLICATE_LABEL), floppy);
        EXPECT_EQ(HasCommand(menu, CMD_DUPLICATE_FORMAT), floppy);
        EXPECT_EQ(HasCommand(menu, CMD_COLUMNS_6), !floppy);
        EXPECT_EQ(HasCommand(menu, CMD_COLUMNS_7), !floppy);
        EXPECT_TRUE(HasCommand(menu, CMD_COLUMNS_5));
    }
    EXPECT_FALSE(HasCommand(body, CMD_INSERT_IMAGE));
    std::vector<Item> popup = Items(g_menus.bodyPopup);
    size_t read_at = 0;
    while (read_at < popup.size() && popup[read_at].id != CMD_READ_DISK) ++read_at;
    ASSERT_LT(read_at + 2, popup.size());
    EXPECT_EQ(popup[read_at + 1].text, "Insert &Image");
    EXPECT_EQ(popup[read_at + 1].id, CMD_INSERT_IMAGE);
    EXPECT_EQ(popup[read_at + 2].text, "Insert Stri&ng");
}

TEST_F(MenusTest, SpineMenuDiskSizeIsSharedWithThePopup) {
    HMENU spine = BarMenu("&Spine");
    ASSERT_NE(spine, nullptr);
    ASSERT_NE(g_menus.spinePopup, nullptr);
    for (HMENU menu : {spine, g_menus.spinePopup}) {
        EXPECT_FALSE(HasCommand(menu, CMD_DISKSIZE_PLACEHOLDER));
        EXPECT_EQ(HasCommand(menu, CMD_OPPOSED_SPINE), Edition() != EDITION_WIMBROOK);
        EXPECT_EQ(HasCommand(menu, CMD_DISK_SIZE_1000), Edition() == EDITION_KESTRIN);
    }
    if (Edition() == EDITION_KESTRIN) {
        std::vector<Item> bar = Items(spine), popup = Items(g_menus.spinePopup);
        EXPECT_EQ(bar.back().text, "Set Dis&k Size");
        EXPECT_EQ(popup.back().text, "Set Dis&k Size");
        EXPECT_EQ(bar.back().sub, popup.back().sub) << "one Disk size sub-menu for both";
        EXPECT_EQ(Texts(bar.back().sub), (std::vector<std::string>{"&1,000", "&2,000"}));
    }
    std::vector<Item> popup = Items(g_menus.spinePopup);
    size_t background = 0;
    while (background < popup.size() && popup[background].id != CMD_SPINE_BKGND_COLOR) ++background;
    ASSERT_LT(background + 2, popup.size());
    EXPECT_EQ(popup[background + 1].text, "Insert &Image");
    EXPECT_EQ(popup[background + 2].text, "Insert &String");
    EXPECT_FALSE(HasCommand(spine, CMD_INSERT_STRING));
}

TEST_F(MenusTest, ObjectMenusAndPopups) {
    HMENU image = BarMenu("&Image");
    HMENU string = BarMenu("S&tring");
    ASSERT_NE(image, nullptr);
    ASSERT_NE(string, nullptr);
    EXPECT_EQ(Items(image).front().id, CMD_INSERT_IMAGE);
    EXPECT_EQ(Items(string).front().id, CMD_INSERT_STRING);
    EXPECT_EQ(TextOf(string, CMD_MODIFY_TEXT), "&Modify Text");
    ASSERT_NE(g_menus.imagePopup, nullptr);
    ASSERT_NE(g_menus.stringPopup, nullptr);
    // The pop-ups are the menus without their first two rows.
    EXPECT_EQ(Items(g_menus.imagePopup).size() + 2, Items(image).size());
    EXPECT_EQ(Items(g_menus.stringPopup).size() + 2, Items(string).size());
    EXPECT_EQ(Items(g_menus.imagePopup).front().id, CMD_COPY_OBJECT);
    EXPECT_EQ(TextOf(g_menus.stringPopup, CMD_MODIFY_TEXT), "&Modify Text...");
    EXPECT_TRUE(HasCommand(image, CMD_MAX_ASPECT));
    EXPECT_TRUE(HasCommand(string, CMD_ALIGN_BOTTOM));
}

TEST_F(MenusTest, PageAndHelpMenus) {
    ASSERT_NE(g_menus.pagePopup, nullptr);
    std::vector<std::string> page;
    if (Edition() == EDITION_KESTRIN) page = {"&Front Cover", "&Back Cover", "&Go To Page..."};
    if (Edition() == EDITION_DOVANTEL) page = {"&Back Cover", "&Front Cover", "&Go To Page..."};
    if (Edition() == EDITION_WIMBROOK) page = {"Page &One", "Page &Two"};
    EXPECT_EQ(Texts(g_menus.pagePopup), page);
    EXPECT_EQ(Items(g_menus.pagePopup).front().id, CMD_FRONT_COVER);
    if (Edition() != EDITION_WIMBROOK) {
        HMENU bar_page = BarMenu("&Page");
        ASSERT_NE(bar_page, nullptr);
        EXPECT_EQ(Texts(bar_page), page);
    }
    HMENU help = BarMenu("&Help");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(TextOf(help, CMD_ABOUT), "&About " + std::string(TheEdition().name) + "...");
}

TEST_F(MenusTest, MenuSelectShowsTheItemsHint) {
    SendMessageA(window_, WM_MENUSELECT, MAKEWPARAM(CMD_SCAN_ARCHIVES, MF_STRING), 0);
    char text[256] = "";
    SendMessageA(GetDlgItem(window_, 4321), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Scan inside archives (.ZIP and .ARJ)");
    SendMessageA(window_, WM_MENUSELECT, MAKEWPARAM(CMD_LEVELS_ALL, MF_STRING), 0);
    SendMessageA(GetDlgItem(window_, 4321), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Scan ALL subdirectory levels, may take some time");
}

}  // namespace
