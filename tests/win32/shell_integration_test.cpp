// Documents and web pages opened through the shell, and the fallback
// through the program of ".htm" files: a test type whose program records
// its command line, put in place of the prefix's own and restored after.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "document/shell_integration.h"
#include "document/win32/shell_integration_win32.h"
#include "editions/edition.h"

namespace {

std::string g_opened;
INT_PTR Refuse(const char* target, int) {
    g_opened = target;
    return SE_ERR_NOASSOC;
}
INT_PTR Accept(const char* target, int) {
    g_opened = target;
    return 42;
}

std::string Value(const char* key) {
    char text[1024] = "";
    LONG size = sizeof text;
    return RegQueryValueA(HKEY_CLASSES_ROOT, key, text, &size) == ERROR_SUCCESS ? text : "";
}
void SetValue(const char* key, const std::string& value) {
    RegSetValueA(HKEY_CLASSES_ROOT, key, REG_SZ, value.c_str(), static_cast<DWORD>(value.size()));
}

std::string RecorderPath() {
    std::string path = "Z:" RECORD_ARGS_EXE;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

class ShellOpenTest : public testing::Test {
protected:
    void SetUp() override { htm_ = Value(".htm"); }
    void TearDown() override {
        SetShellOpenHook(nullptr);
        SetValue(".htm", htm_);
        for (const char* key : {"LabelTestPage\\shell\\open\\command", "LabelTestPage\\shell\\open",
                                "LabelTestPage\\shell", "LabelTestPage"})
            RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
    }
    std::string htm_;
};

TEST_F(ShellOpenTest, WebPagesGoToTheShell) {
    SetShellOpenHook(Accept);
    EXPECT_TRUE(OpenWebPage(false));
    EXPECT_EQ(g_opened, WebPageAddress(TheEdition(), false));
    EXPECT_TRUE(OpenWebPage(true));
    EXPECT_EQ(g_opened, WebPageAddress(TheEdition(), true));
}

TEST_F(ShellOpenTest, WhenTheShellFailsTheHtmlProgramGetsTheTarget) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string out = std::string(temp) + "record_args.txt";
    DeleteFileA(out.c_str());
    SetEnvironmentVariableA("RECORD_ARGS_FILE", out.c_str());
    SetValue(".htm", "LabelTestPage");
    SetValue("LabelTestPage\\shell\\open\\command", "\"" + RecorderPath() + "\" --page \"%1\"");
    SetShellOpenHook(Refuse);

    EXPECT_TRUE(OpenDocument("http://www.tlm5.example/x", SW_HIDE));
    std::string recorded;
    for (int i = 0; i < 200 && recorded.empty(); ++i) {
        Sleep(50);
        std::ifstream in(out, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        recorded = s.str();
    }
    EXPECT_EQ(recorded, "\"" + RecorderPath() + "\" --page  http://www.tlm5.example/x");
    DeleteFileA(out.c_str());

    RegDeleteKeyA(HKEY_CLASSES_ROOT, "LabelTestPage\\shell\\open\\command");
    EXPECT_FALSE(OpenDocument("http://www.tlm5.example/x", SW_HIDE));  // no command: nothing
}

}  // namespace
