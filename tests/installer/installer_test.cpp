// The Windows installer (build/dist/Labels-<version>-setup.exe), run silently
// in a fresh 32-bit prefix by scripts/installer-exec: what it installs, that
// the installed programs start, and what its uninstaller leaves. The tests
// run in this order in one process: the uninstall comes last.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "document/shell_integration.h"
#include "editions/profile.h"
#include "tools/driver/driver.h"

namespace {

const EditionProfile* const kEditions[] = {&kKestrinProfile, &kDovantelProfile, &kWimbrookProfile};
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Labels";

std::string Folder(int csidl) {
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::string InstallFolder() { return Folder(CSIDL_PROGRAM_FILES) + "\\Labels"; }
std::string Shortcut(const EditionProfile* e) {
    return Folder(CSIDL_COMMON_PROGRAMS) + "\\Labels\\" + e->name + ".lnk";
}
bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The default value, or a named one, of a key under HKEY_LOCAL_MACHINE;
// "(none)" when there is none.
std::string MachineValue(const std::string& key, const char* name = nullptr) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return "(none)";
    char text[1024] = "";
    DWORD size = sizeof text;
    LONG result = RegQueryValueExA(handle, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(handle);
    return result == ERROR_SUCCESS ? text : "(none)";
}

std::string IniValue(const EditionProfile* e, const char* section, const char* key) {
    char text[MAX_PATH] = "";
    GetPrivateProfileStringA(section, key, "(none)", text, sizeof text, EditionIniPath(e->name).c_str());
    return text;
}

// A whole section of an edition's INI file, its lines joined by newlines.
std::string IniSection(const EditionProfile* e, const char* section) {
    std::vector<char> text(32768);
    DWORD length = GetPrivateProfileSectionA(section, text.data(), static_cast<DWORD>(text.size()),
                                             EditionIniPath(e->name).c_str());
    std::string lines(text.data(), length);
    for (char& c : lines)
        if (c == '\0') c = '\n';
    return lines;
}

// Runs a program of the prefix with its arguments and waits for its exit.
DWORD RunAndWait(const std::string& commandLine) {
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return GetLastError() | 0x80000000u;
    DWORD code = 0x80000000u;
    if (WaitForSingleObject(process.hProcess, 180000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
}

// The version the installer's name carries: "Labels-<version>-setup.exe".
std::string g_version;

// The installer in LABEL_DIST (the Unix path of build/dist), installed once.
class SilentInstall : public testing::Environment {
public:
    void SetUp() override {
        char dist[MAX_PATH] = "";
        ASSERT_NE(GetEnvironmentVariableA("LABEL_DIST", dist, sizeof dist), 0u) << "LABEL_DIST is not set";
        std::string folder = WindowsPathOf(dist);
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "\\Labels-*-setup.exe").c_str(), &found);
        ASSERT_NE(search, INVALID_HANDLE_VALUE) << "no Labels-<version>-setup.exe in " << folder;
        FindClose(search);
        std::string name = found.cFileName;
        g_version = name.substr(7, name.size() - 7 - 10);
        ASSERT_EQ(RunAndWait("\"" + folder + "\\" + found.cFileName + "\" /S"), 0u);
        // The drive of a first start, so that no drive dialog opens; also the
        // section the uninstaller must leave.
        for (const EditionProfile* e : kEditions)
            WritePrivateProfileStringA("tlm5", "Drive", "67", EditionIniPath(e->name).c_str());
    }
};
[[maybe_unused]] const testing::Environment* const kInstall = testing::AddGlobalTestEnvironment(new SilentInstall);

TEST(Installer, PutsTheProgramsShortcutsAndEntryInPlace) {
    for (const EditionProfile* e : kEditions) {
        EXPECT_TRUE(Exists(InstallFolder() + "\\" + e->programFile)) << e->name;
        EXPECT_TRUE(Exists(Shortcut(e))) << e->name;
    }
    EXPECT_TRUE(Exists(InstallFolder() + "\\README.txt"));
    EXPECT_TRUE(Exists(InstallFolder() + "\\labelfind.exe"));
    EXPECT_EQ(MachineValue(kUninstallKey, "DisplayName"), "Kestrin, Dovantel and Wimbrook " + g_version);
    EXPECT_EQ(MachineValue(kUninstallKey, "DisplayVersion"), g_version);
    EXPECT_EQ(MachineValue(kUninstallKey, "UninstallString"), "\"" + InstallFolder() + "\\uninstall.exe\"");
}

// The installer's values byte for byte as the programs compute them, in a
// folder with a blank, where the command lines quote the program.
TEST(Installer, EntersTheFileTypesAsTheProgramsDo) {
    ASSERT_NE(InstallFolder().find(' '), std::string::npos);
    for (const EditionProfile* e : kEditions)
        for (const FileTypeValue& v : FileTypeValues(*e, InstallFolder())) {
            std::string key = "Software\\Classes\\" + v.key + (v.subkey.empty() ? "" : "\\" + v.subkey);
            EXPECT_EQ(MachineValue(key), v.value) << key;
        }
}

TEST(Installer, WritesEachInstallPath) {
    for (const EditionProfile* e : kEditions) EXPECT_EQ(IniValue(e, "Install", "InstallPath"), InstallFolder());
}

TEST(Installer, InstalledProgramsStart) {
    SetEnvironmentVariableA("LABEL_PROGRAMS_DIR", InstallFolder().c_str());
    for (const EditionProfile* e : kEditions) {
        ProgramRun run;
        std::string error;
        EXPECT_TRUE(StartEdition(&run, e->name, "", &error, 20000, true)) << error;
        DWORD code = 99;
        EXPECT_TRUE(CloseProgram(&run, &code)) << e->name;
        EXPECT_EQ(code, 0u) << e->name;
        KillProgram(&run);
    }
}

TEST(Installer, UninstallRemovesWhatItAddedAndLeavesTheRest) {
    std::vector<std::string> settings;
    for (const EditionProfile* e : kEditions) settings.push_back(IniSection(e, "tlm5"));
    ASSERT_EQ(RunAndWait("\"" + InstallFolder() + "\\uninstall.exe\" /S"), 0u);
    // The uninstaller runs on as a copy of itself and ends with the entry.
    EXPECT_TRUE(WaitFor([] { return MachineValue(kUninstallKey, "DisplayName") == "(none)"; }, 60000));
    EXPECT_FALSE(Exists(InstallFolder()));
    EXPECT_FALSE(Exists(Folder(CSIDL_COMMON_PROGRAMS) + "\\Labels"));
    for (size_t i = 0; i < settings.size(); ++i) {
        const EditionProfile* e = kEditions[i];
        EXPECT_EQ(MachineValue(std::string("Software\\Classes\\") + e->labelTypeId), "(none)");
        EXPECT_EQ(MachineValue(std::string("Software\\Classes\\") + e->bodyExt), "(none)");
        EXPECT_EQ(IniValue(e, "Install", "InstallPath"), "(none)");
        EXPECT_NE(settings[i].find("Drive=67"), std::string::npos) << e->name;
        EXPECT_EQ(IniSection(e, "tlm5"), settings[i]) << e->name;
    }
}

}  // namespace
