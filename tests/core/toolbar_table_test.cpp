#include <gtest/gtest.h>

#include <set>

#include "editions/profile.h"
#include "editions/command_ids.h"
#include "shell/toolbar_table.h"

namespace {

TEST(ToolbarTable, KestrinAndDovantelHave29EntriesAnd18Images) {
    for (const EditionProfile* p : {&kKestrinProfile, &kDovantelProfile}) {
        int count = 0;
        const ToolButton* b = ToolbarButtons(*p, &count);
        ASSERT_EQ(count, 29);
        int images = 0, separators = 0;
        for (int i = 0; i < count; ++i) {
            if (b[i].kind == TOOL_SEPARATOR) {
                ++separators;
                continue;
            }
            EXPECT_EQ(b[i].image, images) << "images run left to right";
            ++images;
        }
        EXPECT_EQ(images, 18);
        EXPECT_EQ(separators, 11);
        EXPECT_EQ(images, p->toolbarImageCount);
        const int order[] = {CMD_READ_DISK,   CMD_CLEAR_ALL_LABELS, CMD_COLUMNS_LESS, CMD_COLUMNS_MORE,
                             CMD_ZOOM,        CMD_SHOW_SIZE,        CMD_SHOW_EXT,     CMD_CHOOSE_SUBDIRS,
                             CMD_FONTS_COLORS, CMD_NEXT_PAGE,       CMD_PREVIOUS_PAGE, CMD_EDIT_FILES,
                             CMD_INSERT_IMAGE, CMD_INSERT_STRING,   CMD_SAVE_AS,      CMD_OPEN,
                             CMD_PRINT,       CMD_ABOUT};
        int k = 0;
        for (int i = 0; i < count; ++i) {
            if (b[i].kind != TOOL_SEPARATOR) {
                EXPECT_EQ(b[i].command, order[k++]);
            }
        }
    }
}

TEST(ToolbarTable, CheckButtonsAreZoomSizesAndExtensions) {
    for (const EditionProfile* p : {&kKestrinProfile, &kDovantelProfile, &kWimbrookProfile}) {
        int count = 0;
        const ToolButton* b = ToolbarButtons(*p, &count);
        std::set<int> checks;
        for (int i = 0; i < count; ++i) {
            if (b[i].kind == TOOL_CHECK) checks.insert(b[i].command);
        }
        std::set<int> expected = {CMD_SHOW_SIZE, CMD_SHOW_EXT};
        if (p->id != EDITION_WIMBROOK) expected.insert(CMD_ZOOM);
        EXPECT_EQ(checks, expected) << p->name;
    }
}

TEST(ToolbarTable, WimbrookHas18EntriesAnd12Images) {
    int count = 0;
    const ToolButton* b = ToolbarButtons(kWimbrookProfile, &count);
    ASSERT_EQ(count, 18);
    const int order[] = {CMD_READ_DISK,  CMD_NEW,        CMD_COLUMNS_LESS,  CMD_COLUMNS_MORE,
                         CMD_SHOW_SIZE,  CMD_SHOW_EXT,   CMD_CHOOSE_SUBDIRS, CMD_EDIT_FILES,
                         CMD_INSERT_IMAGE, CMD_INSERT_STRING, CMD_SAVE,      CMD_PRINT};
    int k = 0;
    for (int i = 0; i < count; ++i) {
        if (b[i].kind == TOOL_SEPARATOR) continue;
        EXPECT_EQ(b[i].image, k);
        EXPECT_EQ(b[i].command, order[k]);
        ++k;
    }
    EXPECT_EQ(k, 12);
}

TEST(ToolbarTable, TooltipTexts) {
    EXPECT_STREQ(ToolTipText(kKestrinProfile, CMD_READ_DISK), "Read Disk");
    EXPECT_STREQ(ToolTipText(kKestrinProfile, CMD_CLEAR_ALL_LABELS), "Clear Label");
    EXPECT_STREQ(ToolTipText(kKestrinProfile, CMD_ZOOM), "Zoom In/Out");
    EXPECT_STREQ(ToolTipText(kKestrinProfile, CMD_SAVE_AS), "Save Label To Disk");
    EXPECT_STREQ(ToolTipText(kKestrinProfile, CMD_OPEN), "Load Label From Disk");
    EXPECT_STREQ(ToolTipText(kKestrinProfile, CMD_ABOUT), "About This Program");
    EXPECT_STREQ(ToolTipText(kDovantelProfile, CMD_PRINT), "Print Label");
    EXPECT_STREQ(ToolTipText(kWimbrookProfile, CMD_NEW), "Clear Label");
    EXPECT_STREQ(ToolTipText(kWimbrookProfile, CMD_CLEAR_ALL_LABELS), "Clear All Label(s)");
    EXPECT_STREQ(ToolTipText(kWimbrookProfile, CMD_WRITE_TEMPLATE), "Write Template To Drive");
    EXPECT_STREQ(ToolTipText(kWimbrookProfile, CMD_SAVE), "Save Label To Disk");
    EXPECT_STREQ(ToolTipText(kWimbrookProfile, CMD_PRINT), "Print Label(s)");
    // Every id without a tooltip answers an empty text.
    EXPECT_STREQ(ToolTipText(kKestrinProfile, CMD_EXIT), "");
    EXPECT_STREQ(ToolTipText(kWimbrookProfile, CMD_ZOOM), "");
    EXPECT_STREQ(ToolTipText(kKestrinProfile, 12345), "");
}

TEST(ToolbarTable, BannerStartsWithTheVersionLine) {
    for (const EditionProfile* p : {&kKestrinProfile, &kDovantelProfile, &kWimbrookProfile}) {
        std::string banner = BannerText(*p);
        EXPECT_EQ(banner.rfind(p->versionLine, 0), 0u) << banner;
        EXPECT_GT(banner.size(), std::string(p->versionLine).size() + 5);
    }
}

}  // namespace
