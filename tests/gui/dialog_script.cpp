#include "tests/gui/dialog_script.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <map>
#include <deque>

#include "tools/driver/input_events.h"
#include "tools/driver/window_capture.h"

namespace {

struct Script {
    std::vector<DialogStep> steps;
    size_t next = 0;
    DWORD start = 0;
    int timeoutMs = 0;
    bool busy = false;
    bool failed = false;
};
Script* g_script = nullptr;
HWND g_current = nullptr;

BOOL CALLBACK CancelDialog(HWND window, LPARAM) {
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    if (IsWindowVisible(window) && std::strcmp(name, "#32770") == 0) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    Script* s = g_script;
    if (!s || s->busy) return;
    if (GetTickCount() - s->start > static_cast<DWORD>(s->timeoutMs)) {
        s->failed = true;
        EnumThreadWindows(GetCurrentThreadId(), CancelDialog, 0);
        return;
    }
    if (s->next >= s->steps.size()) return;
    s->busy = true;
    size_t index = s->next;
    if (s->steps[index]()) s->next = index + 1;
    s->busy = false;
}

struct FindData {
    std::string caption;
    HWND found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM param) {
    auto* data = reinterpret_cast<FindData*>(param);
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    if (IsWindowVisible(window) && data->caption == text) {
        data->found = window;
        return FALSE;
    }
    return TRUE;
}

void Button(DWORD flags) {
    INPUT input = MouseEvent(flags);
    SendInput(1, &input, sizeof input);
}

void Key(WORD key, bool up) {
    INPUT input = KeyEvent(key, up);
    SendInput(1, &input, sizeof input);
}

void ClickAtScreen(POINT p, int clicks) {
    SetCursorPos(p.x, p.y);
    for (int i = 0; i < clicks; ++i) {
        Button(MOUSEEVENTF_LEFTDOWN);
        Button(MOUSEEVENTF_LEFTUP);
    }
}

}  // namespace

void PlayDuring(const std::function<void()>& open, std::vector<DialogStep> steps, int timeoutMs) {
    Script script;
    script.steps = std::move(steps);
    script.start = GetTickCount();
    script.timeoutMs = timeoutMs;
    Script* outer = g_script;
    g_script = &script;
    g_current = nullptr;
    UINT_PTR timer = SetTimer(nullptr, 0, 40, Tick);
    open();
    KillTimer(nullptr, timer);
    g_script = outer;
    EXPECT_FALSE(script.failed) << "the dialogs were still open after " << timeoutMs << " ms";
    EXPECT_EQ(script.next, script.steps.size()) << "steps left: " << script.steps.size() - script.next;
}

HWND ShownWindow(const std::string& caption) {
    FindData data{caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindShown, reinterpret_cast<LPARAM>(&data));
    return data.found;
}

DialogStep WaitFor(const std::string& caption) {
    return [caption] {
        HWND window = ShownWindow(caption);
        if (!window) return false;
        g_current = window;
        SetForegroundWindow(window);
        return true;
    };
}

HWND Current() { return g_current; }

DialogStep UseWindow(HWND window) {
    return [window] {
        g_current = window;
        return true;
    };
}

DialogStep Click(int id) {
    return [id] {
        HWND control = GetDlgItem(g_current, id);
        EXPECT_NE(control, nullptr) << "control " << id;
        if (!control) return true;
        RECT box;
        GetWindowRect(control, &box);
        ClickAtScreen({(box.left + box.right) / 2, (box.top + box.bottom) / 2}, 1);
        return true;
    };
}

namespace {

DialogStep ClickRow(int listId, int row, int clicks) {
    return [listId, row, clicks] {
        HWND list = GetDlgItem(g_current, listId);
        RECT item;
        if (!list || SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
            ADD_FAILURE() << "no row " << row;
            return true;
        }
        POINT p = {item.left + 30, (item.top + item.bottom) / 2};
        ClientToScreen(list, &p);
        ClickAtScreen(p, clicks);
        return true;
    };
}

}  // namespace

DialogStep ClickListRow(int listId, int row) { return ClickRow(listId, row, 1); }
DialogStep DoubleClickListRow(int listId, int row) { return ClickRow(listId, row, 2); }

DialogStep SelectAll() {
    return [] {
        Keys({VK_HOME})();
        Keys({VK_END}, {VK_SHIFT})();
        return true;
    };
}

DialogStep Keys(std::vector<WORD> keys, std::vector<WORD> modifiers) {
    return [keys, modifiers] {
        for (WORD m : modifiers) Key(m, false);
        for (WORD k : keys) {
            Key(k, false);
            Key(k, true);
        }
        for (WORD m : modifiers) Key(m, true);
        return true;
    };
}

DialogStep Type(const std::string& text) {
    return [text] {
        for (char c : text) {
            INPUT input[2] = {};
            for (int i = 0; i < 2; ++i) {
                input[i].type = INPUT_KEYBOARD;
                input[i].ki.wScan = static_cast<unsigned char>(c);
                input[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
            }
            SendInput(2, input, sizeof input[0]);
        }
        return true;
    };
}

DialogStep Paste(const std::string& text) {
    return [text] {
        if (OpenClipboard(g_current)) {
            EmptyClipboard();
            HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
            std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
            GlobalUnlock(memory);
            SetClipboardData(CF_TEXT, memory);
            CloseClipboard();
        }
        Keys({'V'}, {VK_CONTROL})();
        return true;
    };
}

DialogStep Do(std::function<void(HWND)> work) {
    return [work] {
        work(g_current);
        return true;
    };
}

std::string ControlText(HWND window, int id) {
    HWND control = GetDlgItem(window, id);
    int length = control ? GetWindowTextLengthA(control) : 0;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    if (control) GetWindowTextA(control, &text[0], length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

namespace {

struct OwnedFind {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwned(HWND window, LPARAM param) {
    auto* data = reinterpret_cast<OwnedFind*>(param);
    if (window != data->owner && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == data->owner) {
        data->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK AppendText(HWND child, LPARAM param) {
    char text[512] = "";
    GetWindowTextA(child, text, sizeof text);
    *reinterpret_cast<std::string*>(param) += std::string(text) + "\n";
    return TRUE;
}

}  // namespace

DialogStep ExpectMessage(const std::string& part) {
    return [part] {
        OwnedFind data{g_current, nullptr};
        EnumThreadWindows(GetCurrentThreadId(), FindOwned, reinterpret_cast<LPARAM>(&data));
        if (!data.found) return false;
        std::string text;
        EnumChildWindows(data.found, AppendText, reinterpret_cast<LPARAM>(&text));
        EXPECT_NE(text.find(part), std::string::npos) << text;
        HWND ok = GetDlgItem(data.found, IDOK);
        RECT box;
        if (ok && GetWindowRect(ok, &box)) {
            ClickAtScreen({(box.left + box.right) / 2, (box.top + box.bottom) / 2}, 1);
        } else {
            PostMessageA(data.found, WM_COMMAND, IDOK, 0);
        }
        return true;
    };
}

DialogStep Picture(const std::string& name) {
    return [name] {
        char folder[MAX_PATH] = "";
        if (!GetEnvironmentVariableA("LABEL_SCREENSHOTS", folder, sizeof folder) || !folder[0] || !g_current)
            return true;
        RedrawWindow(g_current, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        // Wine puts a window's drawing on the screen when its thread waits,
        // even for no time.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
        CaptureWindow(g_current, std::string(folder) + "\\" + name + ".bmp");
        return true;
    };
}

// ---- DialogScript ----

namespace {

struct ScriptState {
    HHOOK hook = nullptr;
    std::deque<DialogAction> actions;
    std::set<HWND> known;
    std::vector<std::string> seen;
    std::map<UINT_PTR, std::pair<HWND, DialogAction>> pending;
};
ScriptState* g_hookScript = nullptr;

// Acts once the dialog is shown and enabled (no box of its own is open over
// it). A timer's tick comes only when the thread's queue holds nothing else,
// so by then the dialog has handled what it had queued too.
void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
    if (!g_hookScript || !g_hookScript->pending.count(id)) {
        KillTimer(nullptr, id);
        return;
    }
    auto [dialog, action] = g_hookScript->pending[id];
    if (IsWindow(dialog) && (!IsWindowVisible(dialog) || !IsWindowEnabled(dialog))) return;
    KillTimer(nullptr, id);
    g_hookScript->pending.erase(id);
    if (IsWindow(dialog)) action(dialog);
}

bool IsDialogWindow(HWND window) {
    char cls[32] = "";
    GetClassNameA(window, cls, sizeof cls);
    return std::string(cls) == "#32770";
}

LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && g_hookScript && IsDialogWindow(window) && g_hookScript->known.insert(window).second) {
        char caption[256] = "";
        GetWindowTextA(window, caption, sizeof caption);
        g_hookScript->seen.push_back(caption);
        DialogAction action = [](HWND d) { PostMessageA(d, WM_COMMAND, IDCANCEL, 0); };
        if (!g_hookScript->actions.empty()) {
            action = g_hookScript->actions.front();
            g_hookScript->actions.pop_front();
        }
        RunLater(window, action);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

DialogScript::DialogScript(std::vector<DialogAction> actions) {
    g_hookScript = new ScriptState;
    g_hookScript->actions.assign(actions.begin(), actions.end());
    g_hookScript->hook = SetWindowsHookExA(WH_CBT, Watch, nullptr, GetCurrentThreadId());
}

DialogScript::~DialogScript() {
    UnhookWindowsHookEx(g_hookScript->hook);
    for (auto& p : g_hookScript->pending) KillTimer(nullptr, p.first);
    delete g_hookScript;
    g_hookScript = nullptr;
}

const std::vector<std::string>& DialogScript::seen() const { return g_hookScript->seen; }

void RunLater(HWND dialog, DialogAction action) {
    if (!g_hookScript) return;
    UINT_PTR id = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, Fire);
    g_hookScript->pending[id] = {dialog, std::move(action)};
}

void ClickControl(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void SetControlText(HWND dialog, int id, const char* text) { SetDlgItemTextA(dialog, id, text); }

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
