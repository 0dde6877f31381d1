// The Win32 handlers of the command table's rows that carry none: the
// dialogs, file commands, printing, the view and the program's own
// requests. Each answers as a core handler does.
#pragma once
#include <windows.h>

using GlueHandler = bool (*)(HWND window, int arg);

// The handler for the id; null when the glue has none.
GlueHandler FindGlueHandler(int id);

// "&New" (forgetting the file name) or "Cle&ar Label" (keeping it).
bool ClearCurrentLabel(HWND window, bool keepFileName);

// The ranges: a recent file (0 the newest), and Kestrin's disk sizes (the
// item's text without "&" becomes the capacity text).
bool OpenRecentFile(HWND window, int index);
bool ChooseDiskSize(HWND window, int id);
