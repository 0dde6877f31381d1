// The owner-drawn list of the two tree dialogs: rows held in the dialog's
// own array (the list box only knows their count), drawn in Arial 10 pt at
// the screen's physical size, indented by depth, with a picture of a file,
// a closed or an open folder. Space and Enter reach the list, not the
// dialog's default button; the dialog hears of them as WM_VKEYTOITEM.
#pragma once
#include <windows.h>

#include "catalog/tree_rows.h"
#include "record/font_desc.h"

struct TreeList {
    HWND list = nullptr;
    HFONT font = nullptr;
    HICON icons[3] = {};
    int rowHeight = 16;
    TreeRows rows;
};

constexpr int kTreeIndent = 18;  // pixels per depth

// The rows' font comes from the text output's LabelFont, which draws on the
// catalog and so sits above it: the program hands it over at start. Until
// then the rows are drawn in the list's own font.
using LabelFontMaker = HFONT (*)(HDC dc, double windowScale, const char* face, int height, int width, int style,
                                 bool logicalPixels, int escapement, FontDesc* copy);
void SetTreeRowFontMaker(LabelFontMaker maker);

// WM_INITDIALOG of a tree dialog: placed first (both dialogs share the
// "SubdirWindow" place), then the list (control IDC_LIST) set up with the
// rows, the first one selected and focused.
void StartTreeDialog(TreeList* tree, HWND dialog, ZIPINFO* root, TreeRowMode mode);
// WM_DESTROY.
void CloseTreeList(TreeList* tree);

// The messages both tree dialogs answer alike: row drawing, and typed
// characters, which move nothing (the rows have no text to find; Space and
// Enter act as keys). True with the dialog's answer when it was one.
bool TreeDialogMessage(const TreeList& tree, UINT message, LPARAM lParam, INT_PTR* answer);

// Gives the list the rows' count and selects a row (-1: none), keeping it
// in view; every row is drawn again.
void ShowTreeRows(TreeList* tree, int select);
int SelectedTreeRow(const TreeList& tree);

// WM_DRAWITEM of the list.
void DrawTreeRow(const TreeList& tree, const DRAWITEMSTRUCT* item);
