#include "tools/labeljob/label_job.h"

#include <windows.h>
#include <dlgs.h>

#include <chrono>
#include <cstdio>

#include "base/win32/ansi_text_win32.h"
#include "document/settings_store.h"
#include "editions/command_ids.h"
#include "editions/dialog_ids.h"
#include "editions/profile.h"
#include "tools/driver/driver.h"
#include "tools/driver/pdf_output.h"
#include "tools/driver/program_dialogs.h"
#include "tools/driver/window_capture.h"
#include "tools/driver/wine_drive.h"
#include "tools/labeljob/cups_jobs.h"
#include "tools/labeljob/disk_file_names.h"
#include "tools/labeljob/job_counts.h"
#include "tools/labeljob/job_files.h"

namespace {

// Bounds of the waits, generous for a slow machine and a large disk.
constexpr int kStartMs = 30000;
constexpr int kSettingMs = 30000;
constexpr int kReadMs = 600000;
constexpr int kSaveMs = 120000;
constexpr int kPrintMs = 600000;
constexpr int kPdfMs = 600000;
constexpr int kCloseMs = 30000;
constexpr int kAbandonMs = 10000;

using Clock = std::chrono::steady_clock;

int LevelCommand(const std::string& levels) {
    static const char* const kNames[] = {"0", "1", "2", "3", "4", "all"};
    static const int kCommands[] = {CMD_LEVELS_ROOT, CMD_LEVELS_1, CMD_LEVELS_2,
                                    CMD_LEVELS_3,    CMD_LEVELS_4, CMD_LEVELS_ALL};
    for (int i = 0; i < 6; ++i)
        if (levels == kNames[i]) return kCommands[i];
    return 0;
}

// The rescan questions that follow a change of the scan settings: the job
// reads the disk itself afterwards.
std::vector<DialogAnswer> RescanAnswers() {
    std::vector<DialogAnswer> answers;
    for (const char* caption : {"Directory Scanning Warning", "Archive Scanning Warning", "Drive Modification Warning",
                                "Exclude/Include List Modified"})
        answers.push_back(Press(caption, IDCANCEL));  // "Don't Scan Disk"
    return answers;
}

std::string IniPath(const EditionProfile& edition) { return EditionIniPath(edition.name); }

// The INI the run starts from: the user's copied in, or nothing but what
// the job sets; then the drive and the printer the job uses.
bool PrepareSettings(const JobOptions& options, const EditionProfile& edition, std::string* error) {
    std::string ini = IniPath(edition);
    DeleteFileA(ini.c_str());
    if (!options.settings.empty() && !CopyFileW(WindowsPathW(options.settings).c_str(), Wide(ini).c_str(), FALSE)) {
        *error = "cannot copy the settings " + options.settings;
        return false;
    }
    std::string drive = std::to_string(static_cast<int>(options.drive));
    std::string port = "CUPS:" + options.queue;
    // The file dialog opens where the label goes, as after an earlier save.
    std::string folder;
    AnsiWindowsPath(options.outDir + "/", &folder);
    bool ok = WritePrivateProfileStringA(kSettingsSection, "Drive", drive.c_str(), ini.c_str()) &&
              WritePrivateProfileStringA(kSettingsSection, "LabelPath", folder.c_str(), ini.c_str()) &&
              WritePrivateProfileStringA(kSettingsSection, "PrinterName", options.queue.c_str(), ini.c_str()) &&
              WritePrivateProfileStringA(kSettingsSection, "DriverName", "wineps.drv", ini.c_str()) &&
              WritePrivateProfileStringA(kSettingsSection, "PortName", port.c_str(), ini.c_str());
    if (!ok) *error = "cannot write " + ini;
    return ok;
}

int IniInt(const EditionProfile& edition, const char* key, int fallback) {
    return static_cast<int>(GetPrivateProfileIntA(kSettingsSection, key, fallback, IniPath(edition).c_str()));
}

// A folder that is the mount point of a CD names its device, so that the
// drive reads the disc's own volume label.
std::string CdDeviceOf(const std::string& folder) {
    std::string mounts;
    if (!ReadWholeFile("/proc/mounts", &mounts)) return std::string();
    std::string target = folder;
    while (target.size() > 1 && target.back() == '/') target.pop_back();
    size_t at = 0;
    while (at < mounts.size()) {
        size_t end = mounts.find('\n', at);
        if (end == std::string::npos) end = mounts.size();
        char device[512], point[512], type[64];
        std::string line = mounts.substr(at, end - at);
        at = end + 1;
        if (std::sscanf(line.c_str(), "%511s %511s %63s", device, point, type) != 3) continue;
        if (std::string(type) != "iso9660" && std::string(type) != "udf") continue;
        // Blanks in a mount point come as octal escapes ("\040").
        std::string unescaped;
        for (const char* p = point; *p; ++p) {
            if (p[0] == '\\' && p[1] >= '0' && p[1] <= '3' && p[2] && p[3]) {
                unescaped += static_cast<char>((p[1] - '0') * 64 + (p[2] - '0') * 8 + (p[3] - '0'));
                p += 3;
            } else {
                unescaped += *p;
            }
        }
        if (unescaped == target) return device;
    }
    return std::string();
}

struct Timer {
    JobResult* result;
    Clock::time_point start = Clock::now();
    void Lap(const char* name) {
        Clock::time_point now = Clock::now();
        result->steps.push_back({name, std::chrono::duration<double>(now - start).count()});
        start = now;
    }
};

// The print dialog's answer: OK, once it shows the job's queue.
DialogAnswer PrintAnswer(const std::string& queue) {
    return {"Print", [queue](HWND dialog, std::string* failure) {
                std::string printer = WindowText(GetDlgItem(dialog, cmb4));
                if (printer != queue) {
                    *failure = "it offers the printer \"" + printer + "\", not " + queue;
                    return false;
                }
                return PressButton(dialog, IDOK);
            }};
}

int NewestJob(const std::vector<CupsJob>& jobs) {
    int newest = 0;
    for (const CupsJob& j : jobs)
        if (j.id > newest) newest = j.id;
    return newest;
}

// The job the print command handed to the queue after `before`, known by
// its number, once the queue has finished it.
bool WaitForQueueJob(const JobOptions& options, int before, int* jobId, std::string* error) {
    DWORD start = GetTickCount();
    std::string seen = "no job";
    do {
        std::vector<CupsJob> jobs;
        if (!ListQueueJobs(options.queue, &jobs, error)) return false;
        for (const CupsJob& j : jobs) {
            if (j.id <= before || j.name != options.edition) continue;
            *jobId = j.id;
            if (j.state == CUPS_JOB_COMPLETED) return true;
            if (j.state >= CUPS_JOB_STOPPED) {
                *error = "job " + std::to_string(j.id) + " on " + options.queue + " failed" +
                         (j.message.empty() ? "" : ": " + j.message);
                return false;
            }
            seen = "job " + std::to_string(j.id) + " in state " + std::to_string(j.state);
        }
        Sleep(50);
    } while (GetTickCount() - start < static_cast<DWORD>(kPdfMs));
    *error = "waited " + std::to_string(kPdfMs / 1000) + " s for the print job on " + options.queue + " to finish (" +
             seen + ")";
    return false;
}

// The queue's PDF of the job: "<title>-job_<n>.pdf" in its folder.
std::string QueuePdfOf(const JobOptions& options, int jobId) {
    std::string folder = PdfFolder(options.queue.c_str());
    std::string suffix = "-job_" + std::to_string(jobId) + ".pdf";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*" + suffix).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return std::string();
    FindClose(search);
    return folder + "\\" + found.cFileName;
}

class Job {
  public:
    Job(const JobOptions& options, const EditionProfile& edition) : o_(options), e_(edition) {}

    JobResult Run() {
        result_.status = JOB_STOPPED;
        if (!o_.disk.empty() && !MapDrive()) return result_;
        if (!NameOutputs()) {
            if (mapped_) UnmapWineDrive(o_.drive);
            return result_;
        }
        bool ok = Start() && (o_.disk.empty() || (Settings() && ReadDisk() && SpineText())) && Picture() &&
                  (!o_.labelFile.empty() || Save()) && Print() && Close() && Count();
        if (!ok) Abandon();
        if (mapped_) UnmapWineDrive(o_.drive);
        if (ok) result_.status = JOB_DONE;
        return result_;
    }

  private:
    bool Fail(const std::string& message) {
        if (result_.message.empty()) result_.message = message;
        return false;
    }

    bool Check(const CommandOutcome& outcome) { return outcome.done || Fail(outcome.failure); }

    bool MapDrive() {
        std::string device = CdDeviceOf(o_.disk);
        if (!MapWineDrive(o_.drive, o_.disk.c_str(), device.empty() ? nullptr : device.c_str()))
            return Fail(std::string("cannot map ") + o_.drive + ": to " + o_.disk);
        mapped_ = true;
        return true;
    }

    // The volume label the program reads from the drive (ANSI); empty when
    // the disk has none.
    std::string VolumeLabel() {
        char root[] = "?:\\";
        root[0] = o_.drive;
        char label[MAX_PATH + 1] = "";
        if (!GetVolumeInformationA(root, label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0)) return "";
        return label;
    }

    // What the spine will show (ANSI): the disk's volume label or the
    // folder's name; for a label file, the spine text it holds.
    std::string SpineTitle() {
        std::string bytes;
        if (!o_.labelFile.empty()) return ReadWholeFile(o_.labelFile, &bytes) ? SavedSpineText(bytes) : "";
        std::string label = VolumeLabel();
        return label.empty() ? SystemAnsiFromUtf8(LastPathPart(o_.disk)).substr(0, 63) : label;
    }

    // The outputs' stem: the edition, or the disk's title, numbered when
    // another disk of that name is in the folder already (--force: that
    // disk's files are replaced instead).
    bool NameOutputs() {
        if (!o_.diskNames) {
            stem_ = o_.edition;
            return true;
        }
        std::string stem = FileNameOfTitle(Utf8FromAnsi(SpineTitle()));
        if (!o_.force) {
            stem = FreeStem(stem, [this](const std::string& candidate) {
                for (const char* ext : {"png", e_.bodyExt + 1, "pdf"})
                    if (IsFile(OutputPath(o_, candidate, ext))) return true;
                return false;
            });
        }
        std::string ansi;
        if (!AnsiWindowsPath(OutputPath(o_, stem, "pdf"), &ansi))
            return Fail("the program cannot write " + OutputPath(o_, stem, "pdf") +
                        ": the Windows code page has no letters for its name");
        stem_ = stem;
        return true;
    }

    bool Start() {
        std::string error;
        if (!PrepareSettings(o_, e_, &error)) return Fail(error);
        archivesOn_ = IniInt(e_, "ScanArchives", 0) != 0;
        std::string arguments;
        if (!o_.labelFile.empty()) {
            std::string path;
            AnsiWindowsPath(o_.labelFile, &path);
            arguments = "-label " + path;  // the program takes the rest of its line as it is
        }
        if (!StartEdition(&run_, e_.name, arguments, &error, kStartMs, true)) return Fail("starting: " + error);
        // The command line's load, when there is one, runs before anything else.
        if (!WaitForStartupCommands(run_, kStartMs, &error)) return Fail("starting: " + error);
        if (!WaitUntilHandled(run_.window)) return Fail("starting: the program does not answer");
        timer_.Lap("start");
        return true;
    }

    bool Settings() {
        if (!Check(CarryOut(run_, LevelCommand(o_.levels), RescanAnswers(), kSettingMs, "setting the levels")))
            return false;
        if (o_.archives && !archivesOn_ &&
            !Check(CarryOut(run_, CMD_SCAN_ARCHIVES, RescanAnswers(), kSettingMs, "turning on archive scanning")))
            return false;
        timer_.Lap("settings");
        return true;
    }

    bool ReadDisk() {
        if (!Check(CarryOut(run_, CMD_READ_DISK, RescanAnswers(), kReadMs, "reading the disk"))) return false;
        timer_.Lap("read");
        return true;
    }

    // The spine shows the volume label the program read; a folder without
    // one gets its own name, typed as a user would.
    bool SpineText() {
        if (!VolumeLabel().empty()) return true;
        std::string name = SpineTitle();
        DialogAnswer typeName = {std::string(e_.name) + " Label *", [name](HWND dialog, std::string* failure) {
                                     if (SetFieldText(dialog, IDC_SPINE_TEXT, name) && PressButton(dialog, IDOK))
                                         return true;
                                     *failure = "cannot type the spine text";
                                     return false;
                                 }};
        if (!Check(CarryOut(run_, CMD_EDIT_SPINE_TEXT, {typeName}, kSettingMs, "typing the spine text")))
            return false;
        timer_.Lap("spine");
        return true;
    }

    bool Picture() {
        std::string path = OutputPath(o_, stem_, "png");
        std::string windowsPath;
        AnsiWindowsPath(path, &windowsPath);
        if (!WaitUntilHandled(run_.window) || !CaptureWindow(run_.window, windowsPath))
            return Fail("cannot capture the window to " + path);
        result_.picturePath = path;
        result_.written.push_back(path);
        timer_.Lap("picture");
        return true;
    }

    bool Save() {
        std::string path = OutputPath(o_, stem_, e_.bodyExt + 1), windowsPath;
        AnsiWindowsPath(path, &windowsPath);
        std::vector<DialogAnswer> answers = {FileDialogAnswer(e_.saveBodyCaption, windowsPath, o_.force)};
        if (!Check(CarryOut(run_, CMD_SAVE_AS, answers, kSaveMs, "saving the label"))) return false;
        if (!IsFile(path)) return Fail("saving the label: Save As wrote no " + path);
        result_.bodyPath = path;
        result_.written.push_back(path);
        saved_ = true;
        timer_.Lap("save");
        return true;
    }

    bool Print() {
        std::vector<CupsJob> jobs;
        std::string error;
        if (!ListQueueJobs(o_.queue, &jobs, &error)) return Fail("printing: " + error);
        int before = NewestJob(jobs);
        std::vector<DialogAnswer> answers = {PrintAnswer(o_.queue),
                                             Press("Printout Size Warning", IDOK)};  // "Print On Separate"
        if (!Check(CarryOut(run_, CMD_PRINT, answers, kPrintMs, "printing"))) return false;
        timer_.Lap("print");
        int jobId = 0;
        if (!WaitForQueueJob(o_, before, &jobId, &error)) return Fail("printing: " + error);
        std::string pdf = QueuePdfOf(o_, jobId), bytes;
        if (pdf.empty() || !ReadWholeFile(pdf, &bytes) || !PdfComplete(bytes))
            return Fail("printing: job " + std::to_string(jobId) + " left no complete PDF in the queue's folder");
        std::string out = OutputPath(o_, stem_, "pdf");
        if (!CopyOneFile(pdf, out)) return Fail("printing: cannot copy " + pdf + " to " + out);
        DeleteFileA(pdf.c_str());
        result_.pdfPath = out;
        result_.written.push_back(out);
        timer_.Lap("pdf");
        return true;
    }

    std::vector<DialogAnswer> CloseAnswers() {
        // The label was saved: whatever the program still calls unsaved
        // may go.
        if (saved_) return {Press("Warning", IDOK)};  // "&Discard Label"
        return {};
    }

    bool Close() {
        DWORD code = 0;
        CommandOutcome closed = CloseAndWait(&run_, CloseAnswers(), kCloseMs, &code);
        if (!closed.failure.empty()) return Fail(closed.failure);
        if (code != 0) return Fail(std::string(e_.name) + " ended with exit code " + std::to_string(code));
        timer_.Lap("exit");
        return true;
    }

    bool Count() {
        std::string bytes, error;
        std::string body = o_.labelFile.empty() ? result_.bodyPath : o_.labelFile;
        if (!ReadWholeFile(body, &bytes)) return Fail("cannot read " + body + " back");
        JobPrintSettings settings;
        settings.labelKind = IniInt(e_, "Labels", 10);
        settings.multiPage = IniInt(e_, "MultiPage", 0) != 0;
        settings.separate = IniInt(e_, "Separate", 0) != 0;
        if (!CountSavedBody(bytes, e_, settings, &result_.counts, &error)) return Fail(error + ": " + body);
        return true;
    }

    // A run that stopped: the program is asked to close, and ended when it
    // does not within the bound.
    void Abandon() {
        if (!run_.process.hProcess) return;
        DWORD code = 0;
        CloseAndWait(&run_, CloseAnswers(), kAbandonMs, &code);
        KillProgram(&run_);
    }

    const JobOptions& o_;
    const EditionProfile& e_;
    JobResult result_;
    Timer timer_{&result_};
    ProgramRun run_;
    bool mapped_ = false;
    bool archivesOn_ = false;
    bool saved_ = false;
    std::string stem_;
};

}  // namespace

std::string OutputPath(const JobOptions& options, const std::string& stem, const std::string& extension) {
    std::string folder = options.outDir;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder + "/" + stem + "." + extension;
}

bool CheckJobOptions(const JobOptions& o, std::string* message) {
    const EditionProfile* edition = ProfileNamed(o.edition.c_str());
    if (!edition) {
        *message = "no edition named \"" + o.edition + "\" (Kestrin, Dovantel or Wimbrook)";
        return false;
    }
    if (!LevelCommand(o.levels)) {
        *message = "--levels takes 0, 1, 2, 3, 4 or all, not \"" + o.levels + "\"";
        return false;
    }
    if (o.labelFile.empty()) {
        if (!IsFolder(o.disk)) {
            *message = "no folder " + o.disk + " to read as the disk";
            return false;
        }
        if (!FolderReadable(o.disk)) {
            *message = "the folder " + o.disk + " cannot be read";
            return false;
        }
    } else {
        std::string ansi;
        if (!IsFile(o.labelFile)) {
            *message = "no label file " + o.labelFile;
            return false;
        }
        if (!AnsiWindowsPath(o.labelFile, &ansi)) {
            *message = "the program cannot open " + o.labelFile + ": the Windows code page has no letters for its name";
            return false;
        }
    }
    if (!o.settings.empty() && !IsFile(o.settings)) {
        *message = "no settings file " + o.settings;
        return false;
    }
    std::string ansi;
    if (!AnsiWindowsPath(OutputPath(o, o.edition, "pdf"), &ansi)) {
        *message = "the program cannot write into " + o.outDir + ": the Windows code page has no letters for its name";
        return false;
    }
    if (!MakeFolders(o.outDir)) {
        *message = "cannot make the folder " + o.outDir;
        return false;
    }
    // Outputs named after the disk never replace another disk's: they are
    // numbered (Job::NameOutputs).
    if (!o.force && !o.diskNames) {
        for (const std::string& ext : {std::string("png"), std::string(edition->bodyExt + 1), std::string("pdf")}) {
            if (!IsFile(OutputPath(o, o.edition, ext))) continue;
            *message = OutputPath(o, o.edition, ext) + " exists; --force replaces it";
            return false;
        }
    }
    return true;
}

JobResult RunLabelJob(const JobOptions& options) {
    std::string message;
    if (!CheckJobOptions(options, &message)) {
        JobResult bad;
        bad.status = JOB_BAD_INPUT;
        bad.message = message;
        return bad;
    }
    return Job(options, *ProfileNamed(options.edition.c_str())).Run();
}

std::string SummaryLine(const JobOptions& options, const JobResult& r) {
    auto plural = [](int n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); };
    const JobCounts& c = r.counts;
    std::string counts = plural(c.entries, "entry", "entries") + " (" + plural(c.files, "file", "files") + ", " +
                         plural(c.folders, "folder", "folders") + "), " + plural(c.pages, "page", "pages") + " on " +
                         plural(c.sheets, "sheet", "sheets");
    std::string line = options.edition + ": ";
    line += r.status == JOB_DONE ? counts + "; wrote " : "stopped; partial outputs: ";
    for (size_t i = 0; i < r.written.size(); ++i) line += (i ? ", " : "") + r.written[i];
    if (r.written.empty()) line += "none";
    line += ";";
    for (const JobStep& step : r.steps) {
        char time[64];
        std::snprintf(time, sizeof time, " %s %.2f s", step.name.c_str(), step.seconds);
        line += time;
    }
    return line;
}
