#include "catalog/win32/tree_list_win32.h"

#include <algorithm>

#include "base/win32/dialog_position_win32.h"
#include "editions/dialog_ids.h"

namespace {

constexpr const char* kOriginalProc = "TreeListProc";
LabelFontMaker g_makeFont = nullptr;

// Enter goes to the list: a dialog would press its default button.
LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    auto original = reinterpret_cast<WNDPROC>(GetPropA(list, kOriginalProc));
    if (message == WM_GETDLGCODE && lParam) {
        const MSG* key = reinterpret_cast<const MSG*>(lParam);
        if (key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
            return CallWindowProcA(original, list, message, wParam, lParam) | DLGC_WANTMESSAGE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(list, kOriginalProc);
    }
    return CallWindowProcA(original, list, message, wParam, lParam);
}

}  // namespace

void SetTreeRowFontMaker(LabelFontMaker maker) { g_makeFont = maker; }

void StartTreeDialog(TreeList* tree, HWND dialog, ZIPINFO* root, TreeRowMode mode) {
    PlaceDialog(dialog, WINDOW_SUBDIR);
    tree->list = GetDlgItem(dialog, IDC_LIST);
    HDC dc = GetDC(tree->list);
    // The font of the rows: Arial 10 pt at the screen's physical pixels.
    tree->font = g_makeFont ? g_makeFont(dc, 1.0, "Arial", 100, 0, 0, false, 0, nullptr) : nullptr;
    HGDIOBJ old = tree->font ? SelectObject(dc, tree->font) : nullptr;
    SIZE m = {0, 16};
    if (GetTextExtentPoint32A(dc, "M", 1, &m) && m.cy > 0) tree->rowHeight = m.cy;
    if (old) SelectObject(dc, old);
    ReleaseDC(tree->list, dc);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const int ids[3] = {IDI_ROW_FILE, IDI_ROW_FOLDER_CLOSED, IDI_ROW_FOLDER_OPEN};
    for (int i = 0; i < 3; ++i)
        tree->icons[i] = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(ids[i]), IMAGE_ICON, 16, 16, 0));
    SendMessageA(tree->list, LB_SETITEMHEIGHT, 0, tree->rowHeight);
    SetPropA(tree->list, kOriginalProc, reinterpret_cast<HANDLE>(GetWindowLongPtrA(tree->list, GWLP_WNDPROC)));
    SetWindowLongPtrA(tree->list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProc));
    BuildTreeRows(&tree->rows, root, mode);
    ShowTreeRows(tree, tree->rows.rows.empty() ? -1 : 0);
    SetFocus(tree->list);
}

bool TreeDialogMessage(const TreeList& tree, UINT message, LPARAM lParam, INT_PTR* answer) {
    if (message == WM_DRAWITEM) {
        DrawTreeRow(tree, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        *answer = TRUE;
        return true;
    }
    if (message == WM_CHARTOITEM) {
        *answer = -2;
        return true;
    }
    return false;
}

void CloseTreeList(TreeList* tree) {
    if (tree->font) DeleteObject(tree->font);
    for (HICON& icon : tree->icons)
        if (icon) DestroyIcon(icon);
    *tree = TreeList();
}

void ShowTreeRows(TreeList* tree, int select) {
    int count = static_cast<int>(tree->rows.rows.size());
    SendMessageA(tree->list, LB_SETCOUNT, count, 0);
    if (select >= count) select = count - 1;
    SendMessageA(tree->list, LB_SETCURSEL, select, 0);
    InvalidateRect(tree->list, nullptr, TRUE);
}

int SelectedTreeRow(const TreeList& tree) {
    int row = static_cast<int>(SendMessageA(tree.list, LB_GETCURSEL, 0, 0));
    return row >= 0 && row < static_cast<int>(tree.rows.rows.size()) ? row : -1;
}

void DrawTreeRow(const TreeList& tree, const DRAWITEMSTRUCT* item) {
    if (item->itemID == static_cast<UINT>(-1) || item->itemID >= tree.rows.rows.size()) return;
    const TreeRow& row = tree.rows.rows[item->itemID];
    const CatalogEntry& entry = RowEntry(row);
    bool selected = (item->itemState & ODS_SELECTED) != 0;
    HDC dc = item->hDC;
    RECT box = item->rcItem;
    FillRect(dc, &box, selected ? GetSysColorBrush(COLOR_HIGHLIGHT) : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    int x = box.left + kTreeIndent * row.depth;
    HICON icon = tree.icons[RowIconOf(entry)];
    int size = std::min(tree.rowHeight, 16);
    if (icon) DrawIconEx(dc, x, box.top + (tree.rowHeight - size) / 2, icon, size, size, 0, nullptr, DI_NORMAL);
    HGDIOBJ old = tree.font ? SelectObject(dc, tree.font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : RGB(0, 0, 0));
    char name[sizeof entry.Name + 2];
    int length = static_cast<int>(strnlen(entry.Name, sizeof entry.Name));
    std::copy(entry.Name, entry.Name + length, name);
    name[length++] = ' ';
    TextOutA(dc, x + size + 2, box.top, name, length);
    if (old) SelectObject(dc, old);
    if (item->itemState & ODS_FOCUS) DrawFocusRect(dc, &box);
}
