// The start-up continuation posts the command-line request to the window,
// which carries it out: a file that does not load is reported by name.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "editions/command_ids.h"
#include "shell/view_state.h"
#include "shell/win32/win_state.h"
#include "tests/gui/dialog_script.h"
#include "tests/gui/gui_harness.h"

namespace {

std::vector<int> g_commands;
WNDPROC g_original = nullptr;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) g_commands.push_back(LOWORD(wParam));
    return CallWindowProcA(g_original, window, message, wParam, lParam);
}

void RecordCommands(HWND window) {
    g_commands.clear();
    g_original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc)));
}

int CountOf(int command) {
    int n = 0;
    for (int c : g_commands) n += c == command;
    return n;
}

class CommandLineStartTest : public testing::Test {
protected:
    void TearDown() override { CloseMainWindowInProcess(); }
    // Starts on the command line; the window handles what that posts.
    void Start(const std::string& commandLine) {
        HWND window = StartMainWindowInProcess(nullptr, commandLine.c_str(), RecordCommands);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(PumpUntilHandled(window));
    }
};

TEST_F(CommandLineStartTest, LabelRequestPostsTheLoadWithTheNameAsGiven) {
    DialogScript answers({});
    ASSERT_NO_FATAL_FAILURE(Start("-label C:\\My Labels\\summer disk.KSB"));
    EXPECT_EQ(answers.seen(), std::vector<std::string>{"Unable to load..."});
    EXPECT_EQ(CountOf(CMD_STARTUP), 1);
    EXPECT_EQ(CountOf(CMD_CMDLINE_LABEL), 1);
    EXPECT_EQ(g_view.commandLineFile, "C:\\My Labels\\summer disk.KSB");
    // The request comes after the start-up continuation.
    ASSERT_GE(g_commands.size(), 2u);
    EXPECT_EQ(g_commands.front(), CMD_STARTUP);
}

TEST_F(CommandLineStartTest, TemplateAndPrintRequests) {
    ASSERT_NO_FATAL_FAILURE(Start("-template A:\\Kestrin.KST"));
    EXPECT_EQ(CountOf(CMD_CMDLINE_TEMPLATE), 1);
    EXPECT_EQ(g_view.commandLineFile, "A:\\Kestrin.KST");
}

TEST_F(CommandLineStartTest, KeywordAloneStartsNormally) {
    ASSERT_NO_FATAL_FAILURE(Start("-label"));
    EXPECT_EQ(CountOf(CMD_STARTUP), 1);
    EXPECT_EQ(CountOf(CMD_CMDLINE_LABEL), 0);
    EXPECT_EQ(CountOf(CMD_CMDLINE_TEMPLATE), 0);
    EXPECT_EQ(CountOf(CMD_CMDLINE_PRINT), 0);
    EXPECT_TRUE(g_view.commandLineFile.empty());
}

TEST_F(CommandLineStartTest, PrintLabelRequest) {
    // A fresh name in the temporary folder: surely no file there.
    char folder[MAX_PATH], missing[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    ASSERT_NE(GetTempFileNameA(folder, "lbl", 0, missing), 0u);
    DeleteFileA(missing);
    DialogScript answers({});
    ASSERT_NO_FATAL_FAILURE(Start(std::string("-printlabel ") + missing));
    EXPECT_EQ(answers.seen(), std::vector<std::string>{"Unable to load..."}) << "nothing printed";
    EXPECT_EQ(CountOf(CMD_CMDLINE_PRINT), 1);
    EXPECT_EQ(g_view.commandLineFile, missing);
}

}  // namespace
