#include "tests/gui/dialog_answer.h"

#include <deque>
#include <utility>

namespace {

std::deque<std::pair<std::string, DialogAnswer>> g_answers;

struct Search {
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK FindOwnWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    if (*search->caption != text) return TRUE;
    search->found = window;
    return FALSE;
}

void CALLBACK Answer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_answers.empty()) return;
    Search search = {&g_answers.front().first, nullptr};
    EnumWindows(FindOwnWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return;
    DialogAnswer answer = std::move(g_answers.front().second);
    g_answers.pop_front();
    answer(search.found);
}

}  // namespace

void AnswerDialog(const std::string& caption, DialogAnswer answer) {
    g_answers.emplace_back(caption, std::move(answer));
}

int ForgetDialogAnswers() {
    int left = static_cast<int>(g_answers.size());
    g_answers.clear();
    return left;
}

void SendCommandAnswering(HWND window, int command) {
    UINT_PTR timer = SetTimer(nullptr, 0, 50, Answer);
    SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(command), 0);
    KillTimer(nullptr, timer);
}

DialogAnswer Press(int control) {
    return [control](HWND dialog) { PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(control), 0); };
}

DialogAnswer TypeThenPress(int edit, const std::string& text, int control) {
    return [edit, text, control](HWND dialog) {
        SetDlgItemTextA(dialog, edit, text.c_str());
        PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(control), 0);
    };
}
