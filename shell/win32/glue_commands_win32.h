// The command rows' Win32 handlers, one for each slot of
// shell/glue_commands.h (which says what each does): dialogs, file
// pickers, printing, the view and the program's own requests, on the main
// window. They live in shell/win32/command_handlers_win32.cpp, each
// answering as a core handler does (shell/label_commands.h).
#pragma once

// Fills the command rows' glue slots with the handlers, at start-up before
// the first command; false when a slot was left empty.
bool RegisterWin32Handlers();
