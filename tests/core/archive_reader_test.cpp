// The ZIP and ARJ readers on archives held in memory: normal listings, the
// format's corner cases, damaged archives, and the misuse diagnostics.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "catalog/archive_reader.h"
#include "tests/support/archive_builder.h"
#include "tests/support/memory_disk.h"
#include "tests/support/report_recorder.h"
#include "tests/support/windows_1252.h"

namespace {

using Listing = std::vector<std::pair<std::string, uint32_t>>;

struct ReaderTest : ::testing::Test {
    MemoryDisk disk;
    ReportRecorder recorder;
    void SetUp() override { InstallMemoryDisk(&disk); }
    void TearDown() override {
        EXPECT_FALSE(ArchiveIsOpen());
        EXPECT_EQ(disk.openFiles, 0);
        InstallMemoryDisk(nullptr);
    }

    // The whole listing of an archive through a reader triple; started is
    // false when find-first refused it.
    Listing List(int mode, const std::string& bytes, bool* started = nullptr) {
        disk.files["A:\\x.bin"] = bytes;
        Listing out;
        ListingRecord r;
        int first = mode == kArchiveModeZip ? ZipFindFirst("A:\\x.bin\\*.*", &r) : ArjFindFirst("A:\\x.bin\\*.*", &r);
        if (started) *started = first == kArchiveListingStarted;
        if (first != kArchiveListingStarted) {
            EXPECT_EQ(first, -1);
            return out;
        }
        do {
            EXPECT_EQ(r.Attributes, 0u);
            EXPECT_EQ(r.SizeHigh, 0u);
            out.emplace_back(r.Name, r.SizeLow);
        } while ((mode == kArchiveModeZip ? ZipFindNext(&r) : ArjFindNext(&r)) == 1);
        ArchiveClose(mode);
        return out;
    }
};

ZipMember Member(const std::string& name, size_t size) { return ZipMember{name, std::string(size, 'z'), "", ""}; }

TEST_F(ReaderTest, ZipListsEveryMemberWithCommentsAndLongExtraFields) {
    std::vector<ZipMember> members = {Member("docs/readme.txt", 120), Member("src/main.c", 0),
                                      Member("notes.txt", 70000)};
    members[0].comment = "a member comment";
    members[1].extra = std::string(3000, 'e');
    Listing got = List(kArchiveModeZip, BuildZip(members, "archive comment"));
    Listing want = {{"docs/readme.txt", 120}, {"src/main.c", 0}, {"notes.txt", 70000}};
    EXPECT_EQ(got, want);
    EXPECT_TRUE(recorder.reports().empty());
}

TEST_F(ReaderTest, ZipNamesUpTo65535BytesKeepWhatFitsAndTheNextMemberFollows) {
    std::string huge(65535, 'n');
    huge[0] = 'H';
    std::string fits(259, 'f');
    Listing got = List(kArchiveModeZip, BuildZip({Member(huge, 5), Member(fits, 6), Member(fits + "x", 7), Member("", 8)}));
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[0].first, huge.substr(0, 259));
    EXPECT_EQ(got[0].second, 5u);
    EXPECT_EQ(got[1].first, fits);
    EXPECT_EQ(got[2].first, fits);
    EXPECT_EQ(got[3], std::make_pair(std::string(), 8u));
}

// Info-ZIP's Unicode Path field: version 1, the CRC of the stored name, the
// name in UTF-8.
std::string UnicodePathField(const std::string& crcOf, const std::string& utf8) {
    std::string field;
    PutLe16(&field, kUnicodePathField);
    PutLe16(&field, static_cast<uint32_t>(5 + utf8.size()));
    field.push_back(1);
    PutLe32(&field, Crc32Of(crcOf));
    return field + utf8;
}

TEST_F(ReaderTest, ZipUtf8NamesComeInTheAnsiCodePageBeforeAnyCut) {
    SetAnsiFromUtf8(Windows1252FromUtf8);
    const std::string uber = "\xC3\xBC" "ber.txt";  // "über.txt" in UTF-8
    const std::string cp437 = "\x81" "ber.txt";      // the same in code page 437
    std::string umlauts;
    for (int i = 0; i < 200; ++i) umlauts += "\xC3\xBC";
    std::vector<ZipMember> members = {Member(uber, 1), Member("\xE6\x97\xA5/" + uber, 2), Member(cp437, 3),
                                      Member(cp437, 4), Member(cp437, 5), Member(umlauts, 6)};
    members[0].flags = kZipUtf8Flag;  // as Python's zipfile writes it
    // members[1]: raw UTF-8 with neither flag nor field, as zip on Linux writes it
    members[3].extra = UnicodePathField(cp437, uber);
    members[4].extra = UnicodePathField("other name", uber);  // written for another name: ignored
    members[5].flags = kZipUtf8Flag;
    Listing got = List(kArchiveModeZip, BuildZip(members));
    SetAnsiFromUtf8(nullptr);
    Listing want = {{"\xFC" "ber.txt", 1}, {"?/\xFC" "ber.txt", 2}, {cp437, 3}, {"\xFC" "ber.txt", 4}, {cp437, 5},
                    {std::string(200, '\xFC'), 6}};
    EXPECT_EQ(got, want);
}

TEST_F(ReaderTest, ZipEndRecordIsSearchedInTheLast2047BytesOnly) {
    std::vector<ZipMember> one = {Member("a.txt", 3)};
    EXPECT_EQ(List(kArchiveModeZip, BuildZip(one, std::string(2025, 'c'))).size(), 1u);
    bool started = true;
    EXPECT_TRUE(List(kArchiveModeZip, BuildZip(one, std::string(2026, 'c')), &started).empty());
    EXPECT_FALSE(started);
    // A comment holding a signature too: the nearest one to the end counts,
    // and a damaged one never lists members of stale bytes.
    std::string fake = std::string("PK\x05\x06", 4) + std::string(30, '\0');
    EXPECT_TRUE(List(kArchiveModeZip, BuildZip(one, fake)).empty());
}

TEST_F(ReaderTest, ZipFilesShorterThanTheSearchRangeAndEmptyArchives) {
    // Files of every length up to 60 bytes: the search stays inside them.
    std::string small = BuildZip({Member("s", 1)});
    for (size_t n = 0; n <= small.size(); ++n) List(kArchiveModeZip, small.substr(small.size() - n));
    EXPECT_EQ(List(kArchiveModeZip, small).size(), 1u);
    bool started = true;
    std::string empty = BuildZip({});
    EXPECT_EQ(empty.size(), 22u);
    List(kArchiveModeZip, empty, &started);
    EXPECT_FALSE(started);
    List(kArchiveModeZip, BuildZip({}, "comment"), &started);
    EXPECT_FALSE(started);
}

TEST_F(ReaderTest, ZipDirectoryClaimingMoreMembersThanItHoldsEndsAtTheLastWholeOne) {
    std::vector<ZipMember> two = {Member("one", 1), Member("two", 2)};
    // The comment would make a plausible header if signatures went unchecked.
    Listing got = List(kArchiveModeZip, BuildZip(two, std::string(300, '\x01'), 9));
    EXPECT_EQ(got, (Listing{{"one", 1}, {"two", 2}}));
    got = List(kArchiveModeZip, BuildZip(two, "", 65535));
    EXPECT_EQ(got.size(), 2u);
}

TEST_F(ReaderTest, ZipDirectoryOffsetOrNamesBeyondTheFileListNothingStale) {
    std::string zip = BuildZip({Member("one", 1)});
    std::string beyond = zip;
    beyond[beyond.size() - 6] = '\x7F';  // directory offset far past the end
    bool started = true;
    List(kArchiveModeZip, beyond, &started);
    EXPECT_FALSE(started);
    // A name length running past the end of the file.
    std::string longName = zip;
    size_t directory = zip.find(std::string("PK\x01\x02", 4));
    longName[directory + 28] = '\xFF';
    longName[directory + 29] = '\x7F';
    List(kArchiveModeZip, longName, &started);
    EXPECT_FALSE(started);
}

// Every cut of an archive lists a leading part of its members, exactly.
void ExpectEveryCutListsAPrefix(ReaderTest* t, int mode, const std::string& whole, const Listing& all) {
    for (size_t cut = 0; cut <= whole.size(); ++cut) {
        Listing got = t->List(mode, whole.substr(0, cut));
        ASSERT_LE(got.size(), all.size()) << "cut at " << cut;
        for (size_t i = 0; i < got.size(); ++i) ASSERT_EQ(got[i], all[i]) << "cut at " << cut;
    }
}

TEST_F(ReaderTest, TruncationAtEveryOffsetNeverListsStaleMembers) {
    std::vector<ZipMember> zipMembers = {Member("first.txt", 10), Member("second/file.c", 20), Member("third", 0)};
    zipMembers[1].extra = "XXXXXXXX";
    // A long archive comment keeps the end record findable for many cuts.
    std::string zip = BuildZip(zipMembers, std::string(600, ' '));
    ExpectEveryCutListsAPrefix(this, kArchiveModeZip, zip, {{"first.txt", 10}, {"second/file.c", 20}, {"third", 0}});
    std::string arj = BuildArj({{"a.txt", std::string(40, 'a'), {"ext1"}}, {"dir\\b.txt", "bb", {}}, {"c", "", {}}});
    ExpectEveryCutListsAPrefix(this, kArchiveModeArj, arj, {{"a.txt", 40}, {"dir\\b.txt", 2}, {"c", 0}});
    // A cut inside the data of the last member keeps that member: its header is whole.
    std::string dataLast = BuildArj({{"a", "", {}}, {"b", std::string(40, 'b'), {}}});
    EXPECT_EQ(List(kArchiveModeArj, dataLast.substr(0, dataLast.size() - 20)).size(), 2u);
    EXPECT_TRUE(recorder.reports().empty());
}

TEST_F(ReaderTest, ArjListsMembersAcrossExtendedHeaders) {
    std::string arj = BuildArj({{"src/main.c", "hello\n", {"x1", std::string(100, 'y')}}, {"SRC/util.c", "world!\n", {}}},
                               {"main extended"});
    EXPECT_EQ(List(kArchiveModeArj, arj), (Listing{{"src/main.c", 6}, {"SRC/util.c", 7}}));
}

TEST_F(ReaderTest, ArjWithoutMembersOrWithABadIdIsNotListed) {
    bool started = true;
    std::string noMembers = BuildArj({});
    List(kArchiveModeArj, noMembers, &started);  // the first member header has size 0
    EXPECT_FALSE(started);
    std::string foreign = BuildArj({{"a", "a", {}}});
    foreign[1] = '\xEB';
    List(kArchiveModeArj, foreign, &started);
    EXPECT_FALSE(started);
    List(kArchiveModeArj, "", &started);
    EXPECT_FALSE(started);
}

TEST_F(ReaderTest, ArjDamagedHeadersEndTheListingAfterTheWholeMembers) {
    std::string good = ArjHeader(ArjBasicHeader("good", 1, 1, 0), {}) + "g";
    std::string head = ArjHeader(ArjBasicHeader("test.arj", 0, 0, 2), {}) + good;
    auto listingWith = [&](const std::string& damaged) {
        return List(kArchiveModeArj, head + damaged + good + std::string("\x60\xEA\x00\x00", 4));
    };
    Listing justGood = {{"good", 1}};
    // A basic header above the format's 2600 bytes.
    std::string big = ArjHeader(ArjBasicHeader(std::string(2600, 'b'), 0, 0, 0), {});
    EXPECT_EQ(listingWith(big), justGood);
    // A name offset outside the header, and a name without its NUL.
    std::string basic = ArjBasicHeader("name", 0, 0, 0);
    std::string outside = basic;
    outside[0] = static_cast<char>(basic.size());
    EXPECT_EQ(listingWith(ArjHeader(outside, {})), justGood);
    std::string unterminated = basic.substr(0, 30) + "name";
    EXPECT_EQ(listingWith(ArjHeader(unterminated, {})), justGood);
    // A header too short to hold the sizes.
    EXPECT_EQ(listingWith(ArjHeader(std::string("\x04xy\0", 4), {})), justGood);
    // A name of more than 259 characters keeps what fits.
    std::string longName(1000, 'L');
    Listing got = listingWith(ArjHeader(ArjBasicHeader(longName, 0, 5, 0), {}));
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[1], std::make_pair(longName.substr(0, 259), 5u));
}

TEST_F(ReaderTest, MisuseOfTheReaderStateIsReportedAndTheReadersGoOn) {
    ListingRecord r;
    EXPECT_EQ(ZipFindNext(&r), 0);
    EXPECT_EQ(ArjFindNext(&r), 0);
    ArchiveClose(kArchiveModeZip);
    ArchiveClose(kArchiveModeArj);
    disk.files["A:\\z.zip"] = BuildZip({Member("m1", 1), Member("m2", 2)});
    disk.files["A:\\a.arj"] = BuildArj({{"n1", "1", {}}});
    ASSERT_EQ(ZipFindFirst("A:\\z.zip\\*.*", &r), kArchiveListingStarted);
    ASSERT_EQ(ArjFindFirst("A:\\a.arj\\*.*", &r), kArchiveListingStarted);  // the ZIP was left open
    EXPECT_STREQ(r.Name, "n1");
    ASSERT_EQ(ZipFindFirst("A:\\z.zip\\*.*", &r), kArchiveListingStarted);  // the ARJ was left open
    EXPECT_EQ(ZipFindNext(&r), 1);
    EXPECT_STREQ(r.Name, "m2");
    ArchiveClose(kArchiveModeZip);
    std::vector<std::string> want = {
        "BAD STUFF: .ZIP file null for FIND_NEXT!", "BAD STUFF: .ARJ file null for FIND_NEXT!",
        "BAD STUFF: .ZIP file null for FIND_CLOSE!", "BAD STUFF: .ARJ file null for FIND_CLOSE!",
        "BAD STUFF: .ARJ file not NULL!", "BAD STUFF: .ZIP file not NULL!"};
    EXPECT_EQ(recorder.reports(), want);
}

TEST_F(ReaderTest, MissingFilesAndShortPatternsAreNotListed) {
    ListingRecord r;
    EXPECT_EQ(ZipFindFirst("A:\\missing.zip\\*.*", &r), -1);
    EXPECT_EQ(ArjFindFirst("A:\\missing.arj\\*.*", &r), -1);
    EXPECT_EQ(ZipFindFirst("*.*", &r), -1);
    EXPECT_TRUE(recorder.reports().empty());
}

}  // namespace
