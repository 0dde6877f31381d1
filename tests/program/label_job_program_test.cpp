// The main job on the real programs: a folder of known content read as a
// disk, saved, printed to the job queue and closed, as labeljob does it for
// scripts/run.
#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <string>

#include "editions/command_ids.h"
#include "editions/profile.h"
#include "tools/driver/pdf_output.h"
#include "tools/driver/driver.h"
#include "tools/driver/program_dialogs.h"
#include "tools/labeljob/job_files.h"
#include "tools/labeljob/label_job.h"
#include "tools/labelfind/label_find.h"

namespace {

struct JobCase {
    const char* edition;
    int sheets;
    bool landscape;
};

// A folder of the test's own under /tmp, removed again.
class Folder {
  public:
    explicit Folder(const std::string& name)
        : unix_("/tmp/labeljob-" + std::to_string(GetCurrentProcessId()) + "-" + name) {
        Remove(unix_);
        MakeFolders(unix_);
    }
    ~Folder() { Remove(unix_); }
    const std::string& path() const { return unix_; }
    void File(const std::string& relative, size_t bytes) const {
        std::string path = unix_ + "/" + relative;
        MakeFolders(path.substr(0, path.find_last_of('/')));
        HANDLE f = CreateFileW(WindowsPathW(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        std::string data(bytes, 'x');
        DWORD written = 0;
        WriteFile(f, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
        CloseHandle(f);
    }

  private:
    static void Remove(const std::string& path) {
        WIN32_FIND_DATAW found;
        std::wstring folder = WindowsPathW(path);
        HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::wstring name = found.cFileName;
                if (name == L"." || name == L"..") continue;
                std::string child = path + "/" + Utf8(name);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) Remove(child);
                else DeleteFileW(WindowsPathW(child).c_str());
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(folder.c_str());
    }
    std::string unix_;
};

bool ProgramRunning(const char* edition) {
    std::string exe = std::string(edition) + ".exe";
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry))
        found = lstrcmpiA(entry.szExeFile, exe.c_str()) == 0;
    CloseHandle(snapshot);
    return found;
}

JobOptions Options(const char* edition, const Folder& disk, const Folder& out) {
    JobOptions o;
    o.edition = edition;
    o.disk = disk.path();
    o.outDir = out.path();
    o.force = true;
    return o;
}

class LabelJobTest : public testing::TestWithParam<JobCase> {};

TEST_P(LabelJobTest, AFolderBecomesASavedLabelAndAPrintedPdf) {
    const JobCase& c = GetParam();
    Folder disk("disk"), out("out");
    disk.File("READ.ME", 120);
    disk.File("notes.txt", 2048);
    disk.File("Docs/plan.doc", 5000);
    disk.File("Docs/list.txt", 10);
    disk.File("Docs/Old/draft.doc", 300);

    JobResult r = RunLabelJob(Options(c.edition, disk, out));
    ASSERT_EQ(r.status, JOB_DONE) << r.message;
    EXPECT_EQ(r.counts.files, 5);
    EXPECT_EQ(r.counts.folders, 2);
    EXPECT_EQ(r.counts.entries, 7);  // every folder is shown open
    EXPECT_EQ(r.counts.sheets, c.sheets);
    EXPECT_TRUE(IsFile(r.picturePath));

    std::string pdf;
    ASSERT_TRUE(ReadWholeFile(r.pdfPath, &pdf));
    EXPECT_EQ(PdfPageCount(pdf), c.sheets);
    EXPECT_NE(pdf.find("/MediaBox [0 0 595 842]"), std::string::npos) << "A4 pages";
    EXPECT_EQ(pdf.find("/Rotate 90") != std::string::npos, c.landscape);

    // The saved body, opened again and saved again, is the same file.
    const EditionProfile* edition = ProfileNamed(c.edition);
    std::string body, again, againPath = out.path() + "/again" + edition->bodyExt;
    std::string windowsBody, windowsAgain;
    ASSERT_TRUE(ReadWholeFile(r.bodyPath, &body));
    ASSERT_TRUE(AnsiWindowsPath(r.bodyPath, &windowsBody));
    ASSERT_TRUE(AnsiWindowsPath(againPath, &windowsAgain));
    ASSERT_TRUE(WriteEditionIni(c.edition, nullptr));
    ProgramRun run;
    std::string error;
    ASSERT_TRUE(StartEdition(&run, c.edition, "-label " + windowsBody, &error)) << error;
    ASSERT_TRUE(WaitForStartupCommands(run, 30000, &error)) << error;
    CommandOutcome saved =
        CarryOut(run, CMD_SAVE_AS, {FileDialogAnswer(edition->saveBodyCaption, windowsAgain, false)}, 60000, "saving");
    EXPECT_TRUE(saved.done) << saved.failure;
    DWORD code = 1;
    EXPECT_TRUE(CloseAndWait(&run, {}, 30000, &code).done);
    EXPECT_EQ(code, 0u);
    ASSERT_TRUE(ReadWholeFile(againPath, &again));
    EXPECT_TRUE(again == body) << "the body changed on its way through the program";
}

INSTANTIATE_TEST_SUITE_P(Editions, LabelJobTest,
                         testing::Values(JobCase{"Kestrin", 1, true}, JobCase{"Dovantel", 1, false},
                                         JobCase{"Wimbrook", 1, false}),
                         [](const testing::TestParamInfo<JobCase>& info) { return info.param.edition; });

// The shelf that scripts/run --out builds: each disk's files named after it,
// and labelfind telling which label holds a file.
TEST(LabelJob, DisksLabelledIntoOneFolderAreNamedAfterThemAndFoundByLabelfind) {
    Folder holiday("holiday"), taxes("taxes"), out("shelf");
    holiday.File("Photos/beach.jpg", 100);
    holiday.File("notes.txt", 10);
    taxes.File("2021/taxes-2021.xls", 200);
    taxes.File("notes.txt", 20);
    JobOptions o = Options("Kestrin", holiday, out);
    o.force = false;
    o.diskNames = true;
    JobResult first = RunLabelJob(o);
    ASSERT_EQ(first.status, JOB_DONE) << first.message;
    o.disk = taxes.path();
    JobResult second = RunLabelJob(o);
    ASSERT_EQ(second.status, JOB_DONE) << second.message;
    std::string taxesName = LastPathPart(taxes.path());
    EXPECT_EQ(first.bodyPath, out.path() + "/" + LastPathPart(holiday.path()) + ".KSB");
    EXPECT_EQ(second.bodyPath, out.path() + "/" + taxesName + ".KSB");
    EXPECT_TRUE(IsFile(out.path() + "/" + taxesName + ".pdf"));

    std::string found, errors;
    FindSinks sinks{[&](std::string_view s) { found += s; }, [&](std::string_view s) { errors += s; }};
    std::string shelf = Utf8(WindowsPathW(out.path()));
    EXPECT_EQ(RunLabelFind({"--count", "notes.txt", shelf}, sinks), FIND_MATCHED) << errors;
    EXPECT_NE(found.find(LastPathPart(holiday.path()) + ".KSB:1\n"), std::string::npos) << found;
    EXPECT_NE(found.find(taxesName + ".KSB:1\n"), std::string::npos) << found;
    found.clear();
    EXPECT_EQ(RunLabelFind({"--json", "TAXES-2021.xls", shelf}, sinks), FIND_MATCHED) << errors;
    EXPECT_NE(found.find(taxesName + ".KSB\",\"volume\":\"" + taxesName + "\""), std::string::npos) << found;
    EXPECT_NE(found.find("\"path\":\"2021\\\\taxes-2021.xls\""), std::string::npos) << found;
}

TEST(LabelJob, AFolderThatIsNotThereStopsBeforeAnythingStarts) {
    Folder out("bad-out");
    JobOptions o;
    o.edition = "Dovantel";
    o.disk = "/tmp/no such folder " + std::to_string(GetCurrentProcessId());
    o.outDir = out.path();
    JobResult r = RunLabelJob(o);
    EXPECT_EQ(r.status, JOB_BAD_INPUT);
    EXPECT_NE(r.message.find(o.disk), std::string::npos) << r.message;
    EXPECT_TRUE(r.written.empty());
    EXPECT_TRUE(FolderEmpty(out.path()));
}

TEST(LabelJob, AnEmptyFolderStopsWithTheDiskWarningAndLeavesNothingRunning) {
    Folder disk("empty"), out("empty-out");
    JobResult r = RunLabelJob(Options("Kestrin", disk, out));
    EXPECT_EQ(r.status, JOB_STOPPED);
    EXPECT_NE(r.message.find("Disk Warning"), std::string::npos) << r.message;
    EXPECT_FALSE(ProgramRunning("Kestrin"));
}

}  // namespace
