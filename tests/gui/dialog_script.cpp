#include "tests/gui/dialog_script.h"

#include <deque>
#include <map>
#include <set>

namespace {

struct ScriptState {
    HHOOK hook = nullptr;
    std::deque<DialogAction> actions;
    std::set<HWND> known;
    std::vector<std::string> seen;
    std::map<UINT_PTR, std::pair<HWND, DialogAction>> pending;
};
ScriptState* g_script = nullptr;

void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (!g_script) return;
    auto it = g_script->pending.find(id);
    if (it == g_script->pending.end()) return;
    auto [dialog, action] = it->second;
    g_script->pending.erase(it);
    if (IsWindow(dialog)) action(dialog);
}

bool IsDialog(HWND window) {
    char cls[32] = "";
    GetClassNameA(window, cls, sizeof cls);
    return std::string(cls) == "#32770";
}

LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && g_script && IsDialog(window) && g_script->known.insert(window).second) {
        char caption[256] = "";
        GetWindowTextA(window, caption, sizeof caption);
        g_script->seen.push_back(caption);
        DialogAction action = [](HWND d) { PostMessageA(d, WM_COMMAND, IDCANCEL, 0); };
        if (!g_script->actions.empty()) {
            action = g_script->actions.front();
            g_script->actions.pop_front();
        }
        RunLater(window, action);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

DialogScript::DialogScript(std::vector<DialogAction> actions) {
    g_script = new ScriptState;
    g_script->actions.assign(actions.begin(), actions.end());
    g_script->hook = SetWindowsHookExA(WH_CBT, Watch, nullptr, GetCurrentThreadId());
}

DialogScript::~DialogScript() {
    UnhookWindowsHookEx(g_script->hook);
    for (auto& p : g_script->pending) KillTimer(nullptr, p.first);
    delete g_script;
    g_script = nullptr;
}

const std::vector<std::string>& DialogScript::seen() const { return g_script->seen; }

void RunLater(HWND dialog, DialogAction action, int milliseconds) {
    if (!g_script) return;
    UINT_PTR id = SetTimer(nullptr, 0, milliseconds, Fire);
    g_script->pending[id] = {dialog, std::move(action)};
}

void ClickControl(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void SetControlText(HWND dialog, int id, const char* text) { SetDlgItemTextA(dialog, id, text); }

std::string ControlText(HWND dialog, int id) {
    char text[256] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

bool ChooseComboItem(HWND dialog, const char* text) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[32] = "";
        GetClassNameA(child, cls, sizeof cls);
        if (std::string(cls) != "ComboBox") continue;
        LRESULT index = SendMessageA(child, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
        if (index == CB_ERR) continue;
        SendMessageA(child, CB_SETCURSEL, index, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), CBN_SELCHANGE), reinterpret_cast<LPARAM>(child));
        return true;
    }
    return false;
}

std::string MessageBoxText(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[32] = "", text[512] = "";
        GetClassNameA(child, cls, sizeof cls);
        GetWindowTextA(child, text, sizeof text);
        if (std::string(cls) == "Static" && text[0]) return text;
    }
    return "";
}
