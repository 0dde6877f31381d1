// Commands arriving while another command's dialog is open wait for it.
#include <gtest/gtest.h>

#include <windows.h>

#include "editions/command_ids.h"
#include "tools/driver/driver.h"

namespace {

TEST(DispatchProgramTest, ExitPostedWhileAboutIsOpenWaitsForIt) {
    ASSERT_TRUE(WriteEditionIni("Kestrin", "[tlm5]\r\nDrive=67\r\n"));
    ProgramRun run;
    std::string error;
    ASSERT_TRUE(StartEdition(&run, "Kestrin", "", &error)) << error;
    PostMessageA(run.window, WM_COMMAND, CMD_ABOUT, 0);
    HWND about = FindProgramWindow(run, "About Kestrin");
    ASSERT_NE(about, nullptr);
    PostMessageA(run.window, WM_COMMAND, CMD_EXIT, 0);
    ASSERT_TRUE(WaitUntilHandled(run.window));  // the Exit was taken off the queue
    EXPECT_TRUE(IsWindowVisible(run.window)) << "the program ended under its open About box";
    EXPECT_TRUE(IsWindowVisible(about));
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    DWORD code = 1;
    EXPECT_TRUE(WaitForExit(&run, &code));
    EXPECT_EQ(code, 0u);
    KillProgram(&run);
}

}  // namespace
