#include "shell/win32/later_parts.h"

bool PrinterSetupDialog(HWND) { return false; }
bool PrintLabel(HWND, int) { return false; }

bool OpenBodyCommand(HWND) { return false; }
bool OpenRecentCommand(HWND, int) { return false; }
bool SaveBodyCommand(HWND) { return false; }
bool SaveBodyAsCommand(HWND) { return false; }
bool WriteTemplateCommand(HWND) { return false; }
bool ReadTemplateCommand(HWND) { return false; }
bool ReadDiskTemplate(HWND, char) { return false; }
bool LoadCommandLineBody(HWND, const char*) { return false; }
bool LoadCommandLineTemplate(HWND, const char*) { return false; }
void ForgetBodyPath() {}

void InstallFileTypes() {}
bool OpenDocument(const char*, int) { return false; }
bool OpenWebPage(bool) { return false; }
bool OpenHelp(HWND, bool) { return false; }
