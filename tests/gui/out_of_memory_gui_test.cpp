// Memory that runs out: a dialog's step fails softly and changes nothing;
// a command that runs out ends the program with the "Fatal Error" box and
// the fatal exit code. The allocation seam is this executable's own
// operator new, which throws once when armed.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "base/report.h"
#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "catalog/read_disk.h"
#include "catalog/scan_settings.h"
#include "catalog/win32/catalog_dialogs_win32.h"
#include "editions/command_ids.h"
#include "editions/dialog_ids.h"
#include "editions/edition.h"
#include "shell/win32/dispatch.h"
#include "tests/gui/dialog_script.h"
#include "tests/gui/gui_harness.h"
#include "tests/support/report_recorder.h"

namespace {
bool g_failNextAllocation = false;
}  // namespace

void* operator new(std::size_t size) {
    if (g_failNextAllocation) {
        g_failNextAllocation = false;
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

// Stands in for the end of the process: the test goes on after it.
struct ProcessEnded {
    int code;
};
void EndByThrowing(int code) { throw ProcessEnded{code}; }

class OutOfMemoryTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = StartMainWindowInProcess();
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        SetExitHook(nullptr);
        FreeExcludePatterns(&g_scan);
        CloseMainWindowInProcess();
    }
    HWND window_ = nullptr;
};

TEST_F(OutOfMemoryTest, ADialogStepFailsSoftlyAndACommandEndsTheProgram) {
    if (TheEdition().id != EDITION_KESTRIN) GTEST_SKIP() << "the same in every edition";
    int patterns = g_scan.NumExclude;
    PlayDuring([&] { ExcludeDialog(window_, &g_scan); },
               {WaitFor("Exclude/Include Files Containing..."), Click(IDC_EXCLUDE_PATTERN), Type("tmp"),
                // "&Add" runs out of memory: told, nothing added, the text kept.
                Do([](HWND d) {
                    g_failNextAllocation = true;
                    PostMessageA(d, WM_COMMAND, IDC_EXCLUDE_ADD, 0);
                }),
                ExpectMessage("not enough memory"), Do([patterns](HWND d) {
                    EXPECT_FALSE(g_failNextAllocation);
                    EXPECT_EQ(SendDlgItemMessageA(d, IDC_LIST, LB_GETCOUNT, 0, 0), patterns);
                    EXPECT_EQ(ControlText(d, IDC_EXCLUDE_PATTERN), "tmp");
                }),
                Click(IDOK)});
    EXPECT_EQ(g_scan.NumExclude, patterns);

    // Sorting the catalog runs out of memory: the program ends.
    g_scan.Drive = 'E';
    g_scan.DispSub = 1;
    ReadDisk(g_currentLabel, TheEdition(), g_scan);
    ReportRecorder recorder;
    SetExitHook(EndByThrowing);
    int code = 0;
    g_failNextAllocation = true;
    try {
        DispatchCommand(window_, CMD_SORT_SIZE);
    } catch (const ProcessEnded& ended) {
        code = ended.code;
    }
    EXPECT_FALSE(g_failNextAllocation);
    EXPECT_EQ(code, kFatalExitCode);
    EXPECT_EQ(recorder.reports(), std::vector<std::string>{std::string("Fatal Error: ") + kNoMemoryFatal});
}

}  // namespace
