// Steps of start-up, painting and exit that belong to Parts built later.
// Each is a named function that does nothing (or the least that keeps the
// program sound) until its Part lands and moves it to its own module.
#pragma once
#include <windows.h>

// Shell integration.
void InstallFileTypes();

// Message dialogs: 0 when the user cancels.
int ConfirmDiscard();
