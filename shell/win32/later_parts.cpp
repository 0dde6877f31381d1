#include "shell/win32/later_parts.h"

void InstallFileTypes() {}

int ConfirmDiscard() { return 1; }
