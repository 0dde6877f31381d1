#include <gtest/gtest.h>

#include <map>

#include "editions/profile.h"
#include "editions/command_ids.h"
#include "shell/menu_state.h"
#include "shell/view_state.h"

namespace {

std::map<int, bool> AsMap(const std::vector<ItemCheck>& checks) {
    std::map<int, bool> map;
    for (const ItemCheck& c : checks) {
        EXPECT_EQ(map.count(c.command), 0u) << "listed twice: " << c.command;
        map[c.command] = c.checked;
    }
    return map;
}

std::vector<int> Checked(const std::vector<ItemCheck>& checks) {
    std::vector<int> ids;
    for (const ItemCheck& c : checks)
        if (c.checked) ids.push_back(c.command);
    return ids;
}

TEST(MenuState, WindowScaleChecksOnlyTheExactMenuScale) {
    MenuInputs in;
    in.windowScale = 1.25;
    auto map = AsMap(MenuBarChecks(kKestrinProfile, in));
    EXPECT_TRUE(map[CMD_SCALE_WINDOW_125]);
    EXPECT_FALSE(map[CMD_SCALE_WINDOW_100]);
    in.windowScale = 1.1;  // not one of the five: none checked
    map = AsMap(MenuBarChecks(kKestrinProfile, in));
    for (int id : {CMD_SCALE_WINDOW_50, CMD_SCALE_WINDOW_75, CMD_SCALE_WINDOW_100, CMD_SCALE_WINDOW_125,
                   CMD_SCALE_WINDOW_150})
        EXPECT_FALSE(map[id]) << id;
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
    auto map = AsMap(MenuBarChecks(kKestrinProfile, in));
    EXPECT_TRUE(map[CMD_FORMAT_3]);  // "Text Only On F&ront"
    EXPECT_FALSE(map[CMD_FORMAT_2]);
    EXPECT_TRUE(map[CMD_COLUMNS_5]);
    EXPECT_FALSE(map[CMD_COLUMNS_0]);
    EXPECT_TRUE(map[CMD_SORT_EXT]);
    EXPECT_TRUE(map[CMD_SORT_DESCENDING]);
    EXPECT_FALSE(map[CMD_SORT_ASCENDING]);
    EXPECT_TRUE(map[CMD_SPINE_RIGHT]);
    EXPECT_TRUE(map[CMD_DIRCOMM_FILES]);
    EXPECT_TRUE(map[CMD_LEVELS_2]);   // absolute value of the levels
    EXPECT_TRUE(map[CMD_DIRS_ONLY]);  // negative: directories only
    in.dispSub = 15;
    map = AsMap(MenuBarChecks(kKestrinProfile, in));
    EXPECT_TRUE(map[CMD_LEVELS_ALL]);
    EXPECT_FALSE(map[CMD_DIRS_ONLY]);
}

TEST(MenuState, WimbrookHasItsOwnFormatItemsAndNoCoverOrSixSevenColumnStates) {
    MenuInputs in;
    in.labelKind = KIND_SHEET;
    auto map = AsMap(MenuBarChecks(kWimbrookProfile, in));
    EXPECT_TRUE(map[CMD_FORMAT_NINE]);
    EXPECT_FALSE(map[CMD_FORMAT_ONE]);
    EXPECT_EQ(map.count(CMD_FORMAT_0), 0u);
    EXPECT_EQ(map.count(CMD_OPPOSED_SPINE), 0u);
    EXPECT_EQ(map.count(CMD_ZOOM), 0u);
    EXPECT_EQ(map.count(CMD_COLUMNS_6), 0u);
    EXPECT_EQ(map.count(CMD_COLUMNS_7), 0u);
    in.labelKind = KIND_COVERS;
    map = AsMap(MenuBarChecks(kWimbrookProfile, in));
    EXPECT_TRUE(map[CMD_FORMAT_ONE]);
}

TEST(MenuState, StringAndLayerChecks) {
    MenuInputs in;
    in.filled = 0;
    in.autoSize = 0;
    in.orientation = 270;
    in.hAlign = 0;
    in.vAlign = 2;
    EXPECT_EQ(Checked(StringChecks(in)),
              (std::vector<int>{CMD_STRING_TRANSPARENT, CMD_ROTATE_270, CMD_ALIGN_LEFT, CMD_ALIGN_BOTTOM}));
    EXPECT_EQ(Checked(LayerChecks(-1)), std::vector<int>{CMD_LAYER_BELOW});
    EXPECT_EQ(Checked(LayerChecks(1)), std::vector<int>{CMD_LAYER_ABOVE});
}

TEST(MenuState, ToolbarStates) {
    MenuInputs in;
    in.currentPage = 1;
    in.columns = 0;
    in.fullSize = 1;
    ToolbarStates s = ComputeToolbarStates(kKestrinProfile, in);
    EXPECT_TRUE(s.zoomPressed);
    EXPECT_FALSE(s.previousEnabled);
    EXPECT_TRUE(s.nextEnabled);
    EXPECT_FALSE(s.fewerColumnsEnabled);
    EXPECT_TRUE(s.moreColumnsEnabled);
    in.currentPage = 2;
    in.columns = 7;
    s = ComputeToolbarStates(kKestrinProfile, in);
    EXPECT_TRUE(s.previousEnabled);
    EXPECT_FALSE(s.nextEnabled);  // covers: page 2 is the last
    EXPECT_FALSE(s.moreColumnsEnabled);
    in.labelKind = KIND_BOOKLET;
    EXPECT_TRUE(ComputeToolbarStates(kKestrinProfile, in).nextEnabled);
    in.columns = 5;
    EXPECT_FALSE(ComputeToolbarStates(kWimbrookProfile, in).moreColumnsEnabled);
    EXPECT_TRUE(ComputeToolbarStates(kKestrinProfile, in).moreColumnsEnabled);
}

TEST(MenuState, GoToPageOnlyInTheBooklet) {
    MenuInputs in;
    in.labelKind = KIND_COVERS;
    EXPECT_FALSE(GoToPageEnabled(in));
    in.labelKind = KIND_BOOKLET;
    EXPECT_TRUE(GoToPageEnabled(in));
}

}  // namespace
