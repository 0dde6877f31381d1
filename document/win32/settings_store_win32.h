#pragma once

// Connects the settings store to the Windows profile functions on the named
// INI file (no directory: the Windows folder) with the settings root.
void InstallWin32SettingsStore(const char* iniFile, const char* root);
