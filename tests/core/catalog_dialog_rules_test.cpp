// The catalog dialogs' rules: the drive list, the exclusion list edit, the
// Change File fields and the comment's stored line and macros.
#include <gtest/gtest.h>

#include "catalog/comment_entry.h"
#include "catalog/entry_fields.h"
#include "catalog/scan_choices.h"
#include "catalog/scan_settings.h"
#include "base/text_field.h"

namespace {

TEST(DriveList, EntriesInLetterOrderAndAStoredLetterThatIsMissing) {
    auto entries = DriveListEntries((1u << 2) | (1u << 25) | 1u);
    ASSERT_EQ(entries, (std::vector<std::string>{"A:\\", "C:\\", "Z:\\"}));
    EXPECT_EQ(DriveEntryIndex(entries, 'C'), 1);
    EXPECT_EQ(DriveEntryIndex(entries, 'D'), -1);
}

TEST(ExcludeEdit, PatternsAreStarlessUpperCaseCutSortedAndBounded) {
    ExcludeEdit edit{{}, true};
    int at = -1;
    EXPECT_EQ(AddPattern(&edit, "*.bak", &at), PATTERN_ADDED);
    EXPECT_EQ(AddPattern(&edit, ".BAK", &at), PATTERN_ADDED);
    EXPECT_EQ(AddPattern(&edit, "*\xe9t\xe9", &at), PATTERN_ADDED);  // only ASCII letters fold
    EXPECT_EQ(AddPattern(&edit, "a~", &at), PATTERN_ADDED);
    EXPECT_EQ(at, 2);
    EXPECT_EQ(edit.patterns, (std::vector<std::string>{".BAK", ".BAK", "A~", "\xe9T\xe9"}));
    EXPECT_EQ(AddPattern(&edit, "*", &at), PATTERN_EMPTY);
    EXPECT_EQ(AddPattern(&edit, "*" + std::string(30, 'x') + "yz", &at), PATTERN_ADDED);
    EXPECT_EQ(edit.patterns[static_cast<size_t>(at)], std::string(30, 'X') + "Y") << "cut to 31 after the star";
    while (edit.patterns.size() < 512) AddPattern(&edit, "p", &at);
    EXPECT_EQ(AddPattern(&edit, "p", &at), PATTERN_LIST_FULL);
}

TEST(ExcludeEdit, CommitSaysWhetherPatternsOrModeChanged) {
    const char* stored[] = {"TMP", "BAK"};  // unsorted, as a settings file may hold them
    SetExcludePatterns(&g_scan, stored, 2);
    g_scan.ExcludeMode = 0;
    ExcludeEdit edit = ExcludeEditFromScan(g_scan);
    EXPECT_EQ(edit.patterns, (std::vector<std::string>{"BAK", "TMP"}));
    EXPECT_FALSE(CommitExcludeEdit(edit, &g_scan));
    edit.exclude = true;
    EXPECT_TRUE(CommitExcludeEdit(edit, &g_scan));
    EXPECT_EQ(g_scan.ExcludeMode, 1);
    edit.exclude = false;
    RemoveAllPatterns(&edit);
    EXPECT_TRUE(edit.exclude);
    edit.exclude = false;
    EXPECT_TRUE(CommitExcludeEdit(edit, &g_scan));
    EXPECT_EQ(g_scan.NumExclude, 0);
    EXPECT_EQ(g_scan.ExcludeMode, 1) << "an empty list always excludes";
    FreeExcludePatterns(&g_scan);
}

TEST(EntryFields, NamesAndCommentsAreCutSizesKeptWithoutANumberAndRefusedOnlyPast32Bits) {
    CatalogEntry e = {};
    CopyField(e.Name, "old");
    e.Size = 3000000000u;
    EntryFields f = FieldsOfEntry(e);
    EXPECT_EQ(f.size, "3000000000");
    f.name = std::string(70, 'n');
    f.comment = std::string(20, 'c');
    f.size = "4294967295";
    f.align = 2;
    EXPECT_TRUE(StoreEntryFields(f, &e));
    EXPECT_EQ(std::string(e.Name), std::string(63, 'n'));
    EXPECT_EQ(std::string(e.EntryComment), std::string(15, 'c'));
    EXPECT_EQ(e.Size, 4294967295u);
    EXPECT_EQ(e.Align, 2);
    f.name = "";
    for (const char* none : {"", "abc", "-"}) {
        f.size = none;
        EXPECT_TRUE(StoreEntryFields(f, &e)) << none;
        EXPECT_EQ(e.Size, 4294967295u) << "no number keeps the size: " << none;
    }
    EXPECT_STREQ(e.Name, "") << "an empty name is stored";
    f.size = "12abc";
    EXPECT_TRUE(StoreEntryFields(f, &e));
    EXPECT_EQ(e.Size, 12u);
    f.name = "new";
    for (const char* wraps : {"4294967296", "-1", "99999999999999999999"}) {
        f.size = wraps;
        EXPECT_FALSE(StoreEntryFields(f, &e)) << wraps;
    }
    EXPECT_STREQ(e.Name, "") << "a refused size stores nothing";
    EXPECT_EQ(e.Size, 12u);
}

TEST(CommentEntry, TheStoredLineIsTheFirstAndMacrosFitWholeOrNotAtAll) {
    EXPECT_EQ(StoredCommentLine("one %files%\r\ntwo"), "one %files%");
    EXPECT_EQ(StoredCommentLine(std::string(300, 'c')).size(), 255u) << "the label record's comment";
    EXPECT_TRUE(MacroFits(255 - 11, 0, 0, MACRO_SHORT_DATE));
    EXPECT_FALSE(MacroFits(255 - 10, 0, 0, MACRO_SHORT_DATE));
    EXPECT_TRUE(MacroFits(255, 10, 0, MACRO_FOLDERS)) << "a selection of 10 is replaced by 9";
    EXPECT_EQ(std::string(MacroText(MACRO_PCT_USED)), "%pctused%");
}

}  // namespace
