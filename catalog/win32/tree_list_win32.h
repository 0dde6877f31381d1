// The owner-drawn list of the two tree dialogs: rows held in the dialog's
// own array (the list box only knows their count), drawn in Arial 10 pt at
// the screen's physical size, indented by depth, with a picture of a file,
// a closed or an open folder. Space and Enter reach the list, not the
// dialog's default button; the dialog hears of them as WM_VKEYTOITEM.
#pragma once
#include <windows.h>

#include "catalog/tree_rows.h"

struct TreeList {
    HWND list = nullptr;
    HFONT font = nullptr;
    HICON icons[3] = {};
    int rowHeight = 16;
    TreeRows rows;
};

constexpr int kTreeIndent = 18;  // pixels per depth

// Sets up the dialog's list (control IDC_LIST) and builds the rows.
void OpenTreeList(TreeList* tree, HWND dialog, ZIPINFO* root, TreeRowMode mode);
void CloseTreeList(TreeList* tree);

// Gives the list the rows' count and selects a row (-1: none), keeping it
// in view; every row is drawn again.
void ShowTreeRows(TreeList* tree, int select);
int SelectedTreeRow(const TreeList& tree);

// WM_DRAWITEM of the list.
void DrawTreeRow(const TreeList& tree, const DRAWITEMSTRUCT* item);
