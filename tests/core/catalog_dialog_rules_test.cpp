// The catalog dialogs' rules: the drive list, the exclusion list edit, the
// Change File fields and the comment's stored line and macros.
#include <gtest/gtest.h>

#include "catalog/comment_entry.h"
#include "catalog/entry_fields.h"
#include "catalog/scan_choices.h"
#include "catalog/scan_settings.h"
#include "catalog/text_field.h"

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
    SetExcludePatterns(stored, 2);
    g_scan.ExcludeMode = 0;
    ExcludeEdit edit = ExcludeEditFromScan();
    EXPECT_EQ(edit.patterns, (std::vector<std::string>{"BAK", "TMP"}));
    EXPECT_FALSE(CommitExcludeEdit(edit));
    edit.exclude = true;
    EXPECT_TRUE(CommitExcludeEdit(edit));
    EXPECT_EQ(g_scan.ExcludeMode, 1);
    edit.exclude = false;
    RemoveAllPatterns(&edit);
    EXPECT_TRUE(edit.exclude);
    edit.exclude = false;
    EXPECT_TRUE(CommitExcludeEdit(edit));
    EXPECT_EQ(g_scan.NumExclude, 0);
    EXPECT_EQ(g_scan.ExcludeMode, 1) << "an empty list always excludes";
    FreeExcludePatterns();
}

TEST(EntryFields, SizesAreUnsignedAndRefusedFieldsChangeNothing) {
    CatalogEntry e = {};
    CopyField(e.Name, "old");
    e.Size = 3000000000u;
    EntryFields f = FieldsOfEntry(e);
    EXPECT_EQ(f.size, "3000000000");
    f.name = "new";
    f.size = "4294967295";
    EXPECT_EQ(StoreEntryFields(f, &e), ENTRY_FIELDS_OK);
    EXPECT_EQ(e.Size, 4294967295u);
    f.size = "";
    f.align = 2;
    EXPECT_EQ(StoreEntryFields(f, &e), ENTRY_FIELDS_OK);
    EXPECT_EQ(e.Size, 4294967295u) << "empty keeps the size";
    EXPECT_EQ(e.Align, 2);
    for (const char* bad : {"4294967296", "-1", "12a", "99999999999999999999"}) {
        f.size = bad;
        EXPECT_EQ(StoreEntryFields(f, &e), ENTRY_SIZE_NOT_A_NUMBER) << bad;
    }
    f = FieldsOfEntry(e);
    f.name = "";
    EXPECT_EQ(StoreEntryFields(f, &e), ENTRY_NAME_EMPTY);
    f.name = std::string(64, 'n');
    EXPECT_EQ(StoreEntryFields(f, &e), ENTRY_NAME_TOO_LONG);
    f.name = "n";
    f.comment = std::string(16, 'c');
    EXPECT_EQ(StoreEntryFields(f, &e), ENTRY_COMMENT_TOO_LONG);
    EXPECT_STREQ(e.Name, "new");
}

TEST(CommentEntry, TheStoredLineIsTheFirstAndMacrosFitWholeOrNotAtAll) {
    EXPECT_EQ(StoredCommentLine("one %files%\r\ntwo"), "one %files%");
    EXPECT_EQ(StoredCommentLine(std::string(300, 'c')).size(), 254u);
    EXPECT_TRUE(MacroFits(254 - 11, 0, 0, MACRO_SHORT_DATE));
    EXPECT_FALSE(MacroFits(254 - 10, 0, 0, MACRO_SHORT_DATE));
    EXPECT_TRUE(MacroFits(254, 10, 0, MACRO_FOLDERS)) << "a selection of 10 is replaced by 9";
    EXPECT_EQ(std::string(MacroText(MACRO_PCT_USED)), "%pctused%");
}

}  // namespace
