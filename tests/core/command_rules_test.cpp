// The command handlers' own rules: directory levels, page steps and the
// spread view's repaint, Go To Page's field, and Wimbrook's copies of a
// label onto the others of the sheet.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "base/text_field.h"
#include "document/label_copy.h"
#include "document/object_list.h"
#include "render/label_geometry.h"
#include "shell/label_commands.h"
#include "shell/program_records.h"
#include "shell/view_pages.h"
#include "tests/core/program_state.h"
#include "tests/support/catalog_dump.h"

namespace {

TEST(CommandRules, LevelsKeepTheFoldersOnlySignAndRootEndsIt) {
    g_scan.DispSub = -2;
    EXPECT_TRUE(SetLevels(3));
    EXPECT_EQ(g_scan.DispSub, -3);
    EXPECT_FALSE(SetLevels(3)) << "the level already set asks nothing";
    EXPECT_TRUE(SetLevels(15));
    EXPECT_EQ(g_scan.DispSub, -15);
    EXPECT_TRUE(SetLevels(0));
    EXPECT_EQ(g_scan.DispSub, 0);
    g_scan = ScanSettings();
}

TEST(CommandRules, PageStepsAndWhenTheSpreadMustBePaintedAgain) {
    EXPECT_EQ(PageAfterStep(KIND_BOOKLET, 999, PAGE_NEXT), 1000);
    EXPECT_EQ(PageAfterStep(KIND_BOOKLET, 1000, PAGE_NEXT), 1000);
    EXPECT_EQ(PageAfterStep(KIND_COVERS, 1, PAGE_NEXT), 2);
    EXPECT_EQ(PageAfterStep(KIND_COVERS, 1, PAGE_PREVIOUS), 1);
    EXPECT_EQ(PageAfterStep(KIND_BOOKLET, 6, PAGE_FRONT_COVER), 1);
    // In the spread: 4 -> 5 and 6 -> front cover change the spread; 3 -> 4
    // only moves the highlight, unless a selection's frame has to go.
    EXPECT_TRUE(PageChangeRepaints(true, 4, 5, false));
    EXPECT_TRUE(PageChangeRepaints(true, 6, 1, false));
    EXPECT_FALSE(PageChangeRepaints(true, 3, 4, false));
    EXPECT_TRUE(PageChangeRepaints(true, 3, 4, true));
    EXPECT_TRUE(PageChangeRepaints(false, 3, 4, false));
}

TEST(CommandRules, GoToPageFieldIsHeldToTheBookletsPages) {
    EXPECT_EQ(PageFromEntry("0", 7), 1);
    EXPECT_EQ(PageFromEntry("5", 7), 6);
    EXPECT_EQ(PageFromEntry("2000", 7), 1000);
    EXPECT_EQ(PageFromEntry("-5", 7), 1);
    EXPECT_EQ(PageFromEntry("1234567890123456789012345", 7), 1000);
    EXPECT_EQ(PageFromEntry("", 7), 7);
    EXPECT_EQ(PageFromEntry("abc", 7), 7);
}

class SheetCopyTest : public testing::Test {
protected:
    void SetUp() override {
        ResetProgramState(kWimbrookProfile);
        ZIPINFO& from = g_labelRecords[2];
        MakeLabelCurrent(2);
        CopyField(from.VolumeName, "SOURCE");
        from.Columns = 5;
        from.FontHeight = 17;
        from.ShowSize = 0;
        from.SortMode = 1;
        from.Direction = 1;
        from.NumEntries = 2;
        from.Entries = NewEntries(2, "test");
        CopyField(from.Entries[0].Name, "b.txt");
        CopyField(from.Entries[1].Name, "docs");
        from.Entries[1].HasSubtree = 1;
        from.Entries[1].Child = NewCatalogList();
        from.Entries[1].Child->NumEntries = 1;
        from.Entries[1].Child->Entries = NewEntries(1, "test");
        CopyField(from.Entries[1].Child->Entries[0].Name, "inner.txt");
        from.NumExtStyles = 1;
        from.ExtStyles = static_cast<ExtStyle*>(std::calloc(1, sizeof(ExtStyle)));
        CopyField(from.ExtStyles[0].ExtName, "TXT");
        PlacedObject picture;
        std::memset(&picture, 0, sizeof picture);
        picture.rec.Type = OBJECT_PICTURE;
        picture.bitmapSize = 48;
        picture.bitmap = static_cast<uint8_t*>(std::malloc(48));
        std::memset(picture.bitmap, 7, 48);
        picture.bits = picture.bitmap + 40;
        ASSERT_TRUE(InsertObjectAtHead(&from, picture));
        SelectListObject(&from, 0);
        from.LabelOriginX = 11;
    }
    void TearDown() override { ResetProgramState(kKestrinProfile); }
};

TEST_F(SheetCopyTest, ReplicateGivesEveryOtherLabelItsOwnFullCopy) {
    const ZIPINFO& from = g_labelRecords[2];
    ASSERT_TRUE(ReplicateLabelToAll(0));
    for (int i = 0; i < g_labelCount; ++i) {
        SCOPED_TRACE(i);
        const ZIPINFO& to = g_labelRecords[i];
        EXPECT_EQ(to.LabelNumber, i + 1) << "each label keeps its number";
        EXPECT_EQ(DumpCatalog(&to), "b.txt|, docs|{inner.txt|}");
        if (i == 2) continue;
        EXPECT_STREQ(to.VolumeName, "SOURCE");
        EXPECT_EQ(to.LabelOriginX, 0) << "and its own placement";
        EXPECT_EQ(to.LayoutValid, 0);
        EXPECT_EQ(to.SelectionKind, SELECTED_NOTHING);
        EXPECT_NE(to.Entries, from.Entries);
        EXPECT_NE(to.Entries[1].Child, from.Entries[1].Child);
        EXPECT_NE(to.ExtStyles, from.ExtStyles);
        ASSERT_EQ(to.NumObjects, 1);
        EXPECT_NE(to.Objects[0].bitmap, from.Objects[0].bitmap);
        EXPECT_EQ(to.Objects[0].bits, to.Objects[0].bitmap + 40);
        EXPECT_EQ(std::memcmp(to.Objects[0].bitmap, from.Objects[0].bitmap, 48), 0);
    }
    // Copying onto itself would have freed what it copies from.
    ASSERT_TRUE(ReplicateLabel(from, &g_labelRecords[2]));
    EXPECT_EQ(DumpCatalog(&g_labelRecords[2]), "b.txt|, docs|{inner.txt|}");
}

TEST_F(SheetCopyTest, DuplicateFormatCopiesTheLookAlone) {
    ASSERT_TRUE(DuplicateFormatToAll(0));
    const ZIPINFO& to = g_labelRecords[5];
    EXPECT_EQ(to.Columns, 5);
    EXPECT_EQ(to.FontHeight, 17);
    EXPECT_EQ(to.ShowSize, 0);
    ASSERT_EQ(to.NumExtStyles, 1);
    EXPECT_STREQ(to.ExtStyles[0].ExtName, "TXT");
    EXPECT_NE(to.ExtStyles, g_labelRecords[2].ExtStyles);
    EXPECT_EQ(to.NumEntries, 0);
    EXPECT_EQ(to.NumObjects, 0);
    EXPECT_STREQ(to.VolumeName, "");
}

}  // namespace
