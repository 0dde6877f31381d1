// The files and folders of a label job as the job names them (Unix paths
// in UTF-8, as the shell gave them) and as the program sees them (Windows
// paths in the ANSI code page, through Wine's Z: drive).
#pragma once
#include <windows.h>

#include <string>

#include "base/win32/ansi_text_win32.h"

// "Z:\home\me\x" for "/home/me/x"; a path that already names a drive
// stays as it is.
std::wstring WindowsPathW(const std::string& path);

// The path in the ANSI code page, as the program's file dialogs and
// command line take it; false when the code page has no character for
// some of it.
bool AnsiWindowsPath(const std::string& path, std::string* ansi);

bool IsFolder(const std::string& path);
bool IsFile(const std::string& path);
// Whether the folder's list can be read (an unreadable folder has one but
// refuses it).
bool FolderReadable(const std::string& path);
bool FolderEmpty(const std::string& path);

bool ReadWholeFile(const std::string& path, std::string* bytes);
bool CopyOneFile(const std::string& from, const std::string& to);
bool MakeFolders(const std::string& path);

// The last part of a path, without trailing slashes.
std::string LastPathPart(const std::string& path);
