#include "base/win32/command_line_win32.h"

#include <windows.h>
#include <shellapi.h>

#include "base/win32/ansi_text_win32.h"

std::vector<std::string> CommandLineUtf8() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) args.push_back(Utf8(wide[i]));
    LocalFree(wide);
    return args;
}
