// labelfind: its matching rules, its output, and whole runs over small
// bodies written by the programs' own writer.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/text_field.h"
#include "catalog/catalog_ops.h"
#include "document/body_file.h"
#include "tests/support/label_file_builder.h"
#include "tools/labelfind/entry_match.h"
#include "tools/labelfind/find_options.h"
#include "tools/labelfind/label_find.h"
#include "tools/labelfind/match_output.h"

namespace fs = std::filesystem;

namespace {

CatalogEntry Entry(const char* name, const char* comment, uint32_t size, std::vector<CatalogEntry> children = {},
                   bool subtree = false) {
    CatalogEntry e = {};
    CopyField(e.Name, name);
    CopyField(e.EntryComment, comment);
    e.Size = size;
    if (subtree || !children.empty()) {
        e.HasSubtree = 1;
        e.Child = NewCatalogList();
        e.Child->NumEntries = static_cast<int>(children.size());
        e.Child->Entries = NewEntries(e.Child->NumEntries, "test");
        for (size_t i = 0; i < children.size(); ++i) e.Child->Entries[i] = children[i];
    }
    return e;
}

// A body of the current version holding the entries, written as the
// programs write it.
std::string Body(const char* volume, std::vector<CatalogEntry> entries) {
    ZIPINFO label = {};
    CopyField(label.VolumeName, volume);
    CopyField(label.ShortDate, "1/2/03");
    CatalogEntry root = Entry("", "", 0, entries, true);
    label.NumEntries = root.Child->NumEntries;
    label.Entries = root.Child->Entries;
    std::string bytes;
    EXPECT_TRUE(WriteBody(label, &bytes));
    FreeCatalog(&label);
    std::free(root.Child);
    return bytes;
}

struct Shelf {
    fs::path folder = fs::temp_directory_path() /
                      (std::string("labelfind_") + testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string out, err;
    Shelf() { fs::create_directories(folder); }
    ~Shelf() { fs::remove_all(folder); }
    void Put(const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }
    int Run(std::vector<std::string> args) {
        out.clear();
        err.clear();
        args.push_back(folder.string());
        FindSinks sinks{[this](std::string_view s) { out += s; }, [this](std::string_view s) { err += s; }};
        return RunLabelFind(args, sinks);
    }
};

std::string Disk() {
    return Body("SHELF 1", {Entry("Reports", "[dir]", 0,
                                  {Entry("2026", "[dir]", 0, {Entry("report-1.txt", "1K", 1500)}),
                                   Entry("report-1.txt", "10", 10)}),
                            Entry("Empty", "[dir]", 0, {Entry("(Empty)", "", 0)}), Entry("old", "[dir]", 0),
                            Entry("x.zip", "2K", 2048, {Entry("a.txt", "3", 3)}),
                            Entry("taxes-2021.xls", "for Bob", 3 << 20)});
}

bool Matches(const std::string& pattern, const std::string& text) {
    return WildcardMatch(MakeWildcard(pattern), text);
}

TEST(LabelFind, WildcardEdgesAndCase) {
    EXPECT_TRUE(Matches("*", ""));
    EXPECT_TRUE(Matches("*.jpg", "a.b.JPG"));
    EXPECT_TRUE(Matches("a*", "a"));
    EXPECT_TRUE(Matches("*b", "abab"));
    EXPECT_TRUE(Matches("?b?", "abc"));
    EXPECT_TRUE(Matches("R*\\*.txt", "Reports\\2026\\x.txt"));  // '*' takes '\' too
    EXPECT_FALSE(Matches("?", ""));
    EXPECT_FALSE(Matches("a?", "a"));
    EXPECT_FALSE(Matches("*b", "abc"));
    EXPECT_FALSE(Matches("abc", "abcd"));
    EXPECT_TRUE(Matches("a*b*b", "abb"));
    EXPECT_FALSE(Matches("a*b*b", "ab"));  // the middle piece may not take the tail's letter
    // Letters as the catalog sorts them: ASCII only, so É (0xC9) is not é (0xE9).
    EXPECT_FALSE(Matches("\xC9*", "\xE9t\xE9"));
}

TEST(LabelFind, KindsAndSizes) {
    CatalogEntry dir = Entry("old", "[dir]", 0), empty = Entry("(Empty)", "", 0), file = Entry("a", "3K", 3072);
    CatalogEntry archive = Entry("x.zip", "2K", 2048, {Entry("a.txt", "3", 3)});
    EntryFilter folders;
    folders.pattern = MakeWildcard("*");
    folders.files = false;
    EXPECT_TRUE(EntryMatches(folders, dir, "old", "old"));
    EXPECT_TRUE(EntryMatches(folders, archive, "x.zip", "x.zip"));
    EXPECT_FALSE(EntryMatches(folders, empty, "(Empty)", "(Empty)"));
    EntryFilter sized;
    sized.pattern = MakeWildcard("*");
    ASSERT_TRUE(ParseSize("3K", &sized.minSize) && ParseSize("3k", &sized.maxSize));
    EXPECT_TRUE(EntryMatches(sized, file, "a", "a"));
    EXPECT_FALSE(EntryMatches(sized, archive, "x.zip", "x.zip"));
    int64_t bytes = 0;
    EXPECT_TRUE(ParseSize("2M", &bytes) && bytes == 2 << 20);
    EXPECT_FALSE(ParseSize("1.5K", &bytes) || ParseSize("K", &bytes) || ParseSize("2KB", &bytes));
    FreeCatalog(archive.Child);
    std::free(archive.Child);
}

TEST(LabelFind, NamesPathsAndComments) {
    Shelf shelf;
    shelf.Put("disk.KSB", Disk());
    EXPECT_EQ(shelf.Run({"--json", "REPORT-?.TXT"}), 0);
    EXPECT_NE(shelf.out.find("\"path\":\"Reports\\\\2026\\\\report-1.txt\""), std::string::npos) << shelf.out;
    EXPECT_NE(shelf.out.find("\"path\":\"Reports\\\\report-1.txt\""), std::string::npos);
    EXPECT_EQ(shelf.Run({"--count", "--path", "/reports/2026/*"}), 0);
    EXPECT_NE(shelf.out.find(":1\n"), std::string::npos) << shelf.out;
    EXPECT_EQ(shelf.Run({"for*"}), 1);
    EXPECT_EQ(shelf.out, "");
    EXPECT_EQ(shelf.Run({"--comment", "for*"}), 0);
    EXPECT_NE(shelf.out.find(": SHELF 1: taxes-2021.xls (3145728 bytes)\n"), std::string::npos) << shelf.out;
}

TEST(LabelFind, DamagedBodiesAreNamedAndTheOthersStillPrint) {
    Shelf shelf;
    std::string good = Disk();
    shelf.Put("a.ksb", good.substr(0, good.size() / 2));
    shelf.Put("b.Dvb", good);
    shelf.Put("c.WMB", "hello\n");
    shelf.Put("d.txt", "not looked at");
    EXPECT_EQ(shelf.Run({"*.xls"}), 2);
    EXPECT_NE(shelf.out.find("b.Dvb: SHELF 1: taxes-2021.xls"), std::string::npos) << shelf.out;
    EXPECT_NE(shelf.err.find("a.ksb: damaged or cut short\n"), std::string::npos) << shelf.err;
    EXPECT_NE(shelf.err.find("c.WMB: not a label body"), std::string::npos) << shelf.err;
    EXPECT_EQ(shelf.err.find("d.txt"), std::string::npos);
}

TEST(LabelFind, JsonAndCsvQuoting) {
    FoundEntry f;
    f.label = "shelf/a.KSB";
    f.volume = "V";
    f.path = "dir\\say \"hi\", ok";
    f.name = "say \"hi\", ok";
    f.size = 4294967295u;
    f.comment = "4G";
    std::string json, csv;
    PutJsonLine(f, &json);
    PutCsvLine(f, &csv);
    EXPECT_EQ(json, "{\"label\":\"shelf/a.KSB\",\"volume\":\"V\",\"date\":null,"
                           "\"path\":\"dir\\\\say \\\"hi\\\", ok\",\"name\":\"say \\\"hi\\\", ok\","
                           "\"size\":4294967295,\"kind\":\"file\",\"comment\":\"4G\"}\n");
    EXPECT_EQ(csv, "shelf/a.KSB,V,,\"dir\\say \"\"hi\"\", ok\",\"say \"\"hi\"\", ok\",4294967295,file,4G\r\n");
}

TEST(LabelFind, CodePageNamesPrintAsUtf8AndOldBodiesHaveNoDate) {
    Shelf shelf;
    // 0xFC is ü in code page 1252; 0x81 is no character there.
    shelf.Put("new.KSB", Body("DISK", {Entry("\xFC" "ber.txt", "", 1), Entry("x\x81.txt", "", 1)}));
    EXPECT_EQ(shelf.Run({"--json", "über*"}), 0);
    EXPECT_NE(shelf.out.find("\"name\":\"über.txt\""), std::string::npos) << shelf.out;
    EXPECT_NE(shelf.out.find("\"date\":\"1/2/03\""), std::string::npos);
    EXPECT_EQ(shelf.Run({"--csv", "x?.txt"}), 0);
    EXPECT_NE(shelf.out.find(",x\xEF\xBF\xBD.txt,"), std::string::npos) << shelf.out;
    fs::remove(shelf.folder / "new.KSB");
    shelf.Put("old.KSB", fixture::Body(20));  // version 20 stores no dates
    EXPECT_EQ(shelf.Run({"--json", "b.c"}), 0);
    EXPECT_NE(shelf.out.find("\"date\":null"), std::string::npos) << shelf.out;
}

TEST(LabelFind, BadOptionsGiveTheUsageLine) {
    Shelf shelf;
    EXPECT_EQ(shelf.Run({"--size", "1", "*"}), 2);
    EXPECT_NE(shelf.err.find("unknown option --size\nusage: labelfind"), std::string::npos) << shelf.err;
    EXPECT_EQ(shelf.Run({"--json", "--csv", "*"}), 2);
    EXPECT_EQ(shelf.Run({"--codepage", "99999", "*"}), 2);
}

}  // namespace
