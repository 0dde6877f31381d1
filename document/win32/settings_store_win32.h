#pragma once

// Connects the settings store to the Windows profile functions on the named
// INI file (no directory: the Windows folder) with the settings root.
void InstallWin32SettingsStore(const char* iniFile, const char* root);

// Between these two, the store's writes are gathered in memory and reach
// the file in one write at the end, in the order and places one write a key
// would give them: each profile write rewrites the whole file, which for
// the several hundred keys of a save took seconds. False when the file
// could not be written.
void BeginSettingsBatch();
bool EndSettingsBatch();
