#pragma once

// Today's dates through GetDateFormat in the user's default locale.
void InstallWin32DateHook();
