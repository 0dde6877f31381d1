#include <gtest/gtest.h>

#include <vector>

#include "editions/profile.h"
#include "editions/command_ids.h"
#include "shell/command_table.h"
#include "shell/view_state.h"

namespace {

// The check mark the command's row shows on the menu bar or the toolbar.
bool Checked(const EditionProfile& edition, int command, const MenuInputs& in) {
    CommandState s = CommandStateOf(edition, command, in);
    EXPECT_TRUE(s.hasCheck) << command;
    return s.checked;
}

bool Enabled(const EditionProfile& edition, int command, const MenuInputs& in) {
    CommandState s = CommandStateOf(edition, command, in);
    EXPECT_TRUE(s.hasEnabledState) << command;
    return s.enabled;
}

bool HasCheckOnBar(const EditionProfile& edition, int command) {
    return CommandStateOf(edition, command, MenuInputs()).hasCheck;
}

std::vector<int> CheckedAmong(const MenuInputs& in, const std::vector<int>& commands) {
    std::vector<int> ids;
    for (int command : commands)
        if (Checked(kKestrinProfile, command, in)) ids.push_back(command);
    return ids;
}

TEST(MenuState, WindowScaleChecksOnlyTheExactMenuScale) {
    MenuInputs in;
    in.windowScale = 1.25;
    EXPECT_TRUE(Checked(kKestrinProfile, CMD_SCALE_WINDOW_125, in));
    EXPECT_FALSE(Checked(kKestrinProfile, CMD_SCALE_WINDOW_100, in));
    in.windowScale = 1.1;  // not one of the five: none checked
    for (int id : {CMD_SCALE_WINDOW_50, CMD_SCALE_WINDOW_75, CMD_SCALE_WINDOW_100, CMD_SCALE_WINDOW_125,
                   CMD_SCALE_WINDOW_150})
        EXPECT_FALSE(Checked(kKestrinProfile, id, in)) << id;
}

TEST(MenuState, OneCheckPerRadioGroup) {
    MenuInputs in;
    in.lblFmt = 3;
    in.columns = 5;
    in.sortMode = 2;
    in.direction = -1;
    in.spineAlign = 2;
    in.dirComm = 1;
    in.dispSub = -2;
    auto checked = [&in](int command) { return Checked(kKestrinProfile, command, in); };
    EXPECT_TRUE(checked(CMD_FORMAT_3));  // "Text Only On F&ront"
    EXPECT_FALSE(checked(CMD_FORMAT_2));
    EXPECT_TRUE(checked(CMD_COLUMNS_5));
    EXPECT_FALSE(checked(CMD_COLUMNS_0));
    EXPECT_TRUE(checked(CMD_SORT_EXT));
    EXPECT_TRUE(checked(CMD_SORT_DESCENDING));
    EXPECT_FALSE(checked(CMD_SORT_ASCENDING));
    EXPECT_TRUE(checked(CMD_SPINE_RIGHT));
    EXPECT_TRUE(checked(CMD_DIRCOMM_FILES));
    EXPECT_TRUE(checked(CMD_LEVELS_2));   // absolute value of the levels
    EXPECT_TRUE(checked(CMD_DIRS_ONLY));  // negative: directories only
    in.dispSub = 15;
    EXPECT_TRUE(checked(CMD_LEVELS_ALL));
    EXPECT_FALSE(checked(CMD_DIRS_ONLY));
}

TEST(MenuState, WimbrookHasItsOwnFormatItemsAndNoCoverOrSixSevenColumnStates) {
    MenuInputs in;
    in.labelKind = KIND_SHEET;
    EXPECT_TRUE(Checked(kWimbrookProfile, CMD_FORMAT_NINE, in));
    EXPECT_FALSE(Checked(kWimbrookProfile, CMD_FORMAT_ONE, in));
    EXPECT_FALSE(HasCheckOnBar(kWimbrookProfile, CMD_FORMAT_0));
    EXPECT_FALSE(HasCheckOnBar(kWimbrookProfile, CMD_OPPOSED_SPINE));
    EXPECT_FALSE(HasCheckOnBar(kWimbrookProfile, CMD_ZOOM));
    EXPECT_FALSE(HasCheckOnBar(kWimbrookProfile, CMD_COLUMNS_6));
    EXPECT_FALSE(HasCheckOnBar(kWimbrookProfile, CMD_COLUMNS_7));
    in.labelKind = KIND_COVERS;
    EXPECT_TRUE(Checked(kWimbrookProfile, CMD_FORMAT_ONE, in));
}

TEST(MenuState, StringAndLayerChecks) {
    MenuInputs in;
    in.filled = 0;
    in.autoSize = 0;
    in.orientation = 270;
    in.hAlign = 0;
    in.vAlign = 2;
    EXPECT_EQ(CheckedAmong(in, {CMD_STRING_TRANSPARENT, CMD_STRING_SOLID, CMD_STRING_AUTOSIZE, CMD_ROTATE_0,
                                CMD_ROTATE_90, CMD_ROTATE_180, CMD_ROTATE_270, CMD_ALIGN_LEFT, CMD_ALIGN_CENTER,
                                CMD_ALIGN_RIGHT, CMD_ALIGN_TOP, CMD_ALIGN_VCENTER, CMD_ALIGN_BOTTOM}),
              (std::vector<int>{CMD_STRING_TRANSPARENT, CMD_ROTATE_270, CMD_ALIGN_LEFT, CMD_ALIGN_BOTTOM}));
    const std::vector<int> layers = {CMD_LAYER_ABOVE, CMD_LAYER_ON, CMD_LAYER_BELOW};
    in.layer = -1;
    EXPECT_EQ(CheckedAmong(in, layers), std::vector<int>{CMD_LAYER_BELOW});
    in.layer = 1;
    EXPECT_EQ(CheckedAmong(in, layers), std::vector<int>{CMD_LAYER_ABOVE});
}

TEST(MenuState, ToolbarStates) {
    MenuInputs in;
    in.currentPage = 1;
    in.columns = 0;
    in.fullSize = 1;
    EXPECT_TRUE(Checked(kKestrinProfile, CMD_ZOOM, in));
    EXPECT_FALSE(Enabled(kKestrinProfile, CMD_PREVIOUS_PAGE, in));
    EXPECT_TRUE(Enabled(kKestrinProfile, CMD_NEXT_PAGE, in));
    EXPECT_FALSE(Enabled(kKestrinProfile, CMD_COLUMNS_LESS, in));
    EXPECT_TRUE(Enabled(kKestrinProfile, CMD_COLUMNS_MORE, in));
    in.currentPage = 2;
    in.columns = 7;
    EXPECT_TRUE(Enabled(kKestrinProfile, CMD_PREVIOUS_PAGE, in));
    EXPECT_FALSE(Enabled(kKestrinProfile, CMD_NEXT_PAGE, in));  // covers: page 2 is the last
    EXPECT_FALSE(Enabled(kKestrinProfile, CMD_COLUMNS_MORE, in));
    in.labelKind = KIND_BOOKLET;
    EXPECT_TRUE(Enabled(kKestrinProfile, CMD_NEXT_PAGE, in));
    in.columns = 5;
    EXPECT_FALSE(Enabled(kWimbrookProfile, CMD_COLUMNS_MORE, in));
    EXPECT_TRUE(Enabled(kKestrinProfile, CMD_COLUMNS_MORE, in));
}

TEST(MenuState, GoToPageOnlyInTheBooklet) {
    MenuInputs in;
    in.labelKind = KIND_COVERS;
    EXPECT_FALSE(Enabled(kKestrinProfile, CMD_GOTO_PAGE, in));
    in.labelKind = KIND_BOOKLET;
    EXPECT_TRUE(Enabled(kKestrinProfile, CMD_GOTO_PAGE, in));
}

}  // namespace
