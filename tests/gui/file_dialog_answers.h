// Answers for the label file commands' dialogs in the GUI tests: a thread
// timer finds the edition's file dialogs, their replace questions and the
// error boxes by caption, records what they show and answers them.
// Header-only.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <fstream>
#include <sstream>
#include <string>

#include "editions/edition.h"

struct Answers {
    std::string name;              // typed into a file dialog; empty: Cancel
    bool replace = false;          // the answer to a Yes/No question
    int fileDialogs = 0;
    std::string folder, offered;   // where the last file dialog started, the name it offered
    std::string boxes;             // "title: text" of every message box, one a line
    int guard = IDOK;              // the unsaved-label warning's answer: "&Discard Label"
    int warnings = 0;              // how often it asked
};
inline Answers g_answers;
// The file dialog last answered: the timer may fire again before it closes.
inline HWND g_answeredDialog = nullptr;

inline BOOL CALLBACK CollectStatic(HWND child, LPARAM out) {
    char s[1024];
    GetWindowTextA(child, s, sizeof s);
    if (GetDlgCtrlID(child) == 0xFFFF) *reinterpret_cast<std::string*>(out) += s;
    return TRUE;
}

inline std::string BoxText(HWND box) {
    std::string text;
    EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&text));
    return text;
}

inline void CALLBACK AnswerDialogs(HWND, UINT, UINT_PTR, DWORD) {
    const EditionProfile& e = TheEdition();
    for (const char* title : {e.saveBodyCaption, e.loadBodyCaption, e.saveTemplateCaption, e.loadTemplateCaption}) {
        HWND dialog = title ? FindWindowA(nullptr, title) : nullptr;
        if (!dialog || !IsWindowVisible(dialog)) continue;
        if (GetDlgItem(dialog, IDYES)) {  // a question about replacing a file
            g_answers.boxes += std::string(title) + ": " + BoxText(dialog) + "\n";
            PostMessageA(dialog, WM_COMMAND, g_answers.replace ? IDYES : IDNO, 0);
            return;
        }
        if (dialog == g_answeredDialog) return;
        g_answeredDialog = dialog;
        ++g_answers.fileDialogs;
        char text[MAX_PATH] = "";
        SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof text, reinterpret_cast<LPARAM>(text));
        g_answers.folder = text;
        SendMessageA(dialog, CDM_GETSPEC, sizeof text, reinterpret_cast<LPARAM>(text));
        g_answers.offered = text;
        if (g_answers.name.empty()) {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        } else {
            SendMessageA(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(g_answers.name.c_str()));
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        }
        return;
    }
    HWND warning = FindWindowA(nullptr, "Warning");
    if (warning && IsWindowVisible(warning) && warning != g_answeredDialog) {
        g_answeredDialog = warning;
        ++g_answers.warnings;
        PostMessageA(warning, WM_COMMAND, static_cast<WPARAM>(g_answers.guard), 0);
        return;
    }
    for (const char* title : {"Disk Error", "Template Error", "Unable to load..."}) {
        HWND box = FindWindowA(nullptr, title);
        if (!box || !IsWindowVisible(box)) continue;
        g_answers.boxes += std::string(title) + ": " + BoxText(box) + "\n";
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
}

// Runs a command while the timer answers its dialogs.
template <typename F>
bool Answered(F command) {
    g_answeredDialog = nullptr;
    UINT_PTR timer = SetTimer(nullptr, 0, 100, AnswerDialogs);
    bool result = command();
    KillTimer(nullptr, timer);
    return result;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A folder of the test's own under the temporary folder, with a trailing
// backslash.
inline std::string TestFolder(const char* name) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// A 2 x 2 24-bit BMP file.
inline std::string TinyBmp() {
    std::string b(54 + 16, '\x60');
    auto put = [&](size_t at, unsigned v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B', b[1] = 'M';
    put(2, 70), put(6, 0), put(10, 54), put(14, 40), put(18, 2), put(22, 2), put(26, 1 | (24 << 16));
    for (size_t at = 30; at < 54; at += 4) put(at, 0);
    return b;
}
