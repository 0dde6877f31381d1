// The real programs read a prepared INI file at start-up and write it back
// at exit: values fixed up, keys of every label, untouched extra keys.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <sstream>
#include <string>

#include "tools/driver/driver.h"
#include "tests/driver/host_files.h"

namespace {

using Section = std::map<std::string, std::string>;

// The INI text as sections of key/value pairs (order does not matter).
std::map<std::string, Section> ParseIni(const std::string& text) {
    std::map<std::string, Section> sections;
    std::istringstream in(text);
    std::string line, current;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
            current = line.substr(1, line.size() - 2);
            sections[current];
            continue;
        }
        size_t eq = line.find('=');
        if (eq != std::string::npos) sections[current][line.substr(0, eq)] = line.substr(eq + 1);
    }
    return sections;
}

const char* const kFontParts[] = {"lfHeight",       "lfWidth",         "lfEscapement", "lfOrientation",
                                  "lfWeight",       "lfItalic",        "lfStrikeOut",  "lfCharSet",
                                  "lfOutPrecision", "lfClipPrecision", "lfQuality",    "lfPitchAndFamily",
                                  "lfFaceName"};

std::string PreparedIni(bool floppy) {
    std::string ini =
        "[tlm5]\r\n"
        "Drive=68\r\nLabels=4\r\nDispSub=7\r\nWindScale=999\r\n"
        "Columns0=-4\r\nLined0=1\r\nSortMode0=7\r\nDirection0=-1\r\nComment0=Backup %shortdate%\r\n"
        "Font0_lfHeight=-13\r\nFont0_lfWeight=700\r\nFont0_lfUnderline=1\r\nFont0_lfFaceName=Verdana\r\n"
        "Exts0=1\r\nExtName0_0=txt\r\nExtColor0_0=255\r\nExtName0_2=stale\r\n"
        "NumExclude=2\r\nExclude0=.TMP\r\nExclude5=STALE\r\n"
        "Recent0=C:\\labels\\a.KSB\r\nInitials=QRS\r\nNumber=2,000\r\nStranger=keep me\r\n"
        "CustColor5=8421504\r\nHideDummy3=1\r\n";
    if (floppy) ini += "Columns8=2\r\nZoom=0\r\nComment8=ninth\r\n";
    ini += "[elsewhere]\r\nKey=untouched\r\n";
    return ini;
}

// A killed run of the read-only case may have left an edition's INI so;
// every test of this executable writes one.
struct WritableInis : testing::Environment {
    void SetUp() override {
        for (const char* edition : {"Kestrin", "Dovantel", "Wimbrook"}) MakeWritable(EditionIniPath(edition));
    }
};
testing::Environment* const kWritableInis = testing::AddGlobalTestEnvironment(new WritableInis);

class SettingsProgramTest : public testing::TestWithParam<const char*> {
protected:
    void TearDown() override {
        KillProgram(&run_);
        MakeWritable(EditionIniPath(GetParam()));
    }
    // Starts the edition on the INI text, replaces the file with `running`
    // once the program has read it, closes the program and returns what it
    // wrote: every key the program stores must come from its exit.
    std::string RunOn(const std::string& ini, const std::string& running = "") {
        EXPECT_TRUE(WriteEditionIni(GetParam(), ini.c_str()));
        std::string error;
        if (!StartEdition(&run_, GetParam(), "", &error)) {
            ADD_FAILURE() << error;
            return std::string();
        }
        // A first start asks for the drive; the answer here is Cancel.
        if (ini.find("Drive=") == std::string::npos) CancelDriveDialog(run_, 2000);
        EXPECT_TRUE(WriteEditionIni(GetParam(), running.c_str()));
        DWORD code = 1234;
        EXPECT_TRUE(CloseProgram(&run_, &code));
        EXPECT_EQ(code, 0u);
        std::string written;
        EXPECT_TRUE(ReadEditionIni(GetParam(), &written));
        return written;
    }
    ProgramRun run_;
};

TEST_P(SettingsProgramTest, ExitWritesTheSettingsBackAndLeavesOtherKeys) {
    bool floppy = std::string(GetParam()) == "Wimbrook";
    // While the program runs the file holds only the keys it leaves alone.
    std::string alone = "[tlm5]\r\nExtName0_2=stale\r\nExclude5=STALE\r\nInitials=QRS\r\nStranger=keep me\r\n"
                        "Font0_lfUnderline=1\r\n" + std::string(floppy ? "Number=2,000\r\n" : "") +
                        "[elsewhere]\r\nKey=untouched\r\n";
    std::string text = RunOn(PreparedIni(floppy), alone);
    auto ini = ParseIni(text);
    ASSERT_TRUE(ini.count("tlm5")) << text;
    Section& s = ini["tlm5"];

    // Fixed up on loading, written back.
    EXPECT_EQ(s["Drive"], "68");
    EXPECT_EQ(s["Labels"], "10");
    EXPECT_EQ(s["DispSub"], "4");
    EXPECT_EQ(s["WindScale"], "150");
    EXPECT_EQ(s["Columns0"], "4");
    EXPECT_EQ(s["Lined0"], "0");
    EXPECT_EQ(s["SortMode0"], "3");
    EXPECT_EQ(s["Direction0"], "-1");
    EXPECT_EQ(s["Comment0"], "Backup %shortdate%");
    EXPECT_EQ(s["Font0_lfHeight"], "-13");
    EXPECT_EQ(s["Font0_lfWeight"], "700");
    EXPECT_EQ(s["Font0_lfFaceName"], "Verdana");
    EXPECT_EQ(s["Exts0"], "1");
    EXPECT_EQ(s["ExtName0_0"], "txt");
    EXPECT_EQ(s["ExtColor0_0"], "255");
    EXPECT_EQ(s["NumExclude"], "2");
    EXPECT_EQ(s["Exclude0"], ".TMP");
    EXPECT_EQ(s["Exclude1"], "001");
    EXPECT_EQ(s["Recent0"], "C:\\labels\\a.KSB");
    EXPECT_TRUE(s.count("Recent4"));
    EXPECT_EQ(s["CustColor5"], "8421504");
    EXPECT_EQ(s["HideDummy3"], "1");
    EXPECT_EQ(s["Zoom"], floppy ? "1" : "0");
    EXPECT_EQ(s["OrigPosition"], "1");
    EXPECT_EQ(s["NewPosX"], floppy ? "130" : "1000");
    EXPECT_EQ(s["PrinterOrientation"], floppy ? "1" : "2");
    EXPECT_EQ(s["ExcludeMode"], "1");
    EXPECT_EQ(s["DirComm"], "0");
    for (const char* w : {"MainWindow", "PrintSetupWindow", "DummyWindow"}) {
        EXPECT_TRUE(s.count(std::string(w) + "X")) << w;
        EXPECT_TRUE(s.count(std::string(w) + "Y")) << w;
    }

    // Every label's keys, and no more labels than the edition has.
    int labels = floppy ? 9 : 1;
    for (int i = 0; i < labels; ++i) {
        std::string l = std::to_string(i);
        for (const char* k : {"SortMode", "Direction", "Columns", "Lined", "ShowSize", "ShowExt", "ShowComm",
                              "ShowZip", "LblFmt", "Opposing", "BkgndColor", "FontColor", "DirFontColor",
                              "CommFontColor", "Comment", "SpineFontColor", "SpineBkgndColor", "SpineAlign",
                              "ZipColor", "Exts"})
            EXPECT_TRUE(s.count(k + l)) << k << l;
        for (const char* font : {"Font", "DirFont", "CommFont", "SpineFont"})
            for (const char* part : kFontParts) EXPECT_TRUE(s.count(font + l + "_" + part)) << font << l << part;
    }
    EXPECT_FALSE(s.count("Columns" + std::to_string(labels)));
    EXPECT_FALSE(s.count("DirFont0_lfUnderline")) << "underline is never stored";
    if (floppy) {
        EXPECT_EQ(s["Columns8"], "2");
        EXPECT_EQ(s["Comment8"], "ninth");
        EXPECT_EQ(s["Columns7"], "3");
        EXPECT_EQ(s["ShowSize3"], "0");
        EXPECT_EQ(s["Opposing3"], "1");
    }

    // Left as they were.
    EXPECT_EQ(s["ExtName0_2"], "stale");
    EXPECT_EQ(s["Exclude5"], "STALE");
    EXPECT_EQ(s["Initials"], "QRS");
    EXPECT_EQ(s["Number"], "2,000");
    EXPECT_EQ(s["Stranger"], "keep me");
    EXPECT_EQ(s["Font0_lfUnderline"], "1");
    EXPECT_EQ(ini["elsewhere"]["Key"], "untouched");
}

TEST_P(SettingsProgramTest, WithoutAnIniTheProgramStartsAndWritesAFullOne) {
    std::string text = RunOn("");
    auto ini = ParseIni(text);
    Section& s = ini["tlm5"];
    EXPECT_EQ(s["Drive"], "67") << "the drive chosen for a first start";
    EXPECT_EQ(s["Labels"], "10");
    EXPECT_EQ(s["Columns0"], "3");
    EXPECT_EQ(s["Comment0"], "%spacefree% free, %spaceused% used  (%shortdate%)");
    EXPECT_EQ(s["NumExclude"], "0");
    EXPECT_FALSE(s.count("Initials"));
}

TEST_P(SettingsProgramTest, AReadOnlyIniIsLeftAsItIsAndTheProgramExitsCleanly) {
    const std::string original = "[tlm5]\r\nColumns0=5\r\nDrive=68\r\n";
    ASSERT_TRUE(WriteEditionIni(GetParam(), original.c_str()));
    std::string cannot = MakeReadOnly(EditionIniPath(GetParam()));
    if (!cannot.empty()) GTEST_SKIP() << cannot;
    std::string error;
    ASSERT_TRUE(StartEdition(&run_, GetParam(), "", &error)) << error;
    DWORD code = 1234;
    ASSERT_TRUE(CloseProgram(&run_, &code));
    EXPECT_EQ(code, 0u);
    std::string written;
    ASSERT_TRUE(ReadEditionIni(GetParam(), &written));
    EXPECT_EQ(written, original);
}

INSTANTIATE_TEST_SUITE_P(Editions, SettingsProgramTest, testing::Values("Kestrin", "Wimbrook"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

}  // namespace
