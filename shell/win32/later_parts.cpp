#include "shell/win32/later_parts.h"

#include "shell/view_state.h"

void RefreshMenus(HWND) {}

void InstallFileTypes() {}


void SwitchPage(int label, int page) {
    g_view.currentLabel = label;
    g_view.currentPage = page;
}
void PaintLabelView(HDC) {}
void RedrawRubberBand(HDC) {}

int ConfirmDiscard() { return 1; }
