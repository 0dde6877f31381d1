// The real programs enter their file types at every start, and the shell
// starts them on bodies and templates.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "tools/driver/driver.h"
#include "tools/driver/program_dialogs.h"
#include "tools/driver/pdf_output.h"
#include "tests/support/label_file_builder.h"

namespace {

// Jobs go to the plain queue by name, whichever queue is the default.
const char kOnPlainQueue[] =
    "[tlm5]\r\nDrive=67\r\nPrinterName=LabelPDF\r\nDriverName=wineps.drv\r\nPortName=CUPS:LabelPDF\r\n";

std::string ClassesValue(const std::string& key) {
    char text[1024] = "";
    LONG size = sizeof text;
    return RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), text, &size) == ERROR_SUCCESS ? text : "(none)";
}

std::string ProgramFolder(const std::string& edition) {
    std::string exe = EditionExePath(edition);
    return exe.substr(0, exe.find_last_of('\\'));
}

std::string TempFile(const std::string& name, const std::string& bytes) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string path = std::string(temp) + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
}

class ShellProgramTest : public testing::Test {
protected:
    void TearDown() override { KillProgram(&run_); }
    // Starts and closes the edition on the INI text: it enters its types.
    void StartAndClose(const std::string& edition, const char* ini) {
        ASSERT_TRUE(WriteEditionIni(edition, ini));
        std::string error;
        ASSERT_TRUE(StartEdition(&run_, edition, "", &error)) << error;
        DWORD code = 99;
        EXPECT_TRUE(CloseProgram(&run_, &code));
        EXPECT_EQ(code, 0u);
    }
    // The shell's verb on a file; the program it started, adopted.
    void ShellRun(const char* verb, const std::string& path) {
        SHELLEXECUTEINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        info.lpVerb = verb;
        info.lpFile = path.c_str();
        info.nShow = SW_SHOWNORMAL;
        ASSERT_TRUE(ShellExecuteExA(&info)) << GetLastError();
        ASSERT_NE(info.hProcess, nullptr);
        std::string error;
        ASSERT_TRUE(AdoptProcess(&run_, info.hProcess, "Kestrin", &error)) << error;
    }
    // The file the shell named is loaded once the start-up's posted request
    // has run.
    void ShellOpen(const std::string& path) {
        ShellRun("open", path);
        std::string error;
        ASSERT_TRUE(WaitForStartupCommands(run_, 30000, &error)) << error;
    }
    ProgramRun run_;
};

TEST_F(ShellProgramTest, FileTypesNameTheInstallFolderElseTheProgramsOwn) {
    StartAndClose("Kestrin", "[tlm5]\r\nDrive=67\r\n[Install]\r\nInstallPath=C:\\Labels\r\n");
    EXPECT_EQ(ClassesValue("Kestrin.template"), "Kestrin Template");
    EXPECT_EQ(ClassesValue("Kestrin.template\\shell\\Open\\command"), "C:\\Labels\\Kestrin -template %1");
    EXPECT_EQ(ClassesValue("Kestrin.template\\DefaultIcon"), "C:\\Labels\\Kestrin.exe,-101");
    EXPECT_EQ(ClassesValue(".KST"), "Kestrin.template");
    EXPECT_EQ(ClassesValue("Kestrin.label"), "Kestrin Label");
    EXPECT_EQ(ClassesValue("Kestrin.label\\shell\\Open\\command"), "C:\\Labels\\Kestrin -label %1");
    EXPECT_EQ(ClassesValue("Kestrin.label\\shell\\Print\\command"), "C:\\Labels\\Kestrin -printlabel %1");
    EXPECT_EQ(ClassesValue("Kestrin.label\\DefaultIcon"), "C:\\Labels\\Kestrin.exe,-100");
    EXPECT_EQ(ClassesValue(".KSB"), "Kestrin.label");

    // Without the installer's folder: the program's own, not the current one.
    StartAndClose("Kestrin", "[tlm5]\r\nDrive=67\r\n");
    EXPECT_EQ(ClassesValue("Kestrin.label\\shell\\Open\\command"), ProgramFolder("Kestrin") + "\\Kestrin -label %1");
}

TEST_F(ShellProgramTest, TheShellStartsTheProgramOnBodiesAndTemplates) {
    StartAndClose("Kestrin", "[tlm5]\r\nDrive=67\r\n");
    for (const std::string& path : {TempFile("shell open.KSB", fixture::Body(41)),
                                    TempFile("shell open.KST", fixture::TextMode(fixture::Template(40, "Kestrin", "")))}) {
        ShellRun("open", path);
        DWORD code = 99;
        EXPECT_TRUE(CloseProgram(&run_, &code)) << path;
        EXPECT_EQ(code, 0u);
        DeleteFileA(path.c_str());
    }
}

TEST_F(ShellProgramTest, OpenLoadsTheFileAndPrintEndsTheProgram) {
    StartAndClose("Kestrin", "[tlm5]\r\nDrive=67\r\n");
    std::string body = TempFile("shell open.KSB", fixture::Body(41));
    ShellOpen(body);
    DWORD code = 99;
    ASSERT_TRUE(CloseProgram(&run_, &code));
    std::string ini;
    ASSERT_TRUE(ReadEditionIni("Kestrin", &ini));
    EXPECT_NE(ini.find("Columns0=4\r\n"), std::string::npos);
    EXPECT_NE(ini.find("Comment0=Backup %shortdate%\r\n"), std::string::npos);

    std::string templ = TempFile("shell open.KST", fixture::TextMode(fixture::Template(40, "Kestrin", "")));
    StartAndClose("Kestrin", kOnPlainQueue);
    ShellOpen(templ);
    ASSERT_TRUE(CloseProgram(&run_, &code));
    ASSERT_TRUE(ReadEditionIni("Kestrin", &ini));
    EXPECT_NE(ini.find("Columns0=4\r\n"), std::string::npos);
    EXPECT_EQ(ini.find("Comment0=Backup"), std::string::npos);  // a template keeps the comment

    std::string pdfs = PdfFolder("LabelPDF");
    std::set<std::string> before = PdfFiles(pdfs);
    ShellRun("print", body);
    HWND print = FindProgramWindow(run_, "Print", 20000);
    ASSERT_NE(print, nullptr);
    PostMessageA(print, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitForExit(&run_, &code, 60000));
    EXPECT_EQ(code, 0u);
    std::vector<std::string> printed = WaitForNewPdfs(pdfs, before, "Kestrin", 1, 60000);
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_GE(PdfPageCount(ReadPdf(printed[0])), 1);
    DeleteFileA(printed[0].c_str());
    DeleteFileA(body.c_str());
    DeleteFileA(templ.c_str());
}

TEST_F(ShellProgramTest, PrintingAFileThatDoesNotLoadPrintsNothingAndKeepsRunning) {
    ASSERT_TRUE(WriteEditionIni("Kestrin", kOnPlainQueue));
    std::string pdfs = PdfFolder("LabelPDF");
    std::set<std::string> before = PdfFiles(pdfs);
    std::string missing = "C:\\no such folder\\gone.KSB";
    std::string error;
    ASSERT_TRUE(StartEdition(&run_, "Kestrin", "-printlabel " + missing, &error)) << error;
    HWND box = FindProgramWindow(run_, "Unable to load...");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(ChildTexts(box).find(missing), std::string::npos);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([box] { return !IsWindow(box); }));
    ASSERT_TRUE(WaitUntilHandled(run_.window));
    EXPECT_TRUE(IsWindowVisible(run_.window)) << "a load that failed does not exit";
    EXPECT_EQ(FindProgramWindow(run_, "Print", 0), nullptr);
    ASSERT_TRUE(MarkerJobPrinted("LabelPDF", 60000));
    EXPECT_TRUE(WaitForNewPdfs(pdfs, before, "Kestrin", 0, 0).empty());
}

}  // namespace
