// Shows the core's reports as message boxes owned by the main window.
#pragma once

void InstallWin32ReportHooks();
