// The settings store through the real Windows profile functions, on an INI
// file of its own in the Windows folder (never an edition's).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "document/program_settings.h"
#include "document/settings.h"
#include "document/settings_store.h"
#include "document/win32/settings_store_win32.h"
#include "editions/profile.h"
#include "base/report.h"
#include "shell/view_state.h"
#include "shell/win32/report_win32.h"
#include "shell/program_records.h"
#include "tests/core/program_state.h"
#include "tests/driver/host_files.h"

namespace {

const char* kRoot = "Software\\tlm5\\Kestrin\\1.0";

// CTest runs tests side by side: each gets a file named after itself.
std::string g_ini;

std::string IniPath() {
    char dir[MAX_PATH];
    GetWindowsDirectoryA(dir, sizeof dir);
    return std::string(dir) + "\\" + g_ini;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

class ProfileStoreTest : public testing::Test {
protected:
    ViewSettings view_ = {};
    void SetUp() override {
        g_ini = std::string("StoreTest_") + testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini";
        MakeWritable(IniPath());
        DeleteFileA(IniPath().c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, g_ini.c_str());  // drop any cached copy
        InstallWin32SettingsStore(g_ini.c_str(), kRoot);
        ResetProgramState(kKestrinProfile);
    }
    void TearDown() override {
        MakeWritable(IniPath());
        DeleteFileA(IniPath().c_str());
        ResetProgramState(kKestrinProfile);
    }
};

TEST_F(ProfileStoreTest, ValuesRoundTripThroughTheRealProfileFile) {
    int8_t b = -5;
    int32_t i = -2147483647 - 1;
    uint32_t white = 0xFFFFFF;
    ASSERT_TRUE(WriteSetting(kRoot, "Drive", &b, 1, SETTING_BYTE));
    ASSERT_TRUE(WriteSetting(kRoot, "Columns0", &i, 4, SETTING_INT));
    ASSERT_TRUE(WriteSetting(kRoot, "BackColor", &white, 4, SETTING_COLOR));
    ASSERT_TRUE(WriteSetting(kRoot, "Comment0", "%spacefree% free", 256, SETTING_STRING));
    std::string text = ReadFile(IniPath());
    EXPECT_NE(text.find("[tlm5]"), std::string::npos) << text;
    EXPECT_NE(text.find("Drive=-5"), std::string::npos) << text;
    EXPECT_NE(text.find("Columns0=-2147483648"), std::string::npos) << text;
    EXPECT_NE(text.find("BackColor=16777215"), std::string::npos) << text;
    EXPECT_NE(text.find("Comment0=%spacefree% free"), std::string::npos) << text;

    int8_t b2 = 0;
    int32_t i2 = 0;
    uint32_t w2 = 0;
    char comment[256];
    EXPECT_TRUE(ReadSetting(kRoot, "Drive", &b2, 1, SETTING_BYTE));
    EXPECT_TRUE(ReadSetting(kRoot, "Columns0", &i2, 4, SETTING_INT));
    EXPECT_TRUE(ReadSetting(kRoot, "BackColor", &w2, 4, SETTING_COLOR));
    EXPECT_TRUE(ReadSetting(kRoot, "Comment0", comment, sizeof comment, SETTING_STRING));
    EXPECT_EQ(b2, -5);
    EXPECT_EQ(i2, -2147483647 - 1);
    EXPECT_EQ(w2, 0xFFFFFFu);
    EXPECT_STREQ(comment, "%spacefree% free");
    int32_t untouched = 42;
    EXPECT_FALSE(ReadSetting(kRoot, "Absent", &untouched, 4, SETTING_INT));
    EXPECT_EQ(untouched, 42);
}

TEST_F(ProfileStoreTest, FontKeysThroughTheProfile) {
    FontDesc font = {};
    font.lfHeight = -11;
    font.lfWeight = 700;
    font.lfUnderline = 1;
    font.lfCharSet = 204;
    std::strcpy(font.lfFaceName, "Arial");
    WriteFontSetting("SpineFont0", &font);
    std::string text = ReadFile(IniPath());
    EXPECT_NE(text.find("SpineFont0_lfHeight=-11"), std::string::npos) << text;
    EXPECT_NE(text.find("SpineFont0_lfCharSet=-52"), std::string::npos) << text;
    EXPECT_EQ(text.find("lfUnderline"), std::string::npos) << text;
    FontDesc back = {};
    ReadFontSetting("SpineFont0", &back);
    font.lfUnderline = 0;
    EXPECT_EQ(std::memcmp(&back, &font, sizeof font), 0);
}

TEST_F(ProfileStoreTest, AMissingFileGivesTheDefaults) {
    LoadSettings(kKestrinProfile, &view_, ProgramStoredSettings());
    EXPECT_EQ(g_scan.Drive, 0);
    EXPECT_EQ(view_.labelKind, 10);
    EXPECT_EQ(g_labelRecords[0].Columns, 3);
    EXPECT_STREQ(g_labelRecords[0].Comment, "%spacefree% free, %spaceused% used  (%shortdate%)");
    EXPECT_EQ(g_labelRecords[0].Font.lfHeight, -1);
    EXPECT_STREQ(g_settings.Initials, "zip");
    EXPECT_EQ(GetFileAttributesA(IniPath().c_str()), INVALID_FILE_ATTRIBUTES) << "loading creates no file";
}

TEST_F(ProfileStoreTest, AVeryLongLineIsCutToTheField) {
    std::string longValue(5000, 'L');
    WriteFile(IniPath(), "[tlm5]\r\nComment0=" + longValue + "\r\nInitials=" + longValue +
                             "\r\nColumns0=" + std::string(3000, '9') + "\r\nLined0=0\r\n");
    LoadSettings(kKestrinProfile, &view_, ProgramStoredSettings());
    EXPECT_EQ(std::string(g_labelRecords[0].Comment), std::string(254, 'L'));
    EXPECT_EQ(std::string(g_settings.Initials), std::string(63, 'L'));
    EXPECT_EQ(g_labelRecords[0].Columns, 3) << "an endless number is no number";
    EXPECT_EQ(g_labelRecords[0].Lined, 0) << "keys after the long lines still load";
}

TEST_F(ProfileStoreTest, SaveThenLoadThroughTheProfileGivesTheSameSettings) {
    WriteFile(IniPath(),
              "[tlm5]\r\nDrive=69\r\nLabels=12\r\nColumns0=-6\r\nExts0=1\r\nExtName0_0=bak\r\n"
              "NumExclude=1\r\nExclude0=.TMP\r\nWindScale=125\r\nFont0_lfHeight=-13\r\n"
              "Font0_lfFaceName=Courier New\r\nExtName0_3=kept\r\nInitials=JZ\r\n[other]\r\nkey=value\r\n");
    LoadSettings(kKestrinProfile, &view_, ProgramStoredSettings());
    g_settings.Windows[WINDOW_MAIN].x = 140;
    g_settings.Windows[WINDOW_MAIN].y = 90;
    SaveSettings(kKestrinProfile, view_, ProgramStoredSettings());
    std::string text = ReadFile(IniPath());
    EXPECT_NE(text.find("ExtName0_3=kept"), std::string::npos) << text;
    EXPECT_NE(text.find("Initials=JZ"), std::string::npos) << text;
    EXPECT_NE(text.find("[other]"), std::string::npos) << text;
    EXPECT_NE(text.find("key=value"), std::string::npos) << text;
    EXPECT_NE(text.find("Columns0=6"), std::string::npos) << text;
    EXPECT_NE(text.find("Lined0=0"), std::string::npos) << text;
    EXPECT_NE(text.find("MainWindowX=140"), std::string::npos) << text;

    ResetProgramState(kKestrinProfile);
    LoadSettings(kKestrinProfile, &view_, ProgramStoredSettings());
    EXPECT_EQ(g_scan.Drive, 'E');
    EXPECT_EQ(view_.labelKind, 12);
    EXPECT_EQ(g_labelRecords[0].Columns, 6);
    EXPECT_EQ(g_labelRecords[0].Lined, 0);
    ASSERT_EQ(g_labelRecords[0].NumExtStyles, 1);
    EXPECT_STREQ(g_labelRecords[0].ExtStyles[0].ExtName, "bak");
    ASSERT_EQ(g_scan.NumExclude, 1);
    EXPECT_STREQ(g_scan.Exclude[0], ".TMP");
    EXPECT_DOUBLE_EQ(view_.windowScale, 1.25);
    EXPECT_EQ(g_labelRecords[0].Font.lfHeight, -13);
    EXPECT_STREQ(g_labelRecords[0].Font.lfFaceName, "Courier New");
    EXPECT_EQ(g_settings.Windows[WINDOW_MAIN].y, 90);
}

TEST_F(ProfileStoreTest, AReadOnlyFileIsLeftAsItWasAndSavingGoesOn) {
    const std::string original = "[tlm5]\r\nColumns0=2\r\n";
    WriteFile(IniPath(), original);
    std::string cannot = MakeReadOnly(IniPath());
    if (!cannot.empty()) GTEST_SKIP() << cannot;
    LoadSettings(kKestrinProfile, &view_, ProgramStoredSettings());
    EXPECT_EQ(g_labelRecords[0].Columns, 2);
    g_labelRecords[0].Columns = 5;
    int32_t value = 7;
    EXPECT_FALSE(WriteSetting(kRoot, "Columns0", &value, 4, SETTING_INT));
    SaveSettings(kKestrinProfile, view_, ProgramStoredSettings());  // every write fails; nothing is reported
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, g_ini.c_str());
    EXPECT_EQ(ReadFile(IniPath()), original);
}

TEST_F(ProfileStoreTest, AFileHeldOpenByAnotherProgramIsLeftAsItWas) {
    const std::string original = "[tlm5]\r\nColumns0=4\r\n";
    WriteFile(IniPath(), original);
    LoadSettings(kKestrinProfile, &view_, ProgramStoredSettings());
    HANDLE held = CreateFileA(IniPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    g_labelRecords[0].Columns = 1;
    SaveSettings(kKestrinProfile, view_, ProgramStoredSettings());
    CloseHandle(held);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, g_ini.c_str());
    EXPECT_EQ(ReadFile(IniPath()), original);
}

// The real "Fatal Error" box: a helper thread reads it and presses OK, then
// the process must end with the fatal exit code.
DWORD WINAPI AnswerFatalBox(LPVOID) {
    for (int i = 0; i < 500; ++i) {
        HWND box = FindWindowA(nullptr, "Fatal Error");
        if (box && IsWindowVisible(box)) {
            char text[256] = "";
            HWND label = FindWindowExA(box, nullptr, "Static", nullptr);
            while (label && GetWindowTextA(label, text, sizeof text) == 0)
                label = FindWindowExA(box, label, "Static", nullptr);
            if (std::strcmp(text, "Can't allocate 256 file entries, exiting Verrick") != 0) ExitProcess(90);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            return 0;
        }
        Sleep(20);
    }
    ExitProcess(91);  // no box appeared
}

void FailAnAllocation() {
    InstallWin32Hooks();
    CreateThread(nullptr, 0, AnswerFatalBox, nullptr, 0, nullptr);
    // More entries than a 32-bit process can hold: the allocation fails.
    NewEntries(0x7FFFFFFF, "Can't allocate 256 file entries, exiting Verrick");
}

TEST(FatalErrorDeathTest, FailedAllocationShowsTheBoxAndEndsWithAFailureCode) {
    EXPECT_EXIT(FailAnAllocation(), testing::ExitedWithCode(kFatalExitCode), "");
}

}  // namespace
