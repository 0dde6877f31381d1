// What labelfind needs of its platform: the code page of the names in the
// bodies (iconv natively, the system's conversions on Windows), the
// console's text, the command line in UTF-8, and folders and files by
// their paths. posix/ and win32/ each hold one implementation, on the
// system's own calls (only those the Windows release allows).
#pragma once
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// 1252 natively (Western systems' names); the ANSI code page on Windows,
// in which the programs there wrote their bodies.
int DefaultCodePage();

// Makes the code page the one of the conversions below; false with the
// reason when the platform has no such code page.
bool SelectCodePage(int number, std::string* error);

// Appends the bytes of the code page in UTF-8; a byte that has no
// character there is U+FFFD, never dropped.
void NameToUtf8(std::string_view bytes, std::string* out);

// UTF-8 in the code page; false when it holds a character the code page
// has none for.
bool Utf8ToName(std::string_view utf8, std::string* bytes);

// Readable text (UTF-8) as the console shows it: the console's code page
// on Windows, unchanged elsewhere.
std::string ForConsole(const std::string& utf8);

// The command line's arguments after the program name, in UTF-8.
std::vector<std::string> CommandArguments(int argc, char** argv);

// Output of exact bytes (JSON, CSV): no line-end translation.
void UseBinaryOutput();

// Paths are UTF-8 on Windows, a native path's own bytes elsewhere.
char PathSeparator();

enum PathKind { PATH_FOLDER, PATH_FILE, PATH_OTHER };

// What the path names, a link followed; false with the reason when it
// names nothing or cannot be looked at.
bool KindOfPath(const std::string& path, PathKind* kind, std::string* error);

struct FolderEntry {
    std::string name;
    PathKind kind;  // of the entry, or of a link's target
    bool link;      // a symbolic link (on Windows any reparse point)
};

// The folder's entries but "." and ".."; false with the reason when it
// cannot be listed.
bool ListFolder(const std::string& path, std::vector<FolderEntry>* entries, std::string* error);

// fopen for reading bytes; null with errno set.
std::FILE* OpenForReading(const std::string& path);
