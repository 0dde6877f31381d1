// LoadSettings over the in-memory profile: defaults, per-edition defaults,
// fix-ups and hostile values.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "document/look.h"
#include "document/program_settings.h"
#include "document/settings.h"
#include "document/settings_bounds.h"
#include "shell/view_state.h"
#include "shell/program_records.h"
#include "tests/core/memory_profile.h"
#include "tests/core/program_state.h"
#include "tests/core/settings_keys.h"

namespace {

class LoadSettingsTest : public testing::Test {
protected:
    void Load(const EditionProfile& edition = kKestrinProfile) {
        ResetProgramState(edition);
        LoadSettings(edition, &view_, ProgramStoredSettings());
    }
    void TearDown() override { ResetProgramState(kKestrinProfile); }
    MemoryStore store_;
    ViewSettings view_ = {};
};

void ExpectDefaultLabel(const ZIPINFO& label, const EditionProfile& edition) {
    bool floppy = edition.id == EDITION_WIMBROOK;
    EXPECT_EQ(label.Columns, 3);
    EXPECT_EQ(label.Lined, 1);
    EXPECT_EQ(label.SortMode, 1);
    EXPECT_EQ(label.Direction, 1);
    EXPECT_EQ(label.ShowSize, floppy ? 0 : 1);
    EXPECT_EQ(label.ShowExt, 1);
    EXPECT_EQ(label.ShowComm, floppy ? 0 : 1);
    EXPECT_EQ(label.ShowZip, 1);
    EXPECT_EQ(label.LblFmt, 0);
    EXPECT_EQ(label.Opposing, edition.id == EDITION_KESTRIN ? 0 : 1);
    EXPECT_EQ(label.BkgndColor, 0xFFFFFFu);
    EXPECT_EQ(label.FontColor, 0u);
    EXPECT_EQ(label.DirFontColor, 0u);
    EXPECT_EQ(label.CommFontColor, 0u);
    EXPECT_STREQ(label.Comment, "%spacefree% free, %spaceused% used  (%shortdate%)");
    EXPECT_EQ(label.SpineFontColor, 0u);
    EXPECT_EQ(label.SpineBkgndColor, 0xFFFFFFu);
    EXPECT_EQ(label.SpineAlign, 0);
    EXPECT_EQ(label.ZipColor, 0);
    EXPECT_EQ(label.NumExtStyles, 0);
    EXPECT_EQ(label.ExtStyles, nullptr);
    // Never stored: the start-up's default-font step fills them in.
    EXPECT_EQ(label.Font.lfHeight, -1);
    EXPECT_EQ(label.DirFont.lfHeight, -1);
    EXPECT_EQ(label.CommFont.lfHeight, -1);
    EXPECT_EQ(label.SpineFont.lfHeight, -1);
}

TEST_F(LoadSettingsTest, EmptyIniGivesTheDefaultsOfEveryEdition) {
    for (const EditionProfile* edition : {&kKestrinProfile, &kDovantelProfile, &kWimbrookProfile}) {
        SCOPED_TRACE(edition->name);
        Load(*edition);
        bool floppy = edition->id == EDITION_WIMBROOK;
        EXPECT_EQ(g_scan.Drive, 0);
        EXPECT_EQ(view_.labelKind, 10);
        EXPECT_EQ(g_scan.DispSub, 1);
        EXPECT_EQ(view_.fullSize, floppy ? 1 : 0);
        EXPECT_STREQ(g_settings.Initials, "zip");
        EXPECT_STREQ(g_settings.Number, floppy ? "1.44" : (edition->id == EDITION_DOVANTEL ? "650" : "1,000"));
        EXPECT_EQ(g_settings.UseDAT, 1);
        EXPECT_DOUBLE_EQ(view_.windowScale, 1.0);
        EXPECT_EQ(g_settings.BackColor, 0xFFFFFFu);
        EXPECT_EQ(g_settings.CropMarks, 0);
        EXPECT_EQ(g_settings.Border, 0);
        EXPECT_EQ(g_settings.OrigPosition, 1);
        EXPECT_EQ(g_settings.MultiPage, 0);
        EXPECT_EQ(g_settings.Separate, 0);
        EXPECT_DOUBLE_EQ(g_settings.NewPosX, floppy ? 0.130 : 1.0);
        EXPECT_DOUBLE_EQ(g_settings.NewPosY, floppy ? 0.500 : 1.0);
        EXPECT_DOUBLE_EQ(g_settings.NewPosX2, floppy ? 1.130 : 2.0);
        EXPECT_DOUBLE_EQ(g_settings.NewPosY2, floppy ? 5.100 : 5.6);
        EXPECT_DOUBLE_EQ(g_settings.SideMargin, 0.1);
        EXPECT_STREQ(g_settings.ImagePath, "");
        EXPECT_STREQ(g_settings.LabelPath, "");
        EXPECT_EQ(g_settings.PrinterOrientation, edition->id == EDITION_KESTRIN ? 2 : 1);
        EXPECT_EQ(g_settings.PrinterPaperSize, -1);
        EXPECT_EQ(g_scan.ScanArchives, 0);
        EXPECT_EQ(g_settings.Windows[WINDOW_MAIN].x, 0);
        EXPECT_EQ(g_settings.Windows[WINDOW_DUMMY].y, 0);
        for (int i = 0; i < edition->labelCount; ++i) {
            SCOPED_TRACE(i);
            ExpectDefaultLabel(g_labelRecords[i], *edition);
        }
        for (ColorRef c : g_settings.CustColors) EXPECT_EQ(c, 0u);
        for (int h : g_settings.HideDummy) EXPECT_EQ(h, 0);
        EXPECT_EQ(g_scan.ExcludeMode, 1);
        EXPECT_EQ(g_scan.NumExclude, 0);
        EXPECT_EQ(g_scan.Exclude, nullptr);
        for (const auto& recent : g_settings.Recent) EXPECT_STREQ(recent, "");
        EXPECT_EQ(g_scan.DirComm, 0);
        // The drive prompt: 'C' once, only when nothing was stored.
        EXPECT_TRUE(TakeMissingDrive(&g_scan));
        EXPECT_EQ(g_scan.Drive, 'C');
        EXPECT_FALSE(TakeMissingDrive(&g_scan));
    }
}

TEST_F(LoadSettingsTest, KeysAreReadInTableOrderForEveryLabel) {
    store_.Put("Exts0", "2");
    store_.Put("NumExclude", "3");
    Load(kKestrinProfile);
    EXPECT_EQ(store_.profile().reads, ExpectedLoadOrder(kKestrinProfile, {2}, 3));

    store_.profile().reads.clear();
    store_.Put("Exts8", "1");
    store_.Put("NumExclude", "0");
    Load(kWimbrookProfile);
    EXPECT_EQ(store_.profile().reads, ExpectedLoadOrder(kWimbrookProfile, {2, 0, 0, 0, 0, 0, 0, 0, 1}, 0));
}

TEST_F(LoadSettingsTest, StoredValuesReachTheirFields) {
    store_.Put("Drive", "68");
    store_.Put("DispSub", "-3");
    store_.Put("Zoom", "1");
    store_.Put("Initials", "JAZ");
    store_.Put("Number", "2,000");
    store_.Put("UseDAT", "0");
    store_.Put("WindScale", "75");
    store_.Put("BackColor", "255");
    store_.Put("Border", "4");
    store_.Put("NewPosX", "2500");
    store_.Put("SideMargin", "250");
    store_.Put("PrinterName", "LabelPDF");
    store_.Put("ImagePath", "C:\\pictures");
    store_.Put("PrinterPaperSize", "9");
    store_.Put("ScanArchives", "1");
    store_.Put("ColorWindowX", "120");
    store_.Put("DummyWindowY", "-40");
    store_.Put("MainWindowX", "33");
    store_.Put("Columns0", "5");
    store_.Put("SortMode0", "3");
    store_.Put("Direction0", "-1");
    store_.Put("LblFmt0", "6");
    store_.Put("SpineAlign0", "2");
    store_.Put("Comment0", "%volumename% backup");
    store_.Put("CustColor15", "65280");
    store_.Put("HideDummy31", "1");
    store_.Put("Recent0", "C:\\labels\\one.KSB");
    store_.Put("DirComm", "2");
    Load();
    EXPECT_EQ(g_scan.Drive, 'D');
    EXPECT_EQ(g_scan.DispSub, -3);
    EXPECT_EQ(view_.fullSize, 1);
    EXPECT_STREQ(g_settings.Initials, "JAZ");
    EXPECT_STREQ(g_settings.Number, "2,000");
    EXPECT_EQ(g_settings.UseDAT, 0);
    EXPECT_DOUBLE_EQ(view_.windowScale, 0.75);
    EXPECT_EQ(g_settings.BackColor, 255u);
    EXPECT_EQ(g_settings.Border, 4);
    EXPECT_DOUBLE_EQ(g_settings.NewPosX, 2.5);
    EXPECT_DOUBLE_EQ(g_settings.NewPosX2, 3.5) << "follows the NewPosX just read";
    EXPECT_DOUBLE_EQ(g_settings.SideMargin, 0.25);
    EXPECT_STREQ(g_settings.Printer.name, "LabelPDF");
    EXPECT_STREQ(g_settings.ImagePath, "C:\\pictures");
    EXPECT_EQ(g_settings.PrinterPaperSize, 9);
    EXPECT_EQ(g_scan.ScanArchives, 1);
    EXPECT_EQ(g_settings.Windows[WINDOW_COLOR].x, 120);
    EXPECT_EQ(g_settings.Windows[WINDOW_DUMMY].y, -40);
    EXPECT_EQ(g_settings.Windows[WINDOW_MAIN].x, 33);
    const ZIPINFO& label = g_labelRecords[0];
    EXPECT_EQ(label.Columns, 5);
    EXPECT_EQ(label.SortMode, 3);
    EXPECT_EQ(label.Direction, -1);
    EXPECT_EQ(label.LblFmt, 6);
    EXPECT_EQ(label.SpineAlign, 2);
    EXPECT_STREQ(label.Comment, "%volumename% backup");
    EXPECT_EQ(g_settings.CustColors[15], 65280u);
    EXPECT_EQ(g_settings.HideDummy[31], 1);
    EXPECT_STREQ(g_settings.Recent[0], "C:\\labels\\one.KSB");
    EXPECT_EQ(g_scan.DirComm, 2);
    EXPECT_FALSE(TakeMissingDrive(&g_scan));
}

TEST_F(LoadSettingsTest, AStoredPrinterReplacesTheSystemDefaultOnlyWhenItHasAName) {
    auto systemDefault = [] {
        std::strcpy(g_settings.Printer.name, "System");
        std::strcpy(g_settings.Printer.driver, "winspool");
        std::strcpy(g_settings.Printer.port, "LPT1:");
    };
    // Saved by a run that had no printer: the default printer of today wins.
    store_.Put("PrinterName", "");
    store_.Put("PortName", "");
    store_.Put("DriverName", "DISPLAY");
    ResetProgramState(kKestrinProfile);
    systemDefault();
    LoadSettings(kKestrinProfile, &view_, ProgramStoredSettings());
    EXPECT_STREQ(g_settings.Printer.name, "System");
    EXPECT_STREQ(g_settings.Printer.driver, "winspool");
    EXPECT_STREQ(g_settings.Printer.port, "LPT1:");

    store_.Put("PrinterName", "LabelPDF");
    store_.Put("PortName", "CUPS:LabelPDF");
    store_.Put("DriverName", "wineps.drv");
    ResetProgramState(kKestrinProfile);
    systemDefault();
    LoadSettings(kKestrinProfile, &view_, ProgramStoredSettings());
    EXPECT_STREQ(g_settings.Printer.name, "LabelPDF");
    EXPECT_STREQ(g_settings.Printer.driver, "wineps.drv");
    EXPECT_STREQ(g_settings.Printer.port, "CUPS:LabelPDF");

    store_.Put("PrinterName", std::string(400, 'p'));
    LoadSettings(kKestrinProfile, &view_, ProgramStoredSettings());
    EXPECT_EQ(std::string(g_settings.Printer.name), std::string(254, 'p'));  // the whole field
}

TEST_F(LoadSettingsTest, LabelsBelowTenLoadAsTenAndOtherKindsAsTheNearestSoundOne) {
    struct Case {
        const char* stored;
        const EditionProfile* edition;
        int kind;
    };
    for (const Case& c : {Case{"4", &kKestrinProfile, 10}, Case{"-5", &kKestrinProfile, 10},
                          Case{"10", &kKestrinProfile, 10}, Case{"11", &kKestrinProfile, 10},
                          Case{"12", &kKestrinProfile, 12}, Case{"12", &kDovantelProfile, 12},
                          Case{"23", &kKestrinProfile, 12}, Case{"2147483647", &kDovantelProfile, 12},
                          Case{"23", &kWimbrookProfile, 23}, Case{"12", &kWimbrookProfile, 10},
                          Case{"4", &kWimbrookProfile, 10}, Case{"99", &kWimbrookProfile, 23}}) {
        SCOPED_TRACE(testing::Message() << c.edition->name << " Labels=" << c.stored);
        store_.Put("Labels", c.stored);
        Load(*c.edition);
        EXPECT_EQ(view_.labelKind, c.kind);
    }
}

TEST_F(LoadSettingsTest, NegativeColumnsTurnTheLinesOff) {
    store_.Put("Columns0", "-4");
    store_.Put("Lined0", "1");
    Load();
    EXPECT_EQ(g_labelRecords[0].Columns, 4);
    EXPECT_EQ(g_labelRecords[0].Lined, 0);
}

TEST_F(LoadSettingsTest, ColumnCountsOutsideZeroToSevenAreBroughtBack) {
    struct Case {
        const char* columns;
        const char* lined;
        int wantColumns, wantLined;
    };
    for (const Case& c : {Case{"-2147483648", "1", 7, 0}, Case{"1000", "1", 7, 1}, Case{"2147483647", "0", 7, 0},
                          Case{"0", "1", 0, 1}, Case{"-0", "1", 0, 1}, Case{"-7", "5", 7, 0},
                          Case{"7", "5", 7, 1}}) {
        SCOPED_TRACE(testing::Message() << "Columns0=" << c.columns << " Lined0=" << c.lined);
        store_.Put("Columns0", c.columns);
        store_.Put("Lined0", c.lined);
        Load();
        EXPECT_EQ(g_labelRecords[0].Columns, c.wantColumns);
        EXPECT_EQ(g_labelRecords[0].Lined, c.wantLined);
    }
}

TEST_F(LoadSettingsTest, WindowScaleStaysBetweenHalfAndOneAndAHalf) {
    struct Case {
        const char* stored;
        double scale;
    };
    for (const Case& c : {Case{"0", 0.5}, Case{"999", 1.5}, Case{"-2147483648", 0.5}, Case{"80", 0.8},
                          Case{"125", 1.25}, Case{"50", 0.5}, Case{"150", 1.5}, Case{"wide", 1.0}}) {
        SCOPED_TRACE(c.stored);
        store_.Put("WindScale", c.stored);
        Load();
        EXPECT_DOUBLE_EQ(view_.windowScale, c.scale);
    }
}

TEST_F(LoadSettingsTest, SortKeysAndSwitchesAreBroughtBack) {
    store_.Put("SortMode0", "7");
    store_.Put("Direction0", "0");
    store_.Put("LblFmt0", "-1");
    store_.Put("SpineAlign0", "9");
    store_.Put("ShowSize0", "-5");
    store_.Put("Opposing0", "2");
    store_.Put("Border", "6");
    store_.Put("DirComm", "3");
    store_.Put("PrinterOrientation", "7");
    store_.Put("PrinterPaperSize", "0");
    Load();
    const ZIPINFO& label = g_labelRecords[0];
    EXPECT_EQ(label.SortMode, 3);
    EXPECT_EQ(label.Direction, 1);
    EXPECT_EQ(label.LblFmt, 0);
    EXPECT_EQ(label.SpineAlign, 2);
    EXPECT_EQ(label.ShowSize, 1);
    EXPECT_EQ(label.Opposing, 1);
    EXPECT_EQ(g_settings.Border, 5);
    EXPECT_EQ(g_scan.DirComm, 2);
    EXPECT_EQ(g_settings.PrinterOrientation, 2);
    EXPECT_EQ(g_settings.PrinterPaperSize, -1);

    store_.Put("SortMode0", "0");
    store_.Put("Direction0", "-2147483648");
    Load();
    EXPECT_EQ(g_labelRecords[0].SortMode, 1);
    EXPECT_EQ(g_labelRecords[0].Direction, -1);
}

TEST_F(LoadSettingsTest, DirectoryLevelsKeepTheirSignAndBecomeAMenuDepth) {
    struct Case {
        const char* stored;
        int depth;
    };
    for (const Case& c : {Case{"0", 0}, Case{"4", 4}, Case{"15", 15}, Case{"-15", -15}, Case{"-2", -2},
                          Case{"7", 4}, Case{"12", 15}, Case{"-100", -15}, Case{"-2147483648", -15},
                          Case{"2147483647", 15}}) {
        SCOPED_TRACE(c.stored);
        store_.Put("DispSub", c.stored);
        Load();
        EXPECT_EQ(g_scan.DispSub, c.depth);
    }
}

TEST_F(LoadSettingsTest, DriveLettersOutsideAToZBecomeC) {
    struct Case {
        const char* stored;
        char drive;
    };
    for (const Case& c : {Case{"99", 'C'}, Case{"65", 'A'}, Case{"90", 'Z'}, Case{"91", 'C'}, Case{"0", 'C'},
                          Case{"321", 'A'}, Case{"-1", 'C'}}) {
        SCOPED_TRACE(c.stored);
        store_.Put("Drive", c.stored);
        Load();
        EXPECT_EQ(g_scan.Drive, c.drive);
        EXPECT_FALSE(TakeMissingDrive(&g_scan)) << "a stored drive never prompts";
    }
    // Not a number: as if nothing was stored.
    store_.Put("Drive", "D:");
    Load();
    EXPECT_EQ(g_scan.Drive, 0);
    EXPECT_TRUE(TakeMissingDrive(&g_scan));
}

TEST_F(LoadSettingsTest, NonNumbersKeepTheKeyDefault) {
    store_.Put("Columns0", "three");
    store_.Put("Lined0", "");
    store_.Put("NewPosY", "1 inch");  // a leading number counts
    store_.Put("BkgndColor0", "white");
    store_.Put("Opposing0", "yes");
    store_.Put("NumExclude", "many");
    Load(kDovantelProfile);
    EXPECT_EQ(g_labelRecords[0].Columns, 3);
    EXPECT_EQ(g_labelRecords[0].Lined, 1);
    EXPECT_DOUBLE_EQ(g_settings.NewPosY, 0.001);
    EXPECT_EQ(g_labelRecords[0].BkgndColor, 0xFFFFFFu);
    EXPECT_EQ(g_labelRecords[0].Opposing, 1);
    EXPECT_EQ(g_scan.NumExclude, 0);
}

TEST_F(LoadSettingsTest, MissingPatternsBecomeTheirIndex) {
    store_.Put("ExcludeMode", "0");
    store_.Put("NumExclude", "3");
    store_.Put("Exclude1", ".BAK");
    Load();
    ASSERT_EQ(g_scan.NumExclude, 3);
    EXPECT_STREQ(g_scan.Exclude[0], "000");
    EXPECT_STREQ(g_scan.Exclude[1], ".BAK");
    EXPECT_STREQ(g_scan.Exclude[2], "002");
    EXPECT_EQ(g_scan.ExcludeMode, 0);
}

TEST_F(LoadSettingsTest, AHugePatternCountIsCapped) {
    store_.Put("NumExclude", "2147483647");
    store_.Put("Exclude600", "never read");
    Load();
    ASSERT_EQ(g_scan.NumExclude, kMaxExcludePatterns);
    EXPECT_STREQ(g_scan.Exclude[kMaxExcludePatterns - 1], "511");
    EXPECT_LT(store_.profile().reads.size(), 2000u);
    EXPECT_EQ(store_.profile().reads.back(), "DirComm");
}

TEST_F(LoadSettingsTest, AnEmptyOrNegativePatternListForcesExcludeMode) {
    for (const char* count : {"0", "-3"}) {
        SCOPED_TRACE(count);
        store_.Put("ExcludeMode", "0");
        store_.Put("NumExclude", count);
        store_.Put("Exclude0", ".TMP");
        Load();
        EXPECT_EQ(g_scan.NumExclude, 0);
        EXPECT_EQ(g_scan.Exclude, nullptr);
        EXPECT_EQ(g_scan.ExcludeMode, 1);
    }
}

TEST_F(LoadSettingsTest, ExtensionStylesWithDefaultsAndACappedCount) {
    store_.Put("Exts0", "3");
    store_.Put("ExtName0_0", "txt");
    store_.Put("ExtColor0_0", "255");
    store_.Put("ExtFont0_0_lfHeight", "-14");
    store_.Put("ExtFont0_0_lfFaceName", "Courier New");
    store_.Put("ExtName0_1", "verylongname");
    Load();
    const ZIPINFO& label = g_labelRecords[0];
    ASSERT_EQ(label.NumExtStyles, 3);
    ASSERT_NE(label.ExtStyles, nullptr);
    EXPECT_STREQ(label.ExtStyles[0].ExtName, "txt");
    EXPECT_EQ(label.ExtStyles[0].ExtColor, 255u);
    EXPECT_EQ(label.ExtStyles[0].ExtFont.lfHeight, -14);
    EXPECT_STREQ(label.ExtStyles[0].ExtFont.lfFaceName, "Courier New");
    EXPECT_STREQ(label.ExtStyles[1].ExtName, "verylon");
    EXPECT_STREQ(label.ExtStyles[2].ExtName, "xxx");
    EXPECT_EQ(label.ExtStyles[2].ExtColor, 0u);
    EXPECT_EQ(label.ExtStyles[2].ExtFont.lfHeight, -1);

    store_.Put("Exts0", "2147483647");
    Load();
    EXPECT_EQ(g_labelRecords[0].NumExtStyles, kMaxExtStyles);
    store_.Put("Exts0", "-1");
    Load();
    EXPECT_EQ(g_labelRecords[0].NumExtStyles, 0);
    EXPECT_EQ(g_labelRecords[0].ExtStyles, nullptr);
}

TEST_F(LoadSettingsTest, LoadingAgainReplacesTheStylesAndPatterns) {
    // The sanitizers' leak check fails this test if the first arrays leak.
    store_.Put("Exts0", "2");
    store_.Put("NumExclude", "2");
    ResetProgramState(kKestrinProfile);
    LoadSettings(kKestrinProfile, &view_, ProgramStoredSettings());
    store_.Put("Exts0", "1");
    store_.Put("NumExclude", "1");
    LoadSettings(kKestrinProfile, &view_, ProgramStoredSettings());
    EXPECT_EQ(g_labelRecords[0].NumExtStyles, 1);
    EXPECT_EQ(g_scan.NumExclude, 1);
}

TEST_F(LoadSettingsTest, ColoursKeepRedGreenAndBlueOnly) {
    store_.Put("BkgndColor0", "-1");
    store_.Put("BackColor", "4294967295");
    store_.Put("CustColor0", "16777216");
    store_.Put("ExtColor0_0", "-16777216");
    store_.Put("Exts0", "1");
    Load();
    EXPECT_EQ(g_labelRecords[0].BkgndColor, 0xFFFFFFu);
    EXPECT_EQ(g_settings.BackColor, 0xFFFFFFu);
    EXPECT_EQ(g_settings.CustColors[0], 0u);
    EXPECT_EQ(g_labelRecords[0].ExtStyles[0].ExtColor, 0u);
}

TEST_F(LoadSettingsTest, PlacementAndPositionsStayWithinSaneBounds) {
    store_.Put("NewPosX", "2147483647");
    store_.Put("NewPosY", "-2147483648");
    store_.Put("SideMargin", "-20");
    store_.Put("MainWindowX", "2147483647");
    store_.Put("ExtWindowY", "-99999");
    Load();
    EXPECT_DOUBLE_EQ(g_settings.NewPosX, 50.0);
    EXPECT_DOUBLE_EQ(g_settings.NewPosY, -50.0);
    EXPECT_DOUBLE_EQ(g_settings.NewPosX2, 50.0) << "the default follows, then is held at the bound too";
    EXPECT_DOUBLE_EQ(g_settings.SideMargin, 0.0);
    EXPECT_EQ(g_settings.Windows[WINDOW_MAIN].x, 32767);
    EXPECT_EQ(g_settings.Windows[WINDOW_EXT].y, -32767);
}

TEST_F(LoadSettingsTest, ALongCommentIsCutAndTerminated) {
    store_.Put("Comment0", std::string(2000, 'c'));
    store_.Put("Initials", std::string(100, 'i'));
    store_.Put("Number", "123456789");
    store_.Put("Recent4", std::string(300, 'r'));
    Load();
    EXPECT_EQ(std::string(g_labelRecords[0].Comment), std::string(254, 'c'));
    EXPECT_EQ(std::string(g_settings.Initials), std::string(63, 'i'));
    EXPECT_STREQ(g_settings.Number, "1234567");
    EXPECT_EQ(std::string(g_settings.Recent[4]), std::string(254, 'r'));
}

TEST_F(LoadSettingsTest, FontWithoutHeightLoadsUnsetAndUnderlineNeverLoads) {
    store_.Put("Font0_lfWeight", "700");
    store_.Put("Font0_lfFaceName", "Verdana");
    store_.Put("SpineFont0_lfHeight", "-20");
    store_.Put("SpineFont0_lfUnderline", "1");
    Load();
    EXPECT_EQ(g_labelRecords[0].Font.lfHeight, -1);
    EXPECT_EQ(g_labelRecords[0].Font.lfWeight, 700);
    EXPECT_EQ(g_labelRecords[0].SpineFont.lfHeight, -20);
    EXPECT_EQ(g_labelRecords[0].SpineFont.lfUnderline, 0);
}

TEST_F(LoadSettingsTest, WimbrookKeepsNineLabelsEachWithItsOwnKeys) {
    for (int i = 0; i < 9; ++i) store_.Put("Columns" + std::to_string(i), std::to_string(i % 8));
    store_.Put("Comment8", "ninth");
    store_.Put("Zoom", "0");
    store_.Put("Columns9", "1");  // no tenth label
    Load(kWimbrookProfile);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(g_labelRecords[i].Columns, i % 8) << i;
    EXPECT_STREQ(g_labelRecords[8].Comment, "ninth");
    EXPECT_STREQ(g_labelRecords[7].Comment, kDefaultComment);
    EXPECT_EQ(view_.fullSize, 1) << "Wimbrook always starts zoomed";
}

}  // namespace
