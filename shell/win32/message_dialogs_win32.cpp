#include "shell/win32/message_dialogs_win32.h"

bool ShowHint(HWND, const char*, const char*, const char*, const char*, int) { return false; }

bool ConfirmDiscard(HWND) { return true; }

int GoToPage(HWND, int currentPage) { return currentPage; }

void About(HWND) {}
