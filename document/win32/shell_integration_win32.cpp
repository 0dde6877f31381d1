#include "document/win32/shell_integration_win32.h"

#include <shellapi.h>

#include "document/shell_integration.h"
#include "editions/edition.h"

namespace {

INT_PTR ShellOpen(const char* target, int show) {
    return reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", target, nullptr, nullptr, show));
}

ShellOpenHook g_shellOpen = ShellOpen;

bool ClassesValue(const std::string& key, std::string* value) {
    char text[1024];
    LONG size = sizeof text;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), text, &size) != ERROR_SUCCESS) return false;
    text[sizeof text - 1] = '\0';
    *value = text;
    return true;
}

}  // namespace

void SetShellOpenHook(ShellOpenHook hook) { g_shellOpen = hook ? hook : ShellOpen; }

std::string ProgramFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return std::string();
    std::string folder(path, length);
    size_t slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

void InstallFileTypes() {
    std::string folder = InstallFolder(ProgramFolder().c_str());
    if (folder.empty()) return;
    for (const FileTypeValue& v : FileTypeValues(TheEdition(), folder)) {
        HKEY key;
        if (RegCreateKeyA(HKEY_CLASSES_ROOT, v.key.c_str(), &key) == ERROR_SUCCESS) RegCloseKey(key);
        if (RegOpenKeyA(HKEY_CLASSES_ROOT, v.key.c_str(), &key) != ERROR_SUCCESS) continue;
        RegSetValueA(key, v.subkey.empty() ? nullptr : v.subkey.c_str(), REG_SZ, v.value.c_str(),
                     static_cast<DWORD>(v.value.size()));
        RegCloseKey(key);
    }
}

bool OpenDocument(const char* target, int show) {
    if (g_shellOpen(target, show) > 32) return true;
    std::string type, command;
    if (!ClassesValue(".htm", &type) || !ClassesValue(type + "\\shell\\open\\command", &command)) return false;
    return WinExec(BrowserCommand(command, target).c_str(), static_cast<UINT>(show)) >= 32;
}

bool OpenWebPage(bool homePage) {
    return OpenDocument(WebPageAddress(TheEdition(), homePage).c_str(), SW_SHOWNORMAL);
}

bool OpenHelp(HWND window, bool search) {
    std::string path = HelpFilePath(TheEdition(), InstallFolder(ProgramFolder().c_str()));
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        // The help engine would say nothing useful: name the file looked for.
        std::string text = "The help file \"" + path + "\" cannot be found.";
        MessageBoxA(window, text.c_str(), "Help", MB_OK | MB_ICONERROR);
        return false;
    }
    return WinHelpA(window, path.c_str(), search ? HELP_FINDER : HELP_CONTEXT,
                    search ? 0 : kHelpContentsContext) != 0;
}
