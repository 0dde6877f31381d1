// The scanner, the readers, the disk facts and the CD reader on real folder
// trees read through the real Win32 listing under Wine. make_trees.py builds
// the trees and maps each to the letter named here.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/archive_reader.h"
#include "catalog/audio_cd.h"
#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "catalog/macros.h"
#include "catalog/read_disk.h"
#include "catalog/scan_settings.h"
#include "catalog/scanner.h"
#include "base/text_field.h"
#include "catalog/win32/catalog_hooks_win32.h"
#include "catalog/win32/dates_win32.h"
#include "editions/edition.h"
#include "shell/program_records.h"
#include "tests/support/catalog_dump.h"
#include "tests/support/report_recorder.h"

namespace {

constexpr char kBasic = 'E', kLevels = 'F', kArchives = 'G', kExclude = 'H', kSizes = 'I', kHidden = 'J',
               kNames = 'K', kTracks = 'L', kEmpty = 'M', kUnicode = 'N';

struct DiskTest : ::testing::Test {
    ZIPINFO label = {};
    ReportRecorder recorder;

    void SetUp() override {
        InstallWin32CatalogHooks();
        InstallWin32DateHook();
        FreeExcludePatterns(&g_scan);
        g_scan = ScanSettings{};
    }
    void TearDown() override {
        FreeCatalog(&label);
        FreeExcludePatterns(&g_scan);
        EXPECT_FALSE(ArchiveIsOpen());
        EXPECT_TRUE(recorder.reports().empty());
    }
    // Scans the drive and returns the catalog sorted by name.
    std::string Scan(char drive, int levels, const EditionProfile& edition = kKestrinProfile) {
        EXPECT_EQ(ScanDrive(drive, "", 0, levels, &label, edition, kArchiveModeNone, g_scan), &label);
        label.SortMode = 1;
        label.Direction = 1;
        SortCatalog(&label);
        return DumpCatalog(&label);
    }
};

// The size of a file on a mapped drive, as Windows reports it.
std::string SizeOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return "?";
    return std::to_string(data.nFileSizeLow);
}

std::string LocaleDate(DWORD format) {
    char date[128] = "";
    GetDateFormatA(LOCALE_USER_DEFAULT, format, nullptr, nullptr, date, sizeof date);
    return date;
}

std::vector<std::string> LinesOf(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST_F(DiskTest, FactsOfTheVolumeAndTheMacrosQuotingThem) {
    std::string before[2] = {LocaleDate(DATE_SHORTDATE), LocaleDate(DATE_LONGDATE)};
    EXPECT_EQ(Scan(kBasic, 1), "a.txt|5, b.txt|5, c.txt|5, docs|[dir]{d.txt|10, e.txt|10}");
    std::string after[2] = {LocaleDate(DATE_SHORTDATE), LocaleDate(DATE_LONGDATE)};
    EXPECT_STREQ(label.VolumeName, "BASICVOL");
    EXPECT_EQ(label.NumFiles, 5);
    EXPECT_EQ(label.NumFolders, 1);
    // All three figures hold the host volume's size, whatever it is.
    std::vector<std::string> facts = LinesOf("E:\\.facts");
    ASSERT_EQ(facts.size(), 1u);
    EXPECT_EQ(std::to_string(label.SpaceTotal), facts[0]);
    EXPECT_EQ(label.SpaceUsed + label.SpaceFree, label.SpaceTotal);
    ULARGE_INTEGER available, total, totalFree;
    ASSERT_TRUE(GetDiskFreeSpaceExA("E:\\", &available, &total, &totalFree));
    // Today's, on either side of a midnight the scan may have crossed.
    EXPECT_TRUE(label.ShortDate == before[0] || label.ShortDate == after[0]) << label.ShortDate;
    EXPECT_TRUE(label.LongDate == before[1] || label.LongDate == after[1]) << label.LongDate;

    CopyField(label.Comment, "%files% files in %folders% folders, %spacefree% free (%shortdate%)");
    char out[kExpandedCommentSize];
    ExpandMacros(&label, out);
    // Others write to the same volume meanwhile: the free space may move a little.
    double freeMegabytes = 0;
    char shortDate[128] = "";
    ASSERT_EQ(std::sscanf(out, "5 files in 1 folders, %lfM free (%127[^)])", &freeMegabytes, shortDate), 2) << out;
    EXPECT_NEAR(freeMegabytes, static_cast<double>(available.QuadPart) / 1048576.0, 512.0);
    EXPECT_STREQ(shortDate, label.ShortDate);
}

TEST_F(DiskTest, RootOnlyScansListArchivesButNotFolders) {
    g_scan.ScanArchives = 1;
    std::string zip = SizeOf("F:\\root.zip");
    EXPECT_EQ(Scan(kLevels, 0), "A|[dir], deep|[dir], Empty|[dir], OnlyFiles|[dir], Root.Txt|1, root.zip|" + zip +
                                    "{inside.txt|2}");
    EXPECT_EQ(Scan(kLevels, 1), "A|[dir]{B|[dir]}, deep|[dir]{L1|[dir]}, Empty|[dir]{(Empty)|}, "
                                "OnlyFiles|[dir]{f.txt|1}, Root.Txt|1, root.zip|" + zip + "{inside.txt|2}");
}

TEST_F(DiskTest, EmptyFoldersAndDirectoriesOnlyScans) {
    EXPECT_EQ(Scan(kLevels, -2), "A|[dir]{B|[dir]{}}, deep|[dir]{L1|[dir]{L2|[dir]}}, Empty|[dir]{}, OnlyFiles|[dir]{}");
    EXPECT_EQ(label.NumFolders, 6);
    EXPECT_EQ(label.NumFiles, 1);  // L2, not descended
}

TEST_F(DiskTest, AllLevelsReadsFifteenLevelsOfADeeperTree) {
    Scan(kLevels, kAllLevels);
    const CatalogEntry* e = FindEntry(&label, "deep");
    std::string chain;
    while (e && e->HasSubtree == 1) {
        chain += std::string(e->Name) + " ";
        ASSERT_EQ(e->Child->NumEntries, 1);
        e = &e->Child->Entries[0];
    }
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(chain, "deep L1 L2 L3 L4 L5 L6 L7 L8 L9 L10 L11 L12 L13 L14 ");
    EXPECT_STREQ(e->Name, "L15");  // in the listing at depth 15: not read
    EXPECT_STREQ(e->EntryComment, "[dir]");
}

TEST_F(DiskTest, ExcludeAndIncludeModes) {
    const char* patterns[] = {".TMP"};
    SetExcludePatterns(&g_scan, patterns, 1);
    g_scan.ExcludeMode = 1;
    EXPECT_EQ(Scan(kExclude, 1), "keep.txt|8, notes.tmp|[dir]{in.txt|16}");
    g_scan.ExcludeMode = 0;
    EXPECT_EQ(Scan(kExclude, 1), "notes.tmp|[dir]{}, report.tmp|10, Upper.Tmp|9, x.tmp.txt|9");
}

TEST_F(DiskTest, SizeTextsAndFolderSizes) {
    EXPECT_EQ(Scan(kSizes, 0), "exact|[dir], over|[dir], s1023|1023, s1024|1K, s1048575|1023K, s1048576|1.0M");
    g_scan.DirComm = 2;
    EXPECT_EQ(Scan(kSizes, 1), "exact|1024K{half1|512K, half2|512K}, over|1.0M{half1|512K, half2|512K}, "
                               "s1023|1023, s1024|1K, s1048575|1023K, s1048576|1.0M");
    g_scan.DirComm = 1;
    EXPECT_EQ(Scan(kSizes, 1).substr(0, 16), "exact|2{half1|51");
}

TEST_F(DiskTest, HiddenFoldersAreSkippedWithEverythingBelow) {
    EXPECT_EQ(Scan(kHidden, kAllLevels), "sub|[dir]{shown.txt|1}, visible.txt|1");
    EXPECT_EQ(label.NumFiles, 2);
}

TEST_F(DiskTest, NamesSoftenedCutAndKeptWithAnyPrintableByte) {
    Scan(kNames, kAllLevels);
    EXPECT_NE(FindEntry(&label, "Config.Sys"), nullptr);
    EXPECT_NE(FindEntry(&label, "Readme"), nullptr);
    EXPECT_NE(FindEntry(&label, "ReadMe.TXT"), nullptr);
    const CatalogEntry* lower = FindEntry(&label, "lower");
    ASSERT_NE(lower, nullptr);
    EXPECT_EQ(DumpCatalog(lower->Child), "config.SYS|1");
    std::vector<std::string> names = LinesOf("K:\\.names");
    ASSERT_EQ(names.size(), 3u);
    for (const std::string& name : names) EXPECT_NE(FindEntry(&label, name.c_str()), nullptr) << name;
    // Names with characters Windows forbids come through in some form; none is lost.
    EXPECT_EQ(label.NumEntries, 16);
    // A folder whose listing would exceed the system's path limit stays "[dir]".
    const CatalogEntry* longFolder = FindEntry(&label, std::string(63, 'd').c_str());
    ASSERT_NE(longFolder, nullptr);
    ASSERT_EQ(longFolder->HasSubtree, 1);
    EXPECT_EQ(DumpCatalog(longFolder->Child), std::string(63, 'e') + "|[dir]");
}

TEST_F(DiskTest, ZipAndArjArchivesAsFolders) {
    g_scan.ScanArchives = 1;
    std::string folded = "{a|[dir]{|0, b|[dir]{|0, c.txt|1}}, docs|[dir]{|0, readme.txt|8}, "
                         "src|[dir]{|0, |0, main.c|29, util.c|10}}";
    std::string nofirst = ", nofirst.arj|" + SizeOf("G:\\nofirst.arj");
    EXPECT_EQ(Scan(kArchives, 1),
              "archive.zip.bak|" + SizeOf("G:\\archive.zip.bak") + folded + ", dir.zip|[dir]{inside.txt|28}, "
              "empty.zip|22, longcomment.zip|2K" + nofirst + ", old.arj|" + SizeOf("G:\\old.arj") +
              "{docs|[dir]{readme.txt|8}, src|[dir]{main.c|29, util.c|10}}, pack.zip|" + SizeOf("G:\\pack.zip") +
              folded + ", python.zip|6K{after|[dir]{extra.txt|700}, commented.txt|5, src|[dir]{main.c|1, util.c|2}}");
    std::string rootOnly = "archive.zip.bak|" + SizeOf("G:\\archive.zip.bak") + folded + ", dir.zip|[dir], ";
    EXPECT_EQ(Scan(kArchives, 0).substr(0, rootOnly.size()), rootOnly);
    g_scan.ScanArchives = 0;
    EXPECT_EQ(Scan(kArchives, 0), "archive.zip.bak|" + SizeOf("G:\\archive.zip.bak") +
                                      ", dir.zip|[dir], empty.zip|22, longcomment.zip|2K" + nofirst + ", old.arj|" +
                                      SizeOf("G:\\old.arj") + ", pack.zip|" + SizeOf("G:\\pack.zip") + ", python.zip|6K");
}

TEST_F(DiskTest, NamesTheCodePageLacksOpenByShortNameAndUtf8MemberNamesComeInTheCodePage) {
    // The tests run in a pinned locale, whose code page is Windows-1252.
    ASSERT_EQ(GetACP(), 1252u);
    g_scan.ScanArchives = 1;
    std::string dump = Scan(kUnicode, 1);
    // A Japanese folder and archive come as "?" for each character, and are
    // read through their short names; zip stores UTF-8 member names
    // without a flag, Python's zipfile with one.
    const CatalogEntry* japaneseZip = FindEntry(&label, "??.zip");
    ASSERT_NE(japaneseZip, nullptr) << dump;
    const std::string uber = "\xFC" "ber.txt|1";
    EXPECT_EQ(dump, "??.zip|" + std::string(japaneseZip->EntryComment) + "{a.txt|1}, ???????|[dir]{inside.txt|2}, " +
                        "flagged.zip|" + SizeOf("N:\\flagged.zip") + "{??|[dir]{x.txt|1}, " + uber + "}, " +
                        "unflagged.zip|" + SizeOf("N:\\unflagged.zip") + "{???????|[dir]{inside.txt|2}, " + uber +
                        "}, " + uber);
}

TEST_F(DiskTest, AudioTrackFilesAreTimedInDovantel) {
    EXPECT_EQ(Scan(kTracks, 0, kDovantelProfile), "Track01.cda| 4:05, Track12.cda| 10:00, Track1x.cda|44");
    EXPECT_EQ(Scan(kTracks, 0, kKestrinProfile), "Track01.cda|44, Track12.cda|44, Track1x.cda|44");
    EXPECT_EQ(std::string(label.VolumeName), "Tracks " + std::string(56, 'x'));  // a long label cut to 63
}

TEST_F(DiskTest, AnEmptyDriveGivesAnEmptyCatalogWithFreshFacts) {
    label.SpaceTotal = 5;
    EXPECT_EQ(Scan(kEmpty, 1), "");
    EXPECT_EQ(label.Entries, nullptr);
    ULARGE_INTEGER available, total, totalFree;
    ASSERT_TRUE(GetDiskFreeSpaceExA("M:\\", &available, &total, &totalFree));
    EXPECT_EQ(label.SpaceTotal, static_cast<int64_t>(total.QuadPart));
    EXPECT_NE(label.ShortDate[0], '\0');
}

TEST_F(DiskTest, AFolderDriveHoldsNoAudioCd) {
    CopyField(label.VolumeName, "KEEP");
    EXPECT_EQ(ReadAudioCD(kBasic, &label), 0);
    EXPECT_STREQ(label.VolumeName, "KEEP");
    EXPECT_EQ(label.NumEntries, 0);
}

TEST_F(DiskTest, ReadDiskScansTheChosenDriveIntoTheCurrentLabel) {
    InitLabelRecords(1);
    g_scan.Drive = kBasic;
    g_scan.DispSub = 0;
    EXPECT_FALSE(ReadDisk(g_currentLabel, TheEdition(), g_scan));
    g_currentLabel->SortMode = 1;
    g_currentLabel->Direction = 1;
    SortCatalog(g_currentLabel);
    EXPECT_EQ(DumpCatalog(g_currentLabel), "a.txt|5, b.txt|5, c.txt|5, docs|[dir]");
    FreeCatalog(g_currentLabel);
}

}  // namespace
