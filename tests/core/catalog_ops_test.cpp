// The catalog tree operations: sorting, counting, duplicating, freeing and
// clearing a label.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "catalog/dates.h"
#include "catalog/labels.h"
#include "base/text_field.h"
#include "base/report.h"
#include "document/label_copy.h"
#include "shell/program_records.h"

namespace {

struct Item {
    const char* name;
    uint32_t size;
    const char* comment = nullptr;
};

// A list made the way the scanner makes them: a zero-filled record with an
// entries array of its own.
ZIPINFO* MakeList(std::initializer_list<Item> items) {
    ZIPINFO* list = NewCatalogList();
    list->NumEntries = static_cast<int32_t>(items.size());
    list->Entries = NewEntries(list->NumEntries, "test");
    int i = 0;
    for (const Item& item : items) {
        CatalogEntry& e = list->Entries[i++];
        CopyField(e.Name, item.name);
        CopyField(e.EntryComment, item.comment ? item.comment : "");
        e.Size = item.size;
    }
    return list;
}

void Adopt(CatalogEntry* parent, ZIPINFO* child) {
    parent->HasSubtree = 1;
    parent->Child = child;
    CopyField(parent->EntryComment, "[dir]");
}

std::vector<std::string> Names(const ZIPINFO* list) {
    std::vector<std::string> names;
    for (int i = 0; i < list->NumEntries; ++i) names.push_back(list->Entries[i].Name);
    return names;
}

void Sort(ZIPINFO* list, int mode, int direction) {
    list->SortMode = mode;
    list->Direction = direction;
    list->LayoutValid = 1;
    SortCatalog(list);
    EXPECT_EQ(list->LayoutValid, 0);
}

using Strings = std::vector<std::string>;

TEST(SortCatalog, BySizeDescendingWithEqualSizesByNameReversed) {
    ZIPINFO* list = MakeList({{"b.txt", 10}, {"big.bin", 5000}, {"A.txt", 10}, {"c.txt", 10}, {"tiny", 1}});
    Sort(list, 3, -1);
    EXPECT_EQ(Names(list), (Strings{"big.bin", "c.txt", "b.txt", "A.txt", "tiny"}));
    Sort(list, 3, 1);
    EXPECT_EQ(Names(list), (Strings{"tiny", "A.txt", "b.txt", "c.txt", "big.bin"}));
    DeleteCatalogList(list);
}

TEST(SortCatalog, SizesCompareAsUnsignedNumbers) {
    ZIPINFO* list = MakeList({{"huge", 0xFFFFFFF0u}, {"small", 7}, {"mid", 0x80000000u}});
    Sort(list, 3, 1);
    EXPECT_EQ(Names(list), (Strings{"small", "mid", "huge"}));
    DeleteCatalogList(list);
}

TEST(SortCatalog, ByExtensionPutsEmptyExtensionsFirst) {
    ZIPINFO* list = MakeList({{"setup.EXE", 0},
                              {"README", 0},
                              {"notes.txt", 0},
                              {"Makefile", 0},
                              {"archive.", 0},
                              {"b.TXT", 0},
                              {"a.exe", 0}});
    Sort(list, 2, 1);
    EXPECT_EQ(Names(list), (Strings{"archive.", "Makefile", "README", "a.exe", "setup.EXE", "b.TXT", "notes.txt"}));
    Sort(list, 2, -1);
    EXPECT_EQ(Names(list), (Strings{"notes.txt", "b.TXT", "setup.EXE", "a.exe", "README", "Makefile", "archive."}));
    DeleteCatalogList(list);
}

TEST(SortCatalog, ByNameFoldsOnlyAToZAndTreatsFoldersLikeFiles) {
    ZIPINFO* list = MakeList({{"zeta", 0}, {"\xC9t\xE9", 0}, {"Alpha", 0}, {"beta", 0}, {"_under", 0}});
    Adopt(&list->Entries[3], MakeList({{"x", 1}}));  // "beta" is a folder: no folders-first rule
    Sort(list, 1, 1);
    // Letters fold to lower case (0x61 and up), so '_' (0x5F) comes before
    // them; bytes above 127 compare unsigned and come last.
    EXPECT_EQ(Names(list), (Strings{"_under", "Alpha", "beta", "zeta", "\xC9t\xE9"}));
    DeleteCatalogList(list);
}

TEST(SortCatalog, ChildListsTakeTheRootKeysRecursively) {
    ZIPINFO* root = MakeList({{"b", 0}, {"a", 0}});
    ZIPINFO* child = MakeList({{"small", 1}, {"large", 100}});
    ZIPINFO* grandchild = MakeList({{"x", 5}, {"y", 50}});
    Adopt(&child->Entries[1], grandchild);
    Adopt(&root->Entries[0], child);
    child->SortMode = 1;
    child->Direction = 1;
    Sort(root, 3, -1);
    EXPECT_EQ(child->SortMode, 3);
    EXPECT_EQ(child->Direction, -1);
    EXPECT_EQ(grandchild->SortMode, 3);
    EXPECT_EQ(Names(child), (Strings{"large", "small"}));
    EXPECT_EQ(Names(grandchild), (Strings{"y", "x"}));
    DeleteCatalogList(root);
}

TEST(SortCatalog, UnknownModesAndHostileDirectionsAreHarmless) {
    ZIPINFO* list = MakeList({{"c", 3}, {"a", 1}, {"b", 2}});
    Sort(list, 7, 1);
    EXPECT_EQ(Names(list), (Strings{"c", "a", "b"})) << "every entry compares equal";
    Sort(list, 1, INT_MIN);
    EXPECT_EQ(Names(list), (Strings{"c", "b", "a"}));
    Sort(list, 3, INT_MAX);
    EXPECT_EQ(Names(list), (Strings{"a", "b", "c"}));
    EXPECT_EQ(CompareEntries(list->Entries[0], list->Entries[1], 1, 0), 0);
    DeleteCatalogList(list);
}

TEST(ExtensionOf, TextAfterTheLastDot) {
    EXPECT_STREQ(ExtensionOf("report.final.doc"), "doc");
    EXPECT_STREQ(ExtensionOf("name."), "");
    EXPECT_STREQ(ExtensionOf("Makefile"), "");
    EXPECT_STREQ(ExtensionOf(".profile"), "profile");
    EXPECT_STREQ(ExtensionOf(""), "");
}

TEST(RecountCatalog, FoldersAreEntriesWithASubtree) {
    ZIPINFO label = {};
    ZIPINFO* root = MakeList({{"file.txt", 1}, {"sub", 0}, {"deep", 0, "[dir]"}, {"docs.zip", 10}});
    Adopt(&root->Entries[1], MakeList({{"a", 1}, {"b", 1}, {"inner", 0}}));
    Adopt(&root->Entries[1].Child->Entries[2], MakeList({{"c", 1}}));
    Adopt(&root->Entries[3], MakeList({{"member.txt", 3}}));  // a listed archive is a folder
    root->Entries[3].HasSubtree = 1;
    label.NumEntries = root->NumEntries;
    label.Entries = root->Entries;
    RecountCatalog(&label);
    // "deep" reads "[dir]" but was not descended: it counts as a file.
    EXPECT_EQ(label.NumFolders, 3);
    EXPECT_EQ(label.NumFiles, 6);
    DeleteCatalogList(root);
}

// A three-level tree: root -> two folders -> one folder each -> files.
ZIPINFO* ThreeLevels() {
    ZIPINFO* root = MakeList({{"top1", 0}, {"readme", 12}, {"top2", 0}});
    for (int i : {0, 2}) {
        ZIPINFO* mid = MakeList({{"mid", 0}, {"m.txt", 3}});
        Adopt(&mid->Entries[0], MakeList({{"leaf1", 100}, {"leaf2", 200}}));
        Adopt(&root->Entries[i], mid);
    }
    root->Entries[0].Open = 1;
    CopyField(root->VolumeName, "DISK");
    return root;
}

TEST(DuplicateCatalog, ACopyOfThreeLevelsSharesNothingAndFreeingItLeavesTheSource) {
    ZIPINFO* source = ThreeLevels();
    ZIPINFO* copy = DuplicateCatalog(source);
    ASSERT_NE(copy, source);
    ASSERT_EQ(copy->NumEntries, 3);
    EXPECT_NE(copy->Entries, source->Entries);
    EXPECT_STREQ(copy->VolumeName, "DISK");
    EXPECT_EQ(copy->Entries[0].Open, 1);
    for (int i : {0, 2}) {
        const ZIPINFO* a = source->Entries[i].Child;
        const ZIPINFO* b = copy->Entries[i].Child;
        ASSERT_NE(b, nullptr);
        EXPECT_NE(a, b);
        EXPECT_NE(a->Entries[0].Child, b->Entries[0].Child);
        EXPECT_EQ(Names(b->Entries[0].Child), (Strings{"leaf1", "leaf2"}));
    }
    // Changing the copy leaves the source as it was.
    CopyField(copy->Entries[0].Child->Entries[0].Child->Entries[1].Name, "changed");
    EXPECT_STREQ(source->Entries[0].Child->Entries[0].Child->Entries[1].Name, "leaf2");

    DeleteCatalogList(copy);
    ASSERT_EQ(source->NumEntries, 3);
    EXPECT_EQ(Names(source->Entries[2].Child->Entries[0].Child), (Strings{"leaf1", "leaf2"}));
    EXPECT_EQ(source->Entries[2].Child->Entries[0].Child->Entries[1].Size, 200u);
    DeleteCatalogList(source);
}

TEST(DuplicateCatalog, AChildWithoutTheSubtreeFlagIsNotShared) {
    ZIPINFO* source = MakeList({{"odd", 0}});
    source->Entries[0].Child = MakeList({{"x", 1}});  // HasSubtree left 0
    ZIPINFO* copy = DuplicateCatalog(source);
    EXPECT_EQ(copy->Entries[0].Child, nullptr);
    DeleteCatalogList(copy);
    DeleteCatalogList(source);
}

TEST(FreeCatalog, FreesTheTreeAndLeavesAnEmptyList) {
    ZIPINFO* list = ThreeLevels();
    list->LayoutValid = 1;
    FreeCatalog(list);
    EXPECT_EQ(list->NumEntries, 0);
    EXPECT_EQ(list->Entries, nullptr);
    EXPECT_EQ(list->LayoutValid, 0);
    FreeCatalog(list);  // a second free is harmless
    DeleteCatalogList(list);
}

TEST(SetOpenAll, ReachesEveryListBelow) {
    ZIPINFO* list = ThreeLevels();
    list->LayoutValid = 1;
    SetOpenAll(list, 1);
    EXPECT_EQ(list->Entries[2].Open, 1);
    EXPECT_EQ(list->Entries[2].Child->Entries[0].Open, 1);
    EXPECT_EQ(list->Entries[2].Child->Entries[0].Child->Entries[1].Open, 1);
    EXPECT_EQ(list->LayoutValid, 0);
    SetOpenAll(list, 0);
    EXPECT_EQ(list->Entries[0].Child->Entries[0].Open, 0);
    DeleteCatalogList(list);
}

void FixedDates(char* shortDate, int shortSize, char* longDate, int longSize) {
    CopyText(shortDate, static_cast<size_t>(shortSize), "7/4/26");
    CopyText(longDate, static_cast<size_t>(longSize), "Saturday, July 4, 2026");
}

TEST(ClearLabel, KeepsTheCommentAndLookAndResetsFactsAndDates) {
    SetTodayDatesHook(FixedDates);
    ZIPINFO label = {};
    ZIPINFO* tree = ThreeLevels();
    label.NumEntries = tree->NumEntries;
    label.Entries = tree->Entries;
    tree->Entries = nullptr;
    tree->NumEntries = 0;
    DeleteCatalogList(tree);
    CopyField(label.Comment, "%spacefree% free");
    CopyField(label.VolumeName, "BACKUP");
    CopyField(label.ShortDate, "1/1/99");
    label.Columns = 5;
    label.ShowSize = 1;
    label.SpaceUsed = 123456789012LL;
    label.SpaceFree = 5;
    label.SpaceTotal = 6;
    label.NumFiles = 9;
    label.NumFolders = 4;
    label.LayoutValid = 1;
    label.NumExtStyles = 2;
    label.ExtStyles = static_cast<ExtStyle*>(std::calloc(2, sizeof(ExtStyle)));
    label.NumObjects = 1;
    label.Objects = static_cast<PlacedObject*>(std::calloc(1, sizeof(PlacedObject)));

    ClearLabel(&label);
    EXPECT_STREQ(label.Comment, "%spacefree% free");
    EXPECT_EQ(label.Columns, 5);
    EXPECT_EQ(label.ShowSize, 1);
    EXPECT_STREQ(label.VolumeName, "");
    EXPECT_STREQ(label.ShortDate, "7/4/26");
    EXPECT_STREQ(label.LongDate, "Saturday, July 4, 2026");
    EXPECT_EQ(label.NumEntries, 0);
    EXPECT_EQ(label.Entries, nullptr);
    EXPECT_EQ(label.SpaceUsed, 0);
    EXPECT_EQ(label.SpaceFree, 0);
    EXPECT_EQ(label.SpaceTotal, 0);
    EXPECT_EQ(label.NumFiles, 0);
    EXPECT_EQ(label.NumFolders, 0);
    EXPECT_EQ(label.LayoutValid, 0);
    EXPECT_EQ(label.NumExtStyles, 0);
    EXPECT_EQ(label.ExtStyles, nullptr);
    EXPECT_EQ(label.NumObjects, 0);
    EXPECT_EQ(label.Objects, nullptr);
    SetTodayDatesHook(nullptr);
}

TEST(ClearLabel, LongDatesAreCutToTheirFields) {
    SetTodayDatesHook([](char* s, int ss, char* l, int ls) {
        std::string longText(300, 'd');
        CopyText(s, static_cast<size_t>(ss), longText.c_str());
        CopyText(l, static_cast<size_t>(ls), longText.c_str());
    });
    ZIPINFO label = {};
    ClearLabel(&label);
    EXPECT_EQ(std::strlen(label.ShortDate), 63u);
    EXPECT_EQ(std::strlen(label.LongDate), 63u);
    SetTodayDatesHook(nullptr);
}

TEST(LabelRecords, OrdinalsCountAndCurrentRecord) {
    PrepareLabelRecords(9);
    EXPECT_EQ(g_labelCount, 9);
    EXPECT_EQ(g_currentLabel, &g_labelRecords[0]);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(g_labelRecords[i].LabelNumber, i + 1);
    PrepareLabelRecords(40);
    EXPECT_EQ(g_labelCount, kMaxLabels);
    PrepareLabelRecords(1);
    EXPECT_EQ(g_labelCount, 1);

    EXPECT_FALSE(CurrentLabelHasContent());
    g_labelRecords[0].NumObjects = 1;
    EXPECT_TRUE(CurrentLabelHasContent());
    g_labelRecords[0].NumObjects = 0;
    g_labelRecords[0].NumEntries = 1;
    EXPECT_TRUE(CurrentLabelHasContent());
    g_labelRecords[0].NumEntries = 0;
}

TEST(LabelRecords, ClearingAllReachesEveryRecordOfTheEdition) {
    SetTodayDatesHook(FixedDates);
    PrepareLabelRecords(9);
    for (int i = 0; i < 9; ++i) {
        g_labelRecords[i].NumEntries = 1;
        g_labelRecords[i].Entries = NewEntries(1, "test");
        CopyField(g_labelRecords[i].VolumeName, "VOL");
    }
    ClearAllLabelRecords(g_labelRecords, g_labelCount);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(g_labelRecords[i].NumEntries, 0) << i;
        EXPECT_STREQ(g_labelRecords[i].VolumeName, "") << i;
        EXPECT_STREQ(g_labelRecords[i].ShortDate, "7/4/26") << i;
    }
    PrepareLabelRecords(1);
    SetTodayDatesHook(nullptr);
}

TEST(FatalErrorDeathTest, ShowsTheBoxTextAndEndsWithANonZeroCode) {
    EXPECT_NE(kFatalExitCode, 0);
    EXPECT_EXIT(FatalError("Can't allocate ZIPINFO, exiting Verrick"), testing::ExitedWithCode(kFatalExitCode),
                "Fatal Error: Can't allocate ZIPINFO, exiting Verrick");
}

}  // namespace
