// The tree dialogs on the benchmark tree as a catalog (2,500 folders,
// 50,000 files, every folder open), under Wine with a display: times the
// Files and Folders Editor opening until its list has its rows, Open All and
// Close All in Subdirectory Selection, Move Down of the first root folder,
// its Delete, and OK. Target: each under 0.25 s.
//   wine build/cross/tests/bench/bench_catalog_dialogs.exe [repetitions]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "base/text_field.h"
#include "catalog/win32/catalog_dialogs_win32.h"
#include "editions/dialog_ids.h"
#include "tests/bench/bench_tree.h"
#include "tests/bench/win32/bench_clock.h"

namespace {

// The bench tree as catalog lists, the way the scanner leaves them.
void BuildCatalog(ZIPINFO* root) {
    std::map<std::string, std::vector<BenchItem>> children;
    for (const BenchItem& item : BenchTree()) {
        size_t slash = item.path.rfind('\\');
        children[slash == std::string::npos ? "" : item.path.substr(0, slash)].push_back(item);
    }
    struct Filler {
        std::map<std::string, std::vector<BenchItem>>& children;
        void Fill(ZIPINFO* list, const std::string& folder) {
            const std::vector<BenchItem>& items = children[folder];
            list->NumEntries = static_cast<int32_t>(items.size());
            list->Entries = NewEntries(list->NumEntries, "bench");
            for (size_t i = 0; i < items.size(); ++i) {
                CatalogEntry& e = list->Entries[i];
                CopyField(e.Name, items[i].path.substr(items[i].path.rfind('\\') + 1).c_str());
                e.Size = items[i].size;
                CopyField(e.EntryComment, items[i].folder ? "[dir]" : "1K");
                if (items[i].folder) {
                    e.HasSubtree = 1;
                    e.Open = 1;
                    e.Child = NewCatalogList();
                    Fill(e.Child, items[i].path);
                }
            }
        }
    } filler{children};
    filler.Fill(root, "");
}

struct Run {
    double open = 0, openAll = 0, closeAll = 0, moveDown = 0, remove = 0, ok = 0;
    double started = 0;
    int rows = 0;
};
Run* g_run = nullptr;

// Marks the moment the editor's WM_INITDIALOG has returned: its list has
// its rows.
LRESULT CALLBACK AfterInit(int code, WPARAM wParam, LPARAM lParam) {
    auto* message = reinterpret_cast<CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_INITDIALOG && g_run && g_run->open == 0) {
        char caption[64] = "";
        GetWindowTextA(message->hwnd, caption, sizeof caption);
        if (std::strcmp(caption, "Files and Folders Editor") == 0) g_run->open = Now() - g_run->started;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

double Timed(HWND dialog, int id) {
    HWND list = GetDlgItem(dialog, IDC_LIST);
    double start = Now();
    SendMessageA(dialog, WM_COMMAND, id, 0);
    UpdateWindow(list);
    return Now() - start;
}

void CALLBACK SubdirSteps(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowA(nullptr, "Subdirectory Selection");
    if (!dialog) return;
    KillTimer(nullptr, timer);
    g_run->closeAll = Timed(dialog, IDC_CLOSE_ALL);
    g_run->openAll = Timed(dialog, IDC_OPEN_ALL);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

void CALLBACK EditorSteps(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowA(nullptr, "Files and Folders Editor");
    if (!dialog) return;
    KillTimer(nullptr, timer);
    HWND list = GetDlgItem(dialog, IDC_LIST);
    g_run->rows = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    g_run->moveDown = Timed(dialog, IDC_MOVE_DOWN);
    g_run->remove = Timed(dialog, IDC_DELETE_ENTRY);
    g_run->ok = Now();
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-28s median %7.1f ms, fastest %7.1f ms%s\n", what, times[times.size() / 2], times.front(),
                times[times.size() / 2] < 250 ? "" : "  (over the 0.25 s target)");
}

}  // namespace

int main(int argc, char** argv) {
    int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterInit, nullptr, GetCurrentThreadId());
    std::vector<double> open, openAll, closeAll, moveDown, remove, ok;
    int rows = 0;
    for (int r = 0; r < repetitions; ++r) {
        ZIPINFO label = {};
        BuildCatalog(&label);
        Run run;
        g_run = &run;
        SetTimer(nullptr, 0, 10, SubdirSteps);
        SubdirDialog(nullptr, &label);
        SetTimer(nullptr, 0, 10, EditorSteps);
        run.started = Now();
        FilesFoldersDialog(nullptr, &label);
        run.ok = Now() - run.ok;
        open.push_back(run.open);
        openAll.push_back(run.openAll);
        closeAll.push_back(run.closeAll);
        moveDown.push_back(run.moveDown);
        remove.push_back(run.remove);
        ok.push_back(run.ok);
        rows = run.rows;
        FreeCatalog(&label);
    }
    UnhookWindowsHookEx(hook);
    std::printf("Files and Folders Editor and Subdirectory Selection, %d rows, %d runs\n", rows, repetitions);
    Report("editor open, list filled", open);
    Report("Open All", openAll);
    Report("Close All", closeAll);
    Report("Move Down, first root folder", moveDown);
    Report("Delete of it", remove);
    Report("OK", ok);
    return 0;
}
