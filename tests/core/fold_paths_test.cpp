// Archive member paths folded into folders of the catalog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "catalog/fold_paths.h"
#include "base/text_field.h"
#include "tests/support/catalog_dump.h"

namespace {

// A list of plain entries named as given, each with its size as comment.
ZIPINFO* ListOf(const std::vector<std::string>& names) {
    ZIPINFO* list = NewCatalogList();
    list->NumEntries = static_cast<int32_t>(names.size());
    list->Entries = NewEntries(list->NumEntries, "test");
    for (size_t i = 0; i < names.size(); ++i) {
        CopyField(list->Entries[i].Name, names[i].c_str());
        list->Entries[i].Size = static_cast<uint32_t>(i + 1);
        CopyField(list->Entries[i].EntryComment, std::to_string(i + 1).c_str());
    }
    return list;
}

// A root holding one listed archive with the given members.
ZIPINFO* ArchiveRoot(const std::vector<std::string>& members) {
    ZIPINFO* root = ListOf({"plain.txt", "pack.zip"});
    root->Entries[1].HasSubtree = 1;
    root->Entries[1].Open = 1;
    root->Entries[1].Child = ListOf(members);
    root->LayoutValid = 1;
    return root;
}

TEST(FoldArchivePaths, MembersOfOneFolderInAnyCaseShareTheFolderOfTheFirst) {
    ZIPINFO* root = ArchiveRoot({"src\\main.c", "notes.txt", "SRC\\util.c"});
    FoldArchivePaths(root);
    EXPECT_EQ(DumpCatalog(root), "plain.txt|1, pack.zip|2{notes.txt|2, src|[dir]{main.c|1, util.c|3}}");
    const CatalogEntry* src = FindEntry(root->Entries[1].Child, "src");
    ASSERT_NE(src, nullptr);
    EXPECT_EQ(src->Open, 1);
    EXPECT_EQ(src->Size, 0u);
    EXPECT_EQ(src->Child->Entries[1].Size, 3u);  // the moved entry keeps its fields
    EXPECT_EQ(root->LayoutValid, 0);
    DeleteCatalogList(root);
}

TEST(FoldArchivePaths, NestedPathsBecomeNestedFoldersAndTrailingSlashesEmptyNames) {
    ZIPINFO* root = ArchiveRoot({"a/b/c.txt", "a/d.txt", "docs/", "docs/x", "e/f\\g"});
    FoldArchivePaths(root);
    // The backslash is searched first: "e/f\g" splits into "e/f" and "g".
    EXPECT_EQ(DumpCatalog(root->Entries[1].Child),
              "a|[dir]{d.txt|2, b|[dir]{c.txt|1}}, docs|[dir]{|3, x|4}, e/f|[dir]{g|5}");
    DeleteCatalogList(root);
}

TEST(FoldArchivePaths, ExistingFoldersAreJoinedAndOtherEntriesKeepTheirOrder) {
    ZIPINFO* list = ListOf({"z", "Lib\\one", "lib", "two", "lib/three"});
    list->Entries[2].HasSubtree = 1;  // "lib" is a folder of the list
    list->Entries[2].Child = ListOf({"zero"});
    FoldArchivePaths(list);
    EXPECT_EQ(DumpCatalog(list), "z|1, lib|3{zero|1, one|2, three|5}, two|4");
    DeleteCatalogList(list);

    ZIPINFO* noFolders = ListOf({"x", "y"});
    FoldArchivePaths(noFolders);
    EXPECT_EQ(DumpCatalog(noFolders), "x|1, y|2");
    DeleteCatalogList(noFolders);
}

TEST(FoldArchivePaths, ManyMembersFoldWithoutLosingAny) {
    std::vector<std::string> names;
    for (int i = 0; i < 3000; ++i) names.push_back("d" + std::to_string(i % 7) + "/f" + std::to_string(i));
    ZIPINFO* list = ListOf(names);
    FoldArchivePaths(list);
    ASSERT_EQ(list->NumEntries, 7);
    int total = 0;
    for (int i = 0; i < 7; ++i) total += list->Entries[i].Child->NumEntries;
    EXPECT_EQ(total, 3000);
    EXPECT_STREQ(list->Entries[3].Child->Entries[0].Name, "f3");
    DeleteCatalogList(list);
}

}  // namespace
