// Commands that change the look of every label record.
#pragma once
#include <windows.h>

// "&Reset To Defaults" (40084): the default look on every label record,
// default fonts built for the screen, line heights measured again, menus
// refreshed and the label redrawn.
void ResetToDefaults(HWND window);
