// The default look and "Reset To Defaults".
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "base/text_field.h"
#include "document/look.h"
#include "tests/core/program_state.h"

namespace {

// A label dressed up in every look field, with a catalog sorted by size.
void Dress(ZIPINFO* label) {
    label->Columns = 6;
    label->Opposing = 1;
    label->Lined = 0;
    label->SortMode = 3;
    label->Direction = -1;
    label->ShowSize = 0;
    label->ShowExt = 0;
    label->ShowComm = 0;
    label->ShowZip = 0;
    label->LblFmt = 4;
    label->BkgndColor = 0x123456;
    label->FontColor = label->DirFontColor = label->CommFontColor = label->SpineFontColor = 0xFF;
    label->SpineBkgndColor = 0;
    label->SpineAlign = 2;
    label->ZipColor = 1;
    CopyField(label->Comment, "custom");
    label->Font.lfHeight = -30;
    label->SpineFont.lfHeight = -40;
    label->SpineFont.lfUnderline = 1;
    CopyField(label->SpineFont.lfFaceName, "Impact");
    label->NumExtStyles = 2;
    label->ExtStyles = static_cast<ExtStyle*>(std::calloc(2, sizeof(ExtStyle)));
    label->NumEntries = 3;
    label->Entries = NewEntries(3, "test");
    const char* names[] = {"b", "c", "a"};
    for (int i = 0; i < 3; ++i) {
        CopyField(label->Entries[i].Name, names[i]);
        label->Entries[i].Size = static_cast<uint32_t>(10 * (3 - i));
    }
    label->LayoutValid = 1;
}

class ResetLookTest : public testing::Test {
protected:
    void TearDown() override { ResetProgramState(kKestrinProfile); }
};

TEST_F(ResetLookTest, GivesBackTheDefaultLookOfEachEdition) {
    for (const EditionProfile* edition : {&kKestrinProfile, &kDovantelProfile, &kWimbrookProfile}) {
        SCOPED_TRACE(edition->name);
        ResetProgramState(*edition);
        ScanSettings scan;
        scan.DispSub = -4;
        ZIPINFO& label = g_labelRecords[0];
        Dress(&label);
        ResetAllLooks(*edition, &scan, g_labelRecords, g_labelCount);
        bool floppy = edition->id == EDITION_WIMBROOK;
        EXPECT_EQ(scan.DispSub, 1);
        EXPECT_EQ(label.Columns, 3);
        EXPECT_EQ(label.Opposing, edition->id == EDITION_DOVANTEL ? 1 : 0);
        EXPECT_EQ(label.Lined, 1);
        EXPECT_EQ(label.SortMode, 1);
        EXPECT_EQ(label.Direction, 1);
        EXPECT_EQ(label.ShowSize, floppy ? 0 : 1);
        EXPECT_EQ(label.ShowExt, 1);
        EXPECT_EQ(label.ShowComm, floppy ? 0 : 1);
        EXPECT_EQ(label.ShowZip, 1);
        EXPECT_EQ(label.LblFmt, 0);
        EXPECT_EQ(label.BkgndColor, 0xFFFFFFu);
        EXPECT_EQ(label.FontColor, 0u);
        EXPECT_EQ(label.DirFontColor, 0u);
        EXPECT_EQ(label.CommFontColor, 0u);
        EXPECT_EQ(label.SpineFontColor, 0u);
        EXPECT_EQ(label.SpineBkgndColor, 0xFFFFFFu);
        EXPECT_EQ(label.SpineAlign, 0);
        EXPECT_EQ(label.ZipColor, 0);
        EXPECT_STREQ(label.Comment, "%spacefree% free, %spaceused% used  (%shortdate%)");
        EXPECT_EQ(label.NumExtStyles, 0);
        EXPECT_EQ(label.ExtStyles, nullptr);
        EXPECT_EQ(label.LayoutValid, 0);
        // The catalog stays, sorted again by name ascending.
        ASSERT_EQ(label.NumEntries, 3);
        EXPECT_STREQ(label.Entries[0].Name, "a");
        EXPECT_STREQ(label.Entries[2].Name, "c");
        // Fonts wait for the default-font step, carrying the default's shape.
        for (const FontDesc* f : {&label.Font, &label.DirFont, &label.CommFont, &label.SpineFont}) {
            EXPECT_EQ(f->lfHeight, -1);
            EXPECT_STREQ(f->lfFaceName, "Arial");
            EXPECT_EQ(f->lfUnderline, 0);
        }
        EXPECT_EQ(label.Font.lfWeight, 0);
        EXPECT_EQ(label.DirFont.lfWeight, 700);
        EXPECT_EQ(label.CommFont.lfWeight, 0);
        EXPECT_EQ(label.SpineFont.lfWeight, floppy ? 700 : 0);
    }
}

TEST_F(ResetLookTest, ReachesEveryLabelOfTheSheet) {
    ResetProgramState(kWimbrookProfile);
    for (int i = 0; i < 9; ++i) g_labelRecords[i].Columns = 7;
    ScanSettings scan;
    ResetAllLooks(kWimbrookProfile, &scan, g_labelRecords, g_labelCount);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(g_labelRecords[i].Columns, 3) << i;
}

TEST(DefaultLabelFont, WimbrookSpineFitsItsStrip) {
    DefaultFont k = DefaultLabelFont(FONT_SPINE, kKestrinProfile);
    DefaultFont w = DefaultLabelFont(FONT_SPINE, kWimbrookProfile);
    EXPECT_STREQ(k.face, "Arial");
    EXPECT_EQ(k.tenthsOfPoint, 140);
    EXPECT_EQ(k.styleBits, 0);
    EXPECT_EQ(w.tenthsOfPoint, 80);
    EXPECT_EQ(w.styleBits, 1);
    // 8 pt is 0.111 in: it fits Wimbrook's 0.12 in spine strip, 14 pt does not.
    EXPECT_LE(w.tenthsOfPoint / 720.0, 0.12);
    EXPECT_GT(k.tenthsOfPoint / 720.0, 0.12);
    for (const EditionProfile* e : {&kKestrinProfile, &kDovantelProfile, &kWimbrookProfile}) {
        EXPECT_EQ(DefaultLabelFont(FONT_FILES, *e).tenthsOfPoint, 80);
        EXPECT_EQ(DefaultLabelFont(FONT_FOLDERS, *e).styleBits, 1);
        EXPECT_EQ(DefaultLabelFont(FONT_COMMENT, *e).styleBits, 0);
    }
}

}  // namespace
