// The comment macros and the disk facts they quote.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "catalog/dates.h"
#include "catalog/disk_facts.h"
#include "catalog/macros.h"
#include "base/text_field.h"

namespace {

std::string Expand(const ZIPINFO& label, const char* comment) {
    ZIPINFO copy = label;
    CopyField(copy.Comment, comment);
    char out[kExpandedCommentSize];
    ExpandMacros(&copy, out);
    return out;
}

ZIPINFO Facts() {
    ZIPINFO label = {};
    label.SpaceTotal = 104857600;
    label.SpaceFree = 41943040;
    label.SpaceUsed = 62914560;
    label.NumFiles = 5;
    label.NumFolders = 1;
    CopyField(label.ShortDate, "1/2/03");
    CopyField(label.LongDate, "Thursday, January 2, 2003");
    return label;
}

TEST(ExpandMacros, EveryMacroInItsFormat) {
    ZIPINFO label = Facts();
    EXPECT_EQ(Expand(label, "%spacefree% free (%pctfree%)"), "40.0M free (40.0%)");
    EXPECT_EQ(Expand(label, "%spaceused% used (%pctused%)"), "60.0M used (60.0%)");
    EXPECT_EQ(Expand(label, "%files% files in %folders% folders"), "5 files in 1 folders");
    EXPECT_EQ(Expand(label, "%spacefree% free, %spaceused% used  (%shortdate%)"), "40.0M free, 60.0M used  (1/2/03)");
    EXPECT_EQ(Expand(label, "%longdate%%longdate%"), "Thursday, January 2, 2003Thursday, January 2, 2003");
}

TEST(ExpandMacros, OnlyExactMacrosAreReplaced) {
    ZIPINFO label = Facts();
    EXPECT_EQ(Expand(label, "100%% done"), "100%% done");
    EXPECT_EQ(Expand(label, "%Files%"), "%Files%");
    EXPECT_EQ(Expand(label, "%files"), "%files");
    EXPECT_EQ(Expand(label, "%%files%%"), "%5%");
    EXPECT_EQ(Expand(label, "%"), "%");
    EXPECT_EQ(Expand(label, ""), "");
}

TEST(ExpandMacros, EmptyVolumeAndTrue64BitFigures) {
    ZIPINFO label = {};
    EXPECT_EQ(Expand(label, "%pctfree% %pctused% %spacefree%"), "0.0% 0.0% 0.0M");
    label.SpaceTotal = 4000000000000ll;  // a 4 TB volume
    label.SpaceFree = 3000000000000ll;
    label.SpaceUsed = 1000000000000ll;
    EXPECT_EQ(Expand(label, "%spacefree% %spaceused% %pctfree%"), "2861022.9M 953674.3M 75.0%");
}

TEST(ExpandMacros, TheLongestExpansionsFitAndNothingIsReadPastTheFields) {
    ZIPINFO label = Facts();
    std::memset(label.LongDate, 'L', 63);
    std::string comment;
    for (int i = 0; i < 25; ++i) comment += "%longdate%";
    comment += "12345";
    std::string out = Expand(label, comment.c_str());
    EXPECT_EQ(out.size(), 1580u);
    EXPECT_EQ(out.substr(1575), "12345");
    // Fields filled to the last byte (as from a damaged file) are read to
    // their limits only: dates to 63 characters, the comment to 255.
    std::memset(label.LongDate, 'D', sizeof label.LongDate);
    std::memset(label.Comment, 'c', sizeof label.Comment);
    std::memcpy(label.Comment, "%longdate%", 10);
    char buffer[kExpandedCommentSize];
    ExpandMacros(&label, buffer);
    EXPECT_EQ(std::strlen(buffer), 63u + 245u);
    // Extreme figures stay short.
    label.SpaceFree = INT64_MAX;
    label.SpaceTotal = 1;
    label.NumFiles = INT32_MIN;
    EXPECT_EQ(Expand(label, "%pctfree%|%files%|%spacefree%"), "922337203685477580800.0%|-2147483648|8796093022208.0M");
    // A caller's smaller buffer is never overrun.
    char small[8];
    ExpandMacroText(&label, "%files% files", small, sizeof small);
    EXPECT_STREQ(small, "-214748");
}

void FixedDates(char* shortDate, int shortSize, char* longDate, int longSize) {
    CopyText(shortDate, static_cast<size_t>(shortSize), "7/8/09");
    CopyText(longDate, static_cast<size_t>(longSize), std::string(100, 'x').c_str());
}
bool BigVolume(const char* root, uint64_t* total, uint64_t* free) {
    if (std::strcmp(root, "E:\\") != 0) return false;
    *total = 5000000000000ull;
    *free = 1234567890123ull;
    return true;
}
bool LongLabel(const char*, char* label, int size) {
    CopyText(label, static_cast<size_t>(size), std::string(200, 'V').c_str());
    return true;
}
bool NoSpace(const char*, uint64_t* total, uint64_t* free) {
    *total = 77;  // a failing query's outputs are not used
    *free = 7;
    return false;
}
bool NoLabel(const char*, char* label, int) {
    label[0] = 'Z';
    return false;
}

TEST(GatherDiskFacts, SixtyFourBitSpaceDatesCountsAndVolumeName) {
    const DiskQueries big = {BigVolume, LongLabel};
    SetDiskQueries(&big);
    SetTodayDatesHook(FixedDates);
    ZIPINFO label = {};
    CatalogEntry entries[2] = {};
    entries[0].HasSubtree = 1;
    label.Entries = entries;
    label.NumEntries = 2;
    GatherDiskFacts(&label, 'E');
    EXPECT_EQ(label.SpaceTotal, 5000000000000ll);
    EXPECT_EQ(label.SpaceFree, 1234567890123ll);
    EXPECT_EQ(label.SpaceUsed, 5000000000000ll - 1234567890123ll);
    EXPECT_EQ(std::string(label.VolumeName), std::string(63, 'V'));
    EXPECT_STREQ(label.ShortDate, "7/8/09");
    EXPECT_EQ(std::string(label.LongDate), std::string(63, 'x'));
    EXPECT_EQ(label.NumFiles, 1);
    EXPECT_EQ(label.NumFolders, 1);

    const DiskQueries failing = {NoSpace, NoLabel};
    SetDiskQueries(&failing);
    GatherDiskFacts(&label, 'E');
    EXPECT_EQ(label.SpaceTotal, 0);
    EXPECT_EQ(label.SpaceFree, 0);
    EXPECT_EQ(label.SpaceUsed, 0);
    EXPECT_STREQ(label.VolumeName, "");
    EXPECT_EQ(Expand(label, "%pctfree% %pctused%"), "0.0% 0.0%");
    SetDiskQueries(nullptr);
    SetTodayDatesHook(nullptr);
}

}  // namespace
