// The rows of the two tree dialogs (Subdirectory Selection, Files and
// Folders Editor) and the editor's changes to the tree. A row names its
// entry by the list it belongs to, its index there and its depth, never by
// the entry's address: adding or deleting moves a list's array. Every
// operation keeps the rows exactly as BuildTreeRows would make them from
// the tree afterwards.
#pragma once
#include <cstdint>
#include <vector>

#include "record/zipinfo.h"

struct TreeRow {
    ZIPINFO* list;
    int32_t index;
    int32_t depth;  // 0 for the root list
};

enum TreeRowMode {
    ROWS_FOLDERS = 0,  // Subdirectory Selection: folders with a child list only
    ROWS_ENTRIES = 1,  // the editor: every entry
};

struct TreeRows {
    TreeRowMode mode;
    ZIPINFO* root;
    std::vector<TreeRow> rows;
};

// The entry a row stands for.
CatalogEntry& RowEntry(const TreeRow& row);

// The rows of the root list and, below every open folder, of its child
// list, recursively.
void BuildTreeRows(TreeRows* rows, ZIPINFO* root, TreeRowMode mode);

// The row after the last row below `row` (its open children's rows).
int RowBlockEnd(const TreeRows& rows, int row);

// Toggles Open of the row's folder and shows or hides its child rows.
// False (nothing changes) when the entry has no subtree.
bool ToggleRow(TreeRows* rows, int row);

// Swaps the row's entry with the previous (step -1) or next (step 1) entry
// of its list, children and their rows going along. Returns the entry's new
// row, or -1 when it is first (last) of its list.
int MoveRow(TreeRows* rows, int row, int step);

// A new entry "name" with the comment "0K" at the row's place in its list;
// with no row (-1) at the head of the root list. Returns its row, or -1
// when memory runs out (nothing changes then).
int AddEntryAtRow(TreeRows* rows, int row);

// Removes the row's entry with its child list and their rows.
void DeleteRow(TreeRows* rows, int row);

// The picture a row is drawn with.
enum RowIcon { ICON_FILE = 0, ICON_FOLDER_CLOSED = 1, ICON_FOLDER_OPEN = 2 };
RowIcon RowIconOf(const CatalogEntry& entry);
