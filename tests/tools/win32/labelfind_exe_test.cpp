// The Windows build of labelfind, run as a user runs it: its wide command
// line, the code page of the names and its exit status.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "base/text_field.h"
#include "catalog/catalog_ops.h"
#include "document/body_file.h"

namespace {

// The program's output and exit code; -1 when it did not run.
int RunLabelFind(const std::wstring& arguments, std::string* out) {
    std::wstring exe = L"Z:" LABELFIND_EXE_W;
    for (wchar_t& c : exe)
        if (c == L'/') c = L'\\';
    std::wstring line = L"\"" + exe + L"\" " + arguments;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, 0)) return -1;
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW start = {};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdOutput = start.hStdError = write;
    PROCESS_INFORMATION process = {};
    BOOL started = CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &process);
    CloseHandle(write);
    char buffer[4096];
    DWORD got = 0;
    while (started && ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0) out->append(buffer, got);
    CloseHandle(read);
    if (!started) return -1;
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return static_cast<int>(code);
}

TEST(LabelFindProgram, FindsANameInASavedBodyAndPrintsItAsUtf8) {
    ZIPINFO label = {};
    CopyField(label.VolumeName, "MENUS");
    label.NumEntries = 1;
    label.Entries = NewEntries(1, "test");
    CopyField(label.Entries[0].Name, "Caf\xE9 \"menu\", v2.txt");  // é in code page 1252
    label.Entries[0].Size = 12;
    std::string bytes;
    ASSERT_TRUE(WriteBody(label, &bytes));
    FreeCatalog(&label);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"labelfind_exe_test", body = folder + L"\\Men\u00FCs.KSB";
    CreateDirectoryW(folder.c_str(), nullptr);
    HANDLE file = CreateFileW(body.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);

    std::string out;
    EXPECT_EQ(RunLabelFind(L"--codepage 1252 --json CAF\u00E9* \"" + folder + L"\"", &out), 0);
    EXPECT_NE(out.find("Men\xC3\xBCs.KSB\",\"volume\":\"MENUS\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"name\":\"Caf\xC3\xA9 \\\"menu\\\", v2.txt\",\"size\":12,\"kind\":\"file\""),
              std::string::npos)
        << out;
    out.clear();
    EXPECT_EQ(RunLabelFind(L"nothing* \"" + folder + L"\"", &out), 1);
    EXPECT_EQ(out, "");
    DeleteFileW(body.c_str());
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
