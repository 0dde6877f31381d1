// The tree dialogs' rows: after every toggle, move, add and delete they are
// the rows a fresh build from the changed tree gives.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "catalog/catalog_ops.h"
#include "base/text_field.h"
#include "catalog/tree_rows.h"
#include "tests/support/catalog_dump.h"

namespace {

// Three levels; folders f0..f2 with children, some open, files between.
ZIPINFO* MakeTree(int depth, int* counter) {
    ZIPINFO* list = NewCatalogList();
    list->NumEntries = 5;
    list->Entries = NewEntries(5, "test");
    for (int i = 0; i < 5; ++i) {
        CatalogEntry& e = list->Entries[i];
        int n = (*counter)++;
        bool folder = i % 2 == 0;
        CopyField(e.Name, ((folder ? "f" : "x") + std::to_string(n)).c_str());
        CopyField(e.EntryComment, folder ? "[dir]" : "1K");
        if (folder && depth < 2 && i != 4) {
            e.HasSubtree = 1;
            e.Child = MakeTree(depth + 1, counter);
            e.Open = n % 3 != 2;
        }
    }
    return list;
}

void ExpectSameAsRebuilt(const TreeRows& rows) {
    TreeRows fresh;
    BuildTreeRows(&fresh, rows.root, rows.mode);
    ASSERT_EQ(rows.rows.size(), fresh.rows.size());
    for (size_t i = 0; i < rows.rows.size(); ++i) {
        EXPECT_EQ(rows.rows[i].list, fresh.rows[i].list) << i;
        EXPECT_EQ(rows.rows[i].index, fresh.rows[i].index) << i;
        EXPECT_EQ(rows.rows[i].depth, fresh.rows[i].depth) << i;
    }
}

TEST(TreeRows, EveryOperationLeavesTheRowsOfTheChangedTree) {
    for (TreeRowMode mode : {ROWS_FOLDERS, ROWS_ENTRIES}) {
        int counter = 0;
        ZIPINFO* root = MakeTree(0, &counter);
        TreeRows rows;
        BuildTreeRows(&rows, root, mode);
        std::mt19937 random(7);
        for (int step = 0; step < 400 && !rows.rows.empty(); ++step) {
            int row = static_cast<int>(random() % rows.rows.size());
            int op = mode == ROWS_FOLDERS ? 0 : static_cast<int>(random() % 5);
            SCOPED_TRACE(std::to_string(step) + " op " + std::to_string(op) + " row " + std::to_string(row));
            switch (op) {
            case 0: ToggleRow(&rows, row); break;
            case 1: {
                std::string moved = RowEntry(rows.rows[row]).Name;
                int to = MoveRow(&rows, row, -1);
                if (to >= 0) {
                    EXPECT_EQ(RowEntry(rows.rows[to]).Name, moved);
                }
                break;
            }
            case 2: MoveRow(&rows, row, 1); break;
            case 3: {
                int at = AddEntryAtRow(&rows, step % 7 == 0 ? -1 : row);
                ASSERT_GE(at, 0);
                EXPECT_STREQ(RowEntry(rows.rows[at]).Name, "name");
                EXPECT_STREQ(RowEntry(rows.rows[at]).EntryComment, "0K");
                break;
            }
            default: DeleteRow(&rows, row); break;
            }
            ExpectSameAsRebuilt(rows);
            if (HasFailure()) break;
        }
        DeleteCatalogList(root);
    }
}

TEST(TreeRows, MovesCarryChildrenAndStopAtTheEndsOfTheirList) {
    int counter = 0;
    ZIPINFO* root = MakeTree(0, &counter);
    TreeRows rows;
    BuildTreeRows(&rows, root, ROWS_ENTRIES);
    // Row 1 is the first entry of f0's child list.
    ASSERT_EQ(rows.rows[1].depth, 1);
    EXPECT_EQ(MoveRow(&rows, 1, -1), -1);
    int last = static_cast<int>(rows.rows.size()) - 1;
    EXPECT_EQ(MoveRow(&rows, last, 1), -1);
    std::string before = DumpCatalog(root);
    int down = MoveRow(&rows, 0, 1);  // f0 with its open children below x5
    EXPECT_EQ(down, 1);
    EXPECT_STREQ(RowEntry(rows.rows[down]).Name, "f0");
    EXPECT_EQ(rows.rows[down + 1].depth, 1);
    EXPECT_EQ(MoveRow(&rows, down, -1), 0);
    EXPECT_EQ(DumpCatalog(root), before);
    DeleteCatalogList(root);
}

TEST(TreeRows, AddingToAnEmptyCatalogAndDeletingTheLastEntry) {
    ZIPINFO* root = NewCatalogList();
    TreeRows rows;
    BuildTreeRows(&rows, root, ROWS_ENTRIES);
    EXPECT_EQ(AddEntryAtRow(&rows, -1), 0);
    EXPECT_EQ(DumpCatalog(root), "name|0K");
    DeleteRow(&rows, 0);
    EXPECT_EQ(root->NumEntries, 0);
    EXPECT_EQ(root->Entries, nullptr);
    EXPECT_TRUE(rows.rows.empty());
    DeleteCatalogList(root);
}

TEST(TreeRows, IconsFollowSubtreeOpenAndTheDirComment) {
    CatalogEntry e = {};
    EXPECT_EQ(RowIconOf(e), ICON_FILE);
    CopyField(e.EntryComment, "[dir]");
    EXPECT_EQ(RowIconOf(e), ICON_FOLDER_CLOSED);
    e.HasSubtree = 1;
    e.Open = 1;
    EXPECT_EQ(RowIconOf(e), ICON_FOLDER_OPEN);
}

// The editor's copy: a failed allocation anywhere in the copy gives null
// with nothing leaked (the sanitizer's leak check) and the source intact.
int g_allocationsLeft = 0;
void* FailingAlloc(size_t bytes) { return g_allocationsLeft-- > 0 ? std::malloc(bytes) : nullptr; }

TEST(TryDuplicateCatalog, FailingAtEveryAllocationFreesThePartialCopy) {
    int counter = 0;
    ZIPINFO* root = MakeTree(0, &counter);
    std::string before = DumpCatalog(root);
    SetCatalogAllocHook(FailingAlloc);
    int allocations = 0;
    for (;; ++allocations) {
        g_allocationsLeft = allocations;
        ZIPINFO* copy = TryDuplicateCatalog(root);
        if (copy) {
            EXPECT_EQ(DumpCatalog(copy), before);
            DeleteCatalogList(copy);
            break;
        }
    }
    SetCatalogAllocHook(nullptr);
    EXPECT_GT(allocations, 10);
    EXPECT_EQ(DumpCatalog(root), before);
    DeleteCatalogList(root);
}

}  // namespace
