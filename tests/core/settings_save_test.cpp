// SaveSettings over the in-memory profile: order, kinds, untouched keys and
// round trips.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "document/look.h"
#include "document/program_settings.h"
#include "document/settings.h"
#include "shell/view_state.h"
#include "shell/program_records.h"
#include "tests/core/memory_profile.h"
#include "tests/core/program_state.h"
#include "tests/core/settings_keys.h"

namespace {

class SaveSettingsTest : public testing::Test {
protected:
    void TearDown() override { ResetProgramState(kKestrinProfile); }
    MemoryStore store_;
    ViewSettings view_ = {};
};

// A stored set touching every kind of key, with a style and two patterns.
void PutSample(MemoryStore* store) {
    store->Put("Drive", "69");
    store->Put("Labels", "12");
    store->Put("DispSub", "-2");
    store->Put("WindScale", "125");
    store->Put("NewPosX", "1250");
    store->Put("NewPosY2", "4321");
    store->Put("SideMargin", "75");
    store->Put("BackColor", "12632256");
    store->Put("CropMarks", "1");
    store->Put("Border", "3");
    store->Put("PrinterName", "LabelPDF");
    store->Put("DriverName", "wineps.drv");
    store->Put("PortName", "CUPS:LabelPDF");
    store->Put("LabelPath", "C:\\labels");
    store->Put("PrinterOrientation", "1");
    store->Put("PrinterPaperSize", "9");
    store->Put("FontWindowX", "300");
    store->Put("FontWindowY", "200");
    store->Put("Columns0", "-5");
    store->Put("SortMode0", "2");
    store->Put("Direction0", "-1");
    store->Put("Comment0", "My disk %spacefree%");
    store->Put("Font0_lfHeight", "-13");
    store->Put("Font0_lfWeight", "400");
    store->Put("Font0_lfItalic", "1");
    store->Put("Font0_lfFaceName", "Arial");
    store->Put("SpineFontColor0", "255");
    store->Put("Exts0", "1");
    store->Put("ExtName0_0", "zip");
    store->Put("ExtColor0_0", "32768");
    store->Put("ExtFont0_0_lfHeight", "-12");
    store->Put("CustColor3", "8421504");
    store->Put("HideDummy2", "1");
    store->Put("ExcludeMode", "0");
    store->Put("NumExclude", "2");
    store->Put("Exclude0", ".TMP");
    store->Put("Exclude1", ".BAK");
    store->Put("Recent0", "C:\\labels\\a.KSB");
    store->Put("DirComm", "1");
}

TEST_F(SaveSettingsTest, KeysAreWrittenInOrderForEveryEdition) {
    for (const EditionProfile* edition : {&kKestrinProfile, &kDovantelProfile, &kWimbrookProfile}) {
        SCOPED_TRACE(edition->name);
        ResetProgramState(*edition);
        PutSample(&store_);
        LoadSettings(*edition, &view_, ProgramStoredSettings());
        store_.profile().writes.clear();
        SaveSettings(*edition, view_, ProgramStoredSettings());
        EXPECT_EQ(store_.profile().writes, ExpectedSaveOrder(*edition, {1}, 2));
    }
}

TEST_F(SaveSettingsTest, ValuesGoBackInTheirStoredForm) {
    PutSample(&store_);
    ResetProgramState(kKestrinProfile);
    LoadSettings(kKestrinProfile, &view_, ProgramStoredSettings());
    SaveSettings(kKestrinProfile, view_, ProgramStoredSettings());
    EXPECT_EQ(store_.Get("Drive"), "69");
    EXPECT_EQ(store_.Get("Labels"), "12");
    EXPECT_EQ(store_.Get("DispSub"), "-2");
    EXPECT_EQ(store_.Get("WindScale"), "125");
    EXPECT_EQ(store_.Get("NewPosX"), "1250");
    EXPECT_EQ(store_.Get("NewPosY"), "1000");
    EXPECT_EQ(store_.Get("NewPosX2"), "2250");
    EXPECT_EQ(store_.Get("NewPosY2"), "4321");
    EXPECT_EQ(store_.Get("SideMargin"), "75");
    EXPECT_EQ(store_.Get("BackColor"), "12632256");
    EXPECT_EQ(store_.Get("Border"), "3");
    EXPECT_EQ(store_.Get("PrinterName"), "LabelPDF");
    EXPECT_EQ(store_.Get("PortName"), "CUPS:LabelPDF");
    EXPECT_EQ(store_.Get("FontWindowX"), "300");
    EXPECT_EQ(store_.Get("Columns0"), "5");
    EXPECT_EQ(store_.Get("Lined0"), "0");
    EXPECT_EQ(store_.Get("SortMode0"), "2");
    EXPECT_EQ(store_.Get("Direction0"), "-1");
    EXPECT_EQ(store_.Get("Comment0"), "My disk %spacefree%");
    EXPECT_EQ(store_.Get("Font0_lfHeight"), "-13");
    EXPECT_EQ(store_.Get("Font0_lfItalic"), "1");
    EXPECT_FALSE(store_.Has("Font0_lfUnderline"));
    EXPECT_EQ(store_.Get("DirFont0_lfHeight"), "-1") << "a font never set stays unset";
    EXPECT_EQ(store_.Get("ExtName0_0"), "zip");
    EXPECT_EQ(store_.Get("ExtColor0_0"), "32768");
    EXPECT_EQ(store_.Get("ExtFont0_0_lfHeight"), "-12");
    EXPECT_EQ(store_.Get("CustColor3"), "8421504");
    EXPECT_EQ(store_.Get("HideDummy2"), "1");
    EXPECT_EQ(store_.Get("ExcludeMode"), "0");
    EXPECT_EQ(store_.Get("Exclude1"), ".BAK");
    EXPECT_EQ(store_.Get("Recent0"), "C:\\labels\\a.KSB");
    EXPECT_EQ(store_.Get("Recent1"), "");
    EXPECT_EQ(store_.Get("DirComm"), "1");
    EXPECT_EQ(store_.Get("Number"), "1,000");
}

TEST_F(SaveSettingsTest, KeysBeyondTheCountsInitialsAndStrangersStayUntouched) {
    PutSample(&store_);
    store_.Put("ExtName0_1", "old");
    store_.Put("ExtFont0_4_lfHeight", "-99");
    store_.Put("Exclude2", "STALE");
    store_.Put("Initials", "ABC");
    store_.Put("SomethingElse", "kept");
    ResetProgramState(kKestrinProfile);
    LoadSettings(kKestrinProfile, &view_, ProgramStoredSettings());
    std::strcpy(g_settings.Initials, "XYZ");  // the initials dialog writes it itself
    SaveSettings(kKestrinProfile, view_, ProgramStoredSettings());
    EXPECT_EQ(store_.Get("ExtName0_1"), "old");
    EXPECT_EQ(store_.Get("ExtFont0_4_lfHeight"), "-99");
    EXPECT_EQ(store_.Get("Exclude2"), "STALE");
    EXPECT_EQ(store_.Get("Initials"), "ABC");
    EXPECT_EQ(store_.Get("SomethingElse"), "kept");
}

TEST_F(SaveSettingsTest, OnlyKestrinWritesTheCapacityText) {
    for (const EditionProfile* edition : {&kDovantelProfile, &kWimbrookProfile}) {
        SCOPED_TRACE(edition->name);
        ResetProgramState(*edition);
        LoadSettings(*edition, &view_, ProgramStoredSettings());
        std::strcpy(g_settings.Number, "999");
        store_.profile().writes.clear();
        SaveSettings(*edition, view_, ProgramStoredSettings());
        EXPECT_FALSE(store_.Has("Number"));
        EXPECT_FALSE(store_.Has("Initials"));
    }
}

TEST_F(SaveSettingsTest, NothingIsWrittenBeforeTheSettingsWereLoaded) {
    ResetProgramState(kKestrinProfile);
    SaveSettings(kKestrinProfile, view_, ProgramStoredSettings());
    EXPECT_TRUE(store_.profile().writes.empty());
}

TEST_F(SaveSettingsTest, ADriveNeverChosenIsNotWritten) {
    ResetProgramState(kKestrinProfile);
    LoadSettings(kKestrinProfile, &view_, ProgramStoredSettings());
    SaveSettings(kKestrinProfile, view_, ProgramStoredSettings());
    EXPECT_FALSE(store_.Has("Drive"));
    EXPECT_TRUE(store_.Has("Labels"));
    ASSERT_TRUE(TakeMissingDrive(&g_scan));
    SaveSettings(kKestrinProfile, view_, ProgramStoredSettings());
    EXPECT_EQ(store_.Get("Drive"), "67");
}

TEST_F(SaveSettingsTest, ScaleAndPlacementDoNotDriftFromRunToRun) {
    // 58 % and 1.001 in are among the values a truncating save would lower
    // by one at every exit.
    store_.Put("WindScale", "58");
    store_.Put("NewPosX", "1001");
    store_.Put("NewPosY", "-1001");
    store_.Put("SideMargin", "3");
    for (int run = 0; run < 3; ++run) {
        ResetProgramState(kKestrinProfile);
        LoadSettings(kKestrinProfile, &view_, ProgramStoredSettings());
        SaveSettings(kKestrinProfile, view_, ProgramStoredSettings());
    }
    EXPECT_EQ(store_.Get("WindScale"), "58");
    EXPECT_EQ(store_.Get("NewPosX"), "1001");
    EXPECT_EQ(store_.Get("NewPosY"), "-1001");
    EXPECT_EQ(store_.Get("SideMargin"), "3");
    EXPECT_EQ(store_.Get("NewPosX2"), "2001");
}

TEST_F(SaveSettingsTest, ARoundTripKeepsEveryLabelOfTheSheet) {
    PutSample(&store_);
    store_.Put("Columns8", "2");
    store_.Put("Comment8", "last label");
    store_.Put("Exts8", "2");
    store_.Put("ExtName8_1", "doc");
    ResetProgramState(kWimbrookProfile);
    LoadSettings(kWimbrookProfile, &view_, ProgramStoredSettings());
    ZIPINFO first[kMaxLabels];
    std::memcpy(first, g_labelRecords, sizeof first);
    ExtStyle styles8[2];
    std::memcpy(styles8, g_labelRecords[8].ExtStyles, sizeof styles8);

    MemoryStore other;  // a fresh, empty file
    SaveSettings(kWimbrookProfile, view_, ProgramStoredSettings());
    ResetProgramState(kWimbrookProfile);
    LoadSettings(kWimbrookProfile, &view_, ProgramStoredSettings());
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        const ZIPINFO& a = first[i];
        const ZIPINFO& b = g_labelRecords[i];
        EXPECT_EQ(a.Columns, b.Columns);
        EXPECT_EQ(a.Lined, b.Lined);
        EXPECT_EQ(a.SortMode, b.SortMode);
        EXPECT_EQ(a.Direction, b.Direction);
        EXPECT_EQ(a.ShowSize, b.ShowSize);
        EXPECT_EQ(a.ShowComm, b.ShowComm);
        EXPECT_EQ(a.Opposing, b.Opposing);
        EXPECT_STREQ(a.Comment, b.Comment);
        EXPECT_EQ(std::memcmp(&a.Font, &b.Font, sizeof a.Font), 0);
        EXPECT_EQ(std::memcmp(&a.SpineFont, &b.SpineFont, sizeof a.SpineFont), 0);
        EXPECT_EQ(a.SpineFontColor, b.SpineFontColor);
        EXPECT_EQ(a.NumExtStyles, b.NumExtStyles);
    }
    ASSERT_EQ(g_labelRecords[8].NumExtStyles, 2);
    EXPECT_EQ(std::memcmp(styles8, g_labelRecords[8].ExtStyles, sizeof styles8), 0);
    EXPECT_STREQ(g_labelRecords[8].ExtStyles[1].ExtName, "doc");
    EXPECT_EQ(g_scan.Drive, 'E');
    EXPECT_EQ(g_scan.NumExclude, 2);
    EXPECT_STREQ(g_scan.Exclude[0], ".TMP");
    EXPECT_EQ(view_.labelKind, 10) << "Wimbrook has no booklet kind";
}

TEST_F(SaveSettingsTest, AReadOnlyStoreIsLeftAsItWas) {
    PutSample(&store_);
    ResetProgramState(kKestrinProfile);
    LoadSettings(kKestrinProfile, &view_, ProgramStoredSettings());
    g_labelRecords[0].Columns = 1;
    store_.profile().readOnly = true;
    SaveSettings(kKestrinProfile, view_, ProgramStoredSettings());
    EXPECT_EQ(store_.Get("Columns0"), "-5");
    EXPECT_TRUE(store_.profile().writes.empty());
}

}  // namespace
