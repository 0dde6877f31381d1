#include "shell/win32/later_parts.h"

#include "shell/view_state.h"

void RefreshMenus(HWND) {}

void InstallFileTypes() {}

void ResetLabelRecordsAtCreation() {}
void ClearAllLabelRecords() {}
void LoadSettings() {}
void SaveSettings() {}
bool DriveWasLoaded() { return true; }
bool CurrentLabelHasContent() { return false; }
COLORREF WindowBackgroundColor() { return RGB(255, 255, 255); }

void SwitchPage(int label, int page) {
    g_view.currentLabel = label;
    g_view.currentPage = page;
}
void PaintLabelView(HDC) {}
void RedrawRubberBand(HDC) {}

int ConfirmDiscard() { return 1; }
