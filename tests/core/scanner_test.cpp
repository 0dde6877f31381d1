// The scanner over folder trees held in memory: depth limits, placeholders,
// hidden and excluded names, size texts, archives, post-processing, and the
// trees that push the limits (long names, any bytes, deep trees, big folders).
#include <gtest/gtest.h>

#include <string>

#include "catalog/archive_reader.h"
#include "catalog/catalog_ops.h"
#include "catalog/dates.h"
#include "catalog/disk_facts.h"
#include "catalog/scan_settings.h"
#include "catalog/scanner.h"
#include "tests/support/archive_builder.h"
#include "tests/support/catalog_dump.h"
#include "tests/support/memory_disk.h"
#include "tests/support/report_recorder.h"

namespace {

void FixedDates(char* shortDate, int shortSize, char* longDate, int longSize) {
    std::snprintf(shortDate, static_cast<size_t>(shortSize), "1/2/03");
    std::snprintf(longDate, static_cast<size_t>(longSize), "Thursday, January 2, 2003");
}
bool Space(const char* root, uint64_t* total, uint64_t* free) {
    if (std::string(root) != "T:\\") return false;
    *total = 104857600;
    *free = 41943040;
    return true;
}
bool Label(const char*, char* label, int size) {
    std::snprintf(label, static_cast<size_t>(size), "SCANVOL");
    return true;
}
const DiskQueries kQueries = {Space, Label};

struct ScannerTest : ::testing::Test {
    MemoryDisk disk;
    ZIPINFO label = {};
    ReportRecorder recorder;

    void SetUp() override {
        InstallMemoryDisk(&disk);
        SetDiskQueries(&kQueries);
        SetTodayDatesHook(FixedDates);
        FreeExcludePatterns(&g_scan);
        g_scan = ScanSettings{};
        g_scan.Drive = 'T';
        disk.folders["T:"];
    }
    void TearDown() override {
        FreeCatalog(&label);
        FreeExcludePatterns(&g_scan);
        EXPECT_FALSE(ArchiveIsOpen());
        EXPECT_EQ(disk.openListings, 0);
        EXPECT_EQ(disk.openFiles, 0);
        EXPECT_TRUE(recorder.reports().empty());
        InstallMemoryDisk(nullptr);
        SetDiskQueries(nullptr);
        SetTodayDatesHook(nullptr);
    }
    std::string Scan(int levels, const EditionProfile& edition = kKestrinProfile) {
        EXPECT_EQ(ScanDrive('T', "", 0, levels, &label, edition, kArchiveModeNone, g_scan), &label);
        return DumpCatalog(&label);
    }
    bool Asked(const std::string& pattern) const {
        for (const std::string& p : disk.patterns)
            if (p == pattern) return true;
        return false;
    }
};

TEST_F(ScannerTest, DepthLimitsPlaceholdersAndDirectoriesOnly) {
    disk.AddFolder("T:\\A");
    disk.AddFolder("T:\\A\\B");
    disk.AddFile("T:\\A\\B\\deep.txt", "xyz");
    disk.AddFolder("T:\\Empty");
    disk.AddFolder("T:\\OnlyFiles");
    disk.AddFile("T:\\OnlyFiles\\f.txt", "f");
    disk.AddFile("T:\\ROOT.TXT", "r");
    EXPECT_EQ(Scan(0), "A|[dir], Empty|[dir], OnlyFiles|[dir], Root.Txt|1");
    EXPECT_EQ(Scan(1), "A|[dir]{B|[dir]}, Empty|[dir]{(Empty)|}, OnlyFiles|[dir]{f.txt|1}, Root.Txt|1");
    EXPECT_EQ(Scan(kAllLevels),
              "A|[dir]{B|[dir]{deep.txt|3}}, Empty|[dir]{(Empty)|}, OnlyFiles|[dir]{f.txt|1}, Root.Txt|1");
    EXPECT_EQ(Scan(-kAllLevels), "A|[dir]{B|[dir]{}}, Empty|[dir]{}, OnlyFiles|[dir]{}");
    EXPECT_EQ(Scan(-1), "A|[dir]{B|[dir]}, Empty|[dir]{}, OnlyFiles|[dir]{}");
    EXPECT_EQ(label.NumFolders, 3);  // B is not descended: a "[dir]" without subtree counts as a file
    EXPECT_EQ(label.NumFiles, 1);
}

TEST_F(ScannerTest, AllLevelsStopsAtFifteenInTreesDeeperThanThat) {
    std::string path = "T:";
    for (int level = 1; level <= 20; ++level) {
        path += "\\L" + std::to_string(level);
        disk.AddFolder(path);
    }
    Scan(kAllLevels);
    const ZIPINFO* list = &label;
    int descended = 0;
    while (list->NumEntries == 1 && list->Entries[0].HasSubtree == 1) {
        list = list->Entries[0].Child;
        ++descended;
    }
    EXPECT_EQ(descended, 15);
    ASSERT_EQ(list->NumEntries, 1);
    EXPECT_STREQ(list->Entries[0].Name, "L16");
    EXPECT_STREQ(list->Entries[0].EntryComment, "[dir]");
    Scan(1000);  // a stored level beyond the choices goes no deeper
    EXPECT_EQ(label.NumFolders, 15);
}

TEST_F(ScannerTest, HiddenNamesAreSkippedWithEverythingBelow) {
    disk.AddFolder("T:\\.secret", kAttrFolder | kAttrHidden);
    disk.AddFile("T:\\.secret\\password.txt", "pw");
    disk.AddFile("T:\\.hidden", "h", kAttrHidden);
    disk.AddFile("T:\\shown.txt", "s");
    EXPECT_EQ(Scan(kAllLevels), "shown.txt|1");
    EXPECT_FALSE(Asked("T:\\.secret\\*.*"));
}

TEST_F(ScannerTest, ExclusionInBothModesNeverLeavesOutFolders) {
    disk.AddFile("T:\\report.tmp", "1");
    disk.AddFile("T:\\x.tmp.txt", "22");
    disk.AddFile("T:\\keep.txt", "333");
    disk.AddFile("T:\\UPPER.TMP", "4444");
    disk.AddFolder("T:\\folder.tmp");
    disk.AddFolder("T:\\plain");
    const char* patterns[] = {".TMP"};
    SetExcludePatterns(&g_scan, patterns, 1);
    g_scan.ExcludeMode = 1;
    EXPECT_EQ(Scan(0), "keep.txt|3, folder.tmp|[dir], plain|[dir]");
    g_scan.ExcludeMode = 0;
    EXPECT_EQ(Scan(0), "report.tmp|1, x.tmp.txt|2, Upper.Tmp|4, folder.tmp|[dir], plain|[dir]");
    // An empty list leaves everything in.
    FreeExcludePatterns(&g_scan);
    g_scan.ExcludeMode = 0;
    EXPECT_EQ(label.NumEntries, 5);
    EXPECT_EQ(Scan(0), "report.tmp|1, x.tmp.txt|2, keep.txt|3, Upper.Tmp|4, folder.tmp|[dir], plain|[dir]");
}

TEST_F(ScannerTest, SizeTextsAndTheLow32BitsOfLargeFiles) {
    disk.AddSized("T:\\a", 1023);
    disk.AddSized("T:\\b", 1024);
    disk.AddSized("T:\\c", 1048575);
    disk.AddSized("T:\\d", 1048576);
    disk.AddSized("T:\\e", 4294967295ull);
    disk.AddSized("T:\\f", 4294967296ull + 2048);  // 4 GiB + 2K keeps 2K
    EXPECT_EQ(Scan(0), "a|1023, b|1K, c|1023K, d|1.0M, e|4096.0M, f|2K");
    EXPECT_EQ(label.Entries[5].Size, 2048u);
}

TEST_F(ScannerTest, FolderSummariesCountEntriesOrTotalSizes) {
    disk.AddFolder("T:\\exact");
    disk.AddSized("T:\\exact\\half1", 524288);
    disk.AddSized("T:\\exact\\half2", 524288);
    disk.AddFolder("T:\\over");
    disk.AddSized("T:\\over\\big", 1048576);
    disk.AddFolder("T:\\over\\sub");
    disk.AddSized("T:\\over\\sub\\one", 1);
    disk.AddFolder("T:\\empty");
    g_scan.DirComm = 2;
    EXPECT_EQ(Scan(kAllLevels), "exact|1024K{half1|512K, half2|512K}, over|1.0M{big|1.0M, sub|0K{one|1}}, empty|0K{(Empty)|}");
    g_scan.DirComm = 1;
    EXPECT_EQ(Scan(kAllLevels), "exact|2{half1|512K, half2|512K}, over|3{big|1.0M, sub|1{one|1}}, empty|1{(Empty)|}");
    g_scan.DirComm = 0;
    EXPECT_EQ(Scan(1), "exact|[dir]{half1|512K, half2|512K}, over|[dir]{big|1.0M, sub|[dir]}, empty|[dir]{(Empty)|}");
}

TEST_F(ScannerTest, AllCapitalNamesAreSoftened) {
    for (const char* name : {"CONFIG.SYS", "config.SYS", "README", "ReadMe.TXT", "A.B.C", "X", "_1.TXT", "MY DOC.TXT2"})
        disk.AddFile(std::string("T:\\") + name, "");
    disk.AddFolder("T:\\PROGRAMS");
    EXPECT_EQ(Scan(0), "Config.Sys|0, config.SYS|0, Readme|0, ReadMe.TXT|0, A.B.c|0, X|0, _1.Txt|0, My doc.Txt2|0, "
                       "Programs|[dir]");
}

TEST_F(ScannerTest, ArchivesAreListedWhateverTheDepthButNeverNested) {
    std::string pack = BuildZip({{"src\\main.c", "12345", "", ""},
                                 {"SRC\\util.c", "1", "", ""},
                                 {"inner.zip", std::string(30, 'i'), "", ""},
                                 {"a/b/c.txt", "", "", ""}});
    std::string bak = BuildZip({{"bak.txt", "b", "", ""}});
    std::string arj = BuildArj({{"docs/readme.txt", "rr", {}}});
    std::string nothing = BuildArj({});
    disk.AddFile("T:\\pack.zip", pack);
    disk.AddFile("T:\\archive.zip.bak", bak);
    disk.AddFile("T:\\old.arj", arj);
    disk.AddFile("T:\\empty.zip", BuildZip({}));
    disk.AddFile("T:\\nothing.arj", nothing);
    disk.AddFolder("T:\\folder.zip");
    disk.AddFile("T:\\folder.zip\\in.txt", "in");
    auto size = [](const std::string& bytes) { return std::to_string(bytes.size()); };
    g_scan.ScanArchives = 1;
    std::string dump = Scan(0);
    EXPECT_EQ(dump, "pack.zip|" + size(pack) +
                        "{inner.zip|30, src|[dir]{main.c|5, util.c|1}, a|[dir]{b|[dir]{c.txt|0}}}, "
                        "archive.zip.bak|" + size(bak) + "{bak.txt|1}, old.arj|" + size(arj) +
                        "{docs|[dir]{readme.txt|2}}, empty.zip|22, nothing.arj|" + size(nothing) +
                        ", folder.zip|[dir]");
    EXPECT_FALSE(Asked("T:\\pack.zip\\inner.zip\\*.*"));
    EXPECT_EQ(label.NumFolders, 7);  // pack.zip, src, a, b, archive.zip.bak, old.arj, docs
    EXPECT_EQ(label.NumFiles, 9);
    g_scan.ScanArchives = 0;
    EXPECT_EQ(Scan(1), "pack.zip|" + size(pack) + ", archive.zip.bak|" + size(bak) + ", old.arj|" + size(arj) +
                           ", empty.zip|22, nothing.arj|" + size(nothing) + ", folder.zip|[dir]{in.txt|2}");
    // Directories-only scans never list archives: they are files.
    g_scan.ScanArchives = 1;
    EXPECT_EQ(Scan(-1), "folder.zip|[dir]{}");
}

TEST_F(ScannerTest, UnlistableFoldersStayDirEntriesAndTheScanGoesOn) {
    disk.AddFolder("T:\\denied");
    disk.AddFile("T:\\denied\\x", "x");
    disk.unlistable.insert("T:\\denied");
    disk.AddFolder("T:\\open");
    disk.AddFile("T:\\after.txt", "a");
    EXPECT_EQ(Scan(kAllLevels), "denied|[dir], open|[dir]{(Empty)|}, after.txt|1");
}

TEST_F(ScannerTest, UnlistableDriveGivesAnEmptyCatalogWithFreshFacts) {
    disk.unlistable.insert("T:");
    label.NumEntries = 1;
    label.Entries = NewEntries(1, "test");
    label.LayoutValid = 1;
    EXPECT_EQ(Scan(1), "");
    EXPECT_EQ(label.Entries, nullptr);
    EXPECT_STREQ(label.VolumeName, "SCANVOL");
    EXPECT_STREQ(label.ShortDate, "1/2/03");
    EXPECT_STREQ(label.LongDate, "Thursday, January 2, 2003");
    EXPECT_EQ(label.SpaceTotal, 104857600);
    EXPECT_EQ(label.LayoutValid, 0);
}

TEST_F(ScannerTest, LongNamesAnyBytesAndBigFolders) {
    std::string longName(259, 'n');
    longName[0] = 'N';
    disk.AddFolder("T:\\" + longName);
    disk.AddFile("T:\\" + longName + "\\inside", "i");
    std::string bytes;
    for (int c = 1; c < 256; ++c)
        if (c != '\\') bytes.push_back(static_cast<char>(c));
    for (size_t at = 0; at < bytes.size(); at += 50) disk.AddFile("T:\\" + bytes.substr(at, 50), "");
    for (int i = 0; i < 700; ++i) disk.AddFile("T:\\many\\" + std::to_string(i), "");
    disk.AddFolder("T:\\many");
    Scan(1);
    ASSERT_EQ(label.NumEntries, 8);
    EXPECT_EQ(std::string(label.Entries[0].Name), longName.substr(0, 63));
    EXPECT_TRUE(Asked("T:\\" + longName + "\\*.*"));  // descended by its whole name
    EXPECT_EQ(DumpCatalog(label.Entries[0].Child), "inside|1");
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(std::string(label.Entries[i].Name), bytes.substr(static_cast<size_t>(i - 1) * 50, 50));
    const ZIPINFO* many = label.Entries[7].Child;
    ASSERT_EQ(many->NumEntries, 700);
    EXPECT_STREQ(many->Entries[699].Name, "699");
}

TEST_F(ScannerTest, FactsAfterAScanCountFilesAndFolders) {
    for (const char* f : {"T:\\a.txt", "T:\\b.txt", "T:\\c.txt", "T:\\docs\\d.txt", "T:\\docs\\e.txt"})
        disk.AddFile(f, "x");
    disk.AddFolder("T:\\docs");
    Scan(1);
    EXPECT_EQ(label.NumFiles, 5);
    EXPECT_EQ(label.NumFolders, 1);
    EXPECT_EQ(label.SpaceUsed, 62914560);
    EXPECT_EQ(label.SpaceFree, 41943040);
}

std::string TrackBytes(uint32_t frames) {
    std::string data(44, '\0');
    data[32] = static_cast<char>(frames & 0xFF);
    data[33] = static_cast<char>((frames >> 8) & 0xFF);
    data[34] = static_cast<char>((frames >> 16) & 0xFF);
    return data;
}

TEST_F(ScannerTest, AudioTrackFilesAreTimedInDovantelOnly) {
    disk.AddFile("T:\\Track01.cda", TrackBytes(75 * 245 + 74));  // 4:05
    disk.AddFile("T:\\Track12.cda", TrackBytes(75 * 600));        // 10:00
    disk.AddSized("T:\\Track13.cda", 44);                         // cannot be read
    disk.AddFile("T:\\Track1x.cda", TrackBytes(75));
    disk.AddFile("T:\\track02.cda", TrackBytes(75));
    disk.AddFile("T:\\Track03.CDA", TrackBytes(75));
    disk.AddFile("T:\\Track04.cda", TrackBytes(75) + "!");
    EXPECT_EQ(Scan(0, kDovantelProfile),
              "Track01.cda| 4:05, Track12.cda| 10:00, Track13.cda|44, Track1x.cda|44, track02.cda|44, "
              "Track03.CDA|44, Track04.cda|45");
    EXPECT_EQ(Scan(0, kKestrinProfile),
              "Track01.cda|44, Track12.cda|44, Track13.cda|44, Track1x.cda|44, track02.cda|44, Track03.CDA|44, "
              "Track04.cda|45");
}

}  // namespace
