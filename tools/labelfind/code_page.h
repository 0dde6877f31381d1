// What labelfind needs of its platform: the code page of the names in the
// bodies (iconv natively, the system's conversions on Windows), the
// console's text, the command line in UTF-8 and opening a file by its
// path. posix/ and win32/ each hold one implementation.
#pragma once
#include <cstdio>
#include <filesystem>
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

// A path given in UTF-8 (a native path's own bytes) and back.
std::filesystem::path PathFromUtf8(const std::string& text);
std::string PathToUtf8(const std::filesystem::path& path);

// fopen for reading bytes, by a path of any characters.
std::FILE* OpenForReading(const std::filesystem::path& path);
