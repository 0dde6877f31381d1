// The dialogs in the real programs: where a dialog was left, and what it
// stores, reach the INI file, and the initials are written at once.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "editions/command_ids.h"
#include "editions/dialog_ids.h"
#include "tools/driver/driver.h"

namespace {

class DialogsProgramTest : public testing::Test {
protected:
    void TearDown() override { KillProgram(&run_); }
    // Null keeps the INI file as it is.
    void Start(const char* edition, const char* ini) {
        if (ini) {
            ASSERT_TRUE(WriteEditionIni(edition, ini));
        }
        std::string error;
        ASSERT_TRUE(StartEdition(&run_, edition, "", &error)) << error;
    }
    HWND Open(int command, const std::string& caption) {
        PostMessageA(run_.window, WM_COMMAND, static_cast<WPARAM>(command), 0);
        return FindProgramWindow(run_, caption);
    }
    // A real click on one of the dialog's buttons that closes it; true once
    // it is gone and the program has handled what followed.
    bool Press(HWND dialog, int id) {
        HWND button = GetDlgItem(dialog, id);
        RECT r;
        GetClientRect(button, &r);
        ClickClient(button, r.right / 2, r.bottom / 2);
        return WaitFor([dialog] { return !IsWindow(dialog); }) && WaitUntilHandled(run_.window);
    }
    std::string Ini(const char* edition) {
        std::string text;
        ReadEditionIni(edition, &text);
        return text;
    }
    ProgramRun run_;
};

TEST_F(DialogsProgramTest, AMovedDialogReopensThereAndWhatItStoresReachesTheIni) {
    Start("Kestrin", "[tlm5]\r\nDrive=67\r\n");
    HWND comment = Open(CMD_EDIT_COMMENT, "Jaz Comment Entry");
    ASSERT_NE(comment, nullptr);
    SetWindowPos(comment, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetDlgItemTextA(comment, IDC_COMMENT_TEXT, "Backup of %files% files");
    ASSERT_TRUE(Press(comment, IDOK));

    HWND initials = Open(CMD_CUSTOMIZE_INITIALS, "Customize Initials");
    ASSERT_NE(initials, nullptr);
    SetDlgItemTextA(initials, IDC_INITIALS, "ABC");
    SetDlgItemTextA(initials, IDC_NUMBER, "2,000");
    ASSERT_TRUE(Press(initials, IDOK));
    std::string running = Ini("Kestrin");
    EXPECT_NE(running.find("Initials=ABC\r\n"), std::string::npos) << "written while the program runs";
    EXPECT_NE(running.find("Number=2,000\r\n"), std::string::npos);

    DWORD code = 1;
    ASSERT_TRUE(CloseProgram(&run_, &code));
    std::string ini = Ini("Kestrin");
    EXPECT_NE(ini.find("Comment0=Backup of %files% files\r\n"), std::string::npos);
    EXPECT_NE(ini.find("CommentWindowX=300\r\n"), std::string::npos);
    EXPECT_NE(ini.find("CommentWindowY=200\r\n"), std::string::npos);

    Start("Kestrin", nullptr);  // on the INI the last run wrote
    comment = Open(CMD_EDIT_COMMENT, "Jaz Comment Entry");
    ASSERT_NE(comment, nullptr);
    RECT r;
    GetWindowRect(comment, &r);
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.top, 200);
    Press(comment, IDCANCEL);
}

TEST_F(DialogsProgramTest, WimbrooksInitialsLeaveTheNumberAsItWas) {
    Start("Wimbrook", "[tlm5]\r\nDrive=67\r\nNumber=1.44\r\n");
    HWND initials = Open(CMD_CUSTOMIZE_INITIALS, "Customize Initials");
    ASSERT_NE(initials, nullptr);
    EXPECT_EQ(GetDlgItem(initials, IDC_NUMBER), nullptr);
    SetDlgItemTextA(initials, IDC_INITIALS, "XY");
    ASSERT_TRUE(Press(initials, IDOK));
    std::string ini = Ini("Wimbrook");
    EXPECT_NE(ini.find("Initials=XY\r\n"), std::string::npos);
    EXPECT_NE(ini.find("Number=1.44\r\n"), std::string::npos);
}

}  // namespace
