#include <gtest/gtest.h>

#include <vector>

#include "catalog/scan_settings.h"
#include "document/object_list.h"
#include "document/program_settings.h"
#include "editions/profile.h"
#include "editions/command_ids.h"
#include "shell/command_table.h"
#include "shell/view_state.h"

namespace {

// The records the rules read, each test setting what it needs.
struct Records {
    ViewState view;
    ScanSettings scan;
    ProgramSettings settings = {};
    ZIPINFO label = {};
    PlacedObject object = {};
    // The object as the label's element 0, selected as the kind says.
    void Select(int kind) {
        label.Objects = &object;
        label.NumObjects = 1;
        label.SelectionKind = kind;
    }
    operator StateView() const { return {&view, &scan, &settings, &label}; }
};

// The check mark the command's row shows on the menu bar or the toolbar.
bool Checked(const EditionProfile& edition, int command, const Records& in) {
    CommandState s = CommandStateOf(edition, command, in);
    EXPECT_TRUE(s.hasCheck) << command;
    return s.checked;
}

bool Enabled(const EditionProfile& edition, int command, const Records& in) {
    CommandState s = CommandStateOf(edition, command, in);
    EXPECT_TRUE(s.hasEnabledState) << command;
    return s.enabled;
}

bool HasCheckOnBar(const EditionProfile& edition, int command) {
    return CommandStateOf(edition, command, Records()).hasCheck;
}

std::vector<int> CheckedAmong(const Records& in, const std::vector<int>& commands) {
    std::vector<int> ids;
    for (int command : commands)
        if (Checked(kKestrinProfile, command, in)) ids.push_back(command);
    return ids;
}

TEST(MenuState, WindowScaleChecksOnlyTheExactMenuScale) {
    Records in;
    in.view.windowScale = 1.25;
    EXPECT_TRUE(Checked(kKestrinProfile, CMD_SCALE_WINDOW_125, in));
    EXPECT_FALSE(Checked(kKestrinProfile, CMD_SCALE_WINDOW_100, in));
    in.view.windowScale = 1.1;  // not one of the five: none checked
    for (int id : {CMD_SCALE_WINDOW_50, CMD_SCALE_WINDOW_75, CMD_SCALE_WINDOW_100, CMD_SCALE_WINDOW_125,
                   CMD_SCALE_WINDOW_150})
        EXPECT_FALSE(Checked(kKestrinProfile, id, in)) << id;
}

TEST(MenuState, OneCheckPerRadioGroup) {
    Records in;
    in.label.LblFmt = 3;
    in.label.Columns = 5;
    in.label.SortMode = 2;
    in.label.Direction = -1;
    in.label.SpineAlign = 2;
    in.scan.DirComm = 1;
    in.scan.DispSub = -2;
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
    in.scan.DispSub = 15;
    EXPECT_TRUE(checked(CMD_LEVELS_ALL));
    EXPECT_FALSE(checked(CMD_DIRS_ONLY));
}

TEST(MenuState, WimbrookHasItsOwnFormatItemsAndNoCoverOrSixSevenColumnStates) {
    Records in;
    in.view.labelKind = KIND_SHEET;
    EXPECT_TRUE(Checked(kWimbrookProfile, CMD_FORMAT_NINE, in));
    EXPECT_FALSE(Checked(kWimbrookProfile, CMD_FORMAT_ONE, in));
    EXPECT_FALSE(HasCheckOnBar(kWimbrookProfile, CMD_FORMAT_0));
    EXPECT_FALSE(HasCheckOnBar(kWimbrookProfile, CMD_OPPOSED_SPINE));
    EXPECT_FALSE(HasCheckOnBar(kWimbrookProfile, CMD_ZOOM));
    EXPECT_FALSE(HasCheckOnBar(kWimbrookProfile, CMD_COLUMNS_6));
    EXPECT_FALSE(HasCheckOnBar(kWimbrookProfile, CMD_COLUMNS_7));
    in.view.labelKind = KIND_COVERS;
    EXPECT_TRUE(Checked(kWimbrookProfile, CMD_FORMAT_ONE, in));
}

TEST(MenuState, StringAndLayerChecks) {
    Records in;
    in.object.rec.Filled = 0;
    in.object.rec.AutoSize = 0;
    in.object.rec.Orientation = 270;
    in.object.rec.HAlign = 0;
    in.object.rec.VAlign = 2;
    // There, but not selected: the marks are a new string's, not its own.
    in.Select(SELECTED_NOTHING);
    EXPECT_EQ(CheckedAmong(in, {CMD_STRING_TRANSPARENT, CMD_STRING_SOLID, CMD_ROTATE_0, CMD_ROTATE_270,
                                CMD_ALIGN_LEFT, CMD_ALIGN_CENTER, CMD_LAYER_ABOVE}),
              (std::vector<int>{CMD_STRING_SOLID, CMD_ROTATE_0, CMD_ALIGN_CENTER, CMD_LAYER_ABOVE}));
    in.Select(SELECTED_STRING);
    EXPECT_EQ(CheckedAmong(in, {CMD_STRING_TRANSPARENT, CMD_STRING_SOLID, CMD_STRING_AUTOSIZE, CMD_ROTATE_0,
                                CMD_ROTATE_90, CMD_ROTATE_180, CMD_ROTATE_270, CMD_ALIGN_LEFT, CMD_ALIGN_CENTER,
                                CMD_ALIGN_RIGHT, CMD_ALIGN_TOP, CMD_ALIGN_VCENTER, CMD_ALIGN_BOTTOM}),
              (std::vector<int>{CMD_STRING_TRANSPARENT, CMD_ROTATE_270, CMD_ALIGN_LEFT, CMD_ALIGN_BOTTOM}));
    const std::vector<int> layers = {CMD_LAYER_ABOVE, CMD_LAYER_ON, CMD_LAYER_BELOW};
    in.object.rec.Layer = -1;
    EXPECT_EQ(CheckedAmong(in, layers), std::vector<int>{CMD_LAYER_BELOW});
    in.object.rec.Layer = 1;
    EXPECT_EQ(CheckedAmong(in, layers), std::vector<int>{CMD_LAYER_ABOVE});
}

TEST(MenuState, ToolbarStates) {
    Records in;
    in.view.currentPage = 1;
    in.label.Columns = 0;
    in.view.fullSize = 1;
    EXPECT_TRUE(Checked(kKestrinProfile, CMD_ZOOM, in));
    EXPECT_FALSE(Enabled(kKestrinProfile, CMD_PREVIOUS_PAGE, in));
    EXPECT_TRUE(Enabled(kKestrinProfile, CMD_NEXT_PAGE, in));
    EXPECT_FALSE(Enabled(kKestrinProfile, CMD_COLUMNS_LESS, in));
    EXPECT_TRUE(Enabled(kKestrinProfile, CMD_COLUMNS_MORE, in));
    in.view.currentPage = 2;
    in.label.Columns = 7;
    EXPECT_TRUE(Enabled(kKestrinProfile, CMD_PREVIOUS_PAGE, in));
    EXPECT_FALSE(Enabled(kKestrinProfile, CMD_NEXT_PAGE, in));  // covers: page 2 is the last
    EXPECT_FALSE(Enabled(kKestrinProfile, CMD_COLUMNS_MORE, in));
    in.view.labelKind = KIND_BOOKLET;
    EXPECT_TRUE(Enabled(kKestrinProfile, CMD_NEXT_PAGE, in));
    in.label.Columns = 5;
    EXPECT_FALSE(Enabled(kWimbrookProfile, CMD_COLUMNS_MORE, in));
    EXPECT_TRUE(Enabled(kKestrinProfile, CMD_COLUMNS_MORE, in));
}

TEST(MenuState, GoToPageOnlyInTheBooklet) {
    Records in;
    in.view.labelKind = KIND_COVERS;
    EXPECT_FALSE(Enabled(kKestrinProfile, CMD_GOTO_PAGE, in));
    in.view.labelKind = KIND_BOOKLET;
    EXPECT_TRUE(Enabled(kKestrinProfile, CMD_GOTO_PAGE, in));
}

}  // namespace
