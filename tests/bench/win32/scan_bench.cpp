// The scanner against the system listing under Wine: generates the benchmark
// tree (50,000 files in 2,500 folders, 100 ZIPs of 100 members) in a Unix
// temporary folder, maps it to a free drive letter through Wine's mount
// manager and, in the same run, times (a) a bare FindFirstFile/FindNextFile
// walk of the tree, (b) ScanDrive with all levels and archive scanning and
// (c) Read Disk as the command dispatcher runs it (the unsaved-label guard,
// the scan, the template step with templates on and none on the disk, the
// sort; no paint), alternating them; prints the medians and the ratios
// (targets: (b)/(a) at most 1.25, (c)/(b) at most 1.1).
//   wine build/cross/tests/bench/bench_scan.exe [repetitions] [--keep]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "catalog/scanner.h"
#include "catalog/win32/catalog_hooks_win32.h"
#include "catalog/win32/dates_win32.h"
#include "document/label_copy.h"
#include "document/program_settings.h"
#include "editions/command_ids.h"
#include "shell/win32/dispatch.h"
#include "shell/program_records.h"
#include "tests/bench/bench_tree.h"
#include "tests/bench/win32/bench_clock.h"
#include "tools/driver/wine_drive.h"

namespace {

bool WriteBytes(const std::string& path, const std::string& bytes, uint32_t size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = true;
    if (!bytes.empty()) ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    if (ok && bytes.empty() && size) {
        LONG high = 0;
        SetFilePointer(file, static_cast<LONG>(size), &high, FILE_BEGIN);
        ok = SetEndOfFile(file) != 0;
    }
    CloseHandle(file);
    return ok;
}

bool Generate(const std::string& root) {
    if (!CreateDirectoryA(root.c_str(), nullptr)) return false;
    for (const BenchItem& item : BenchTree()) {
        std::string path = root + "\\" + item.path;
        bool ok = item.folder ? CreateDirectoryA(path.c_str(), nullptr) != 0
                              : WriteBytes(path, item.zip >= 0 ? BenchZip(item.zip) : std::string(), item.size);
        if (!ok) return false;
    }
    return true;
}

void Remove(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE listing = FindFirstFileA((folder + "\\*.*").c_str(), &found);
    if (listing != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                Remove(folder + "\\" + name);
            else
                DeleteFileA((folder + "\\" + name).c_str());
        } while (FindNextFileA(listing, &found));
        FindClose(listing);
    }
    RemoveDirectoryA(folder.c_str());
}

// The baseline: every name of every folder, nothing else.
long BareWalk(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE listing = FindFirstFileA((folder + "\\*.*").c_str(), &found);
    if (listing == INVALID_HANDLE_VALUE) return 0;
    long names = 0;
    do {
        const char* n = found.cFileName;
        if (n[0] == '.' && (!n[1] || (n[1] == '.' && !n[2]))) continue;
        ++names;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) names += BareWalk(folder + "\\" + n);
    } while (FindNextFileA(listing, &found));
    FindClose(listing);
    return names;
}

// CPU time of this thread (user and kernel), in ms: steadier than the clock
// when other work shares the processors.
double CpuNow() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Least(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

char FreeLetter() {
    DWORD used = GetLogicalDrives();
    for (char letter = 'Y'; letter >= 'E'; --letter)
        if (!(used & (1u << (letter - 'A')))) return letter;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int repetitions = 5;
    bool keep = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--keep") == 0)
            keep = true;
        else
            repetitions = std::max(1, std::atoi(argv[i]));
    }
    InstallWin32CatalogHooks();
    InstallWin32DateHook();

    std::string unixRoot = "/tmp/scanbench-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
    std::string root = "Z:" + unixRoot;
    std::replace(root.begin(), root.end(), '/', '\\');
    double start = Now();
    if (!Generate(root)) {
        std::fprintf(stderr, "bench_scan: cannot generate the tree in %s\n", root.c_str());
        return 1;
    }
    std::printf("generated the tree in %s in %.1f s\n", unixRoot.c_str(), (Now() - start) / 1000.0);
    char letter = FreeLetter();
    if (!letter || !MapWineDrive(letter, unixRoot.c_str())) {
        std::fprintf(stderr, "bench_scan: cannot map a drive letter to %s\n", unixRoot.c_str());
        Remove(root);
        return 1;
    }
    std::string drive = std::string(1, letter) + ":";  // the walk appends "\\*.*"
    // The command needs a window to own its messages; nothing paints it.
    HWND window = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    PrepareLabelRecords(1);
    g_scan.Drive = letter;
    g_scan.DispSub = kAllLevels;
    g_settings.UseDAT = 1;

    g_scan.ScanArchives = 1;
    long names = BareWalk(drive);  // warms the caches for both
    std::vector<double> walks, scans, plainScans, commands;
    double cpu[4] = {0, 0, 0, 0};
    int entries = 0, commandEntries = 0;
    for (int i = 0; i < repetitions; ++i) {
        double c0 = CpuNow(), t0 = Now();
        names = BareWalk(drive);
        double t1 = Now(), c1 = CpuNow();
        ZIPINFO label = {};
        g_scan.ScanArchives = 1;
        ScanDrive(letter, "", 0, kAllLevels, &label, kKestrinProfile, kArchiveModeNone, g_scan);
        double t2 = Now(), c2 = CpuNow();
        entries = label.NumFiles + label.NumFolders;
        FreeCatalog(&label);
        double c3 = CpuNow(), t3 = Now();
        g_scan.ScanArchives = 0;
        ScanDrive(letter, "", 0, kAllLevels, &label, kKestrinProfile, kArchiveModeNone, g_scan);
        double t4 = Now(), c4 = CpuNow();
        FreeCatalog(&label);
        g_scan.ScanArchives = 1;
        double c5 = CpuNow(), t5 = Now();
        DispatchCommand(window, CMD_READ_DISK);
        double t6 = Now(), c6 = CpuNow();
        commandEntries = g_currentLabel->NumFiles + g_currentLabel->NumFolders;
        ClearLabel(g_currentLabel);
        walks.push_back(t1 - t0);
        scans.push_back(t2 - t1);
        plainScans.push_back(t4 - t3);
        commands.push_back(t6 - t5);
        cpu[0] += c1 - c0;
        cpu[1] += c2 - c1;
        cpu[2] += c4 - c3;
        cpu[3] += c6 - c5;
    }
    double walk = Median(walks), scan = Median(scans), plainScan = Median(plainScans), command = Median(commands);
    std::printf("drive %s %ld names in the bare walk, %d catalog entries after the scan, %d after Read Disk\n",
                drive.c_str(), names, entries, commandEntries);
    std::printf("(a) bare FindFirstFile/FindNextFile walk: %8.1f ms (median of %d)\n", walk, repetitions);
    std::printf("(b) ScanDrive, all levels, archives:      %8.1f ms (median of %d)\n", scan, repetitions);
    std::printf("ratio (b)/(a): %.3f (target: at most 1.25)\n", scan / walk);
    std::printf("(c) Read Disk as dispatched:               %8.1f ms (median of %d)\n", command, repetitions);
    std::printf("ratio (c)/(b): %.3f (target: at most 1.1)\n", command / scan);
    std::printf("(d) ScanDrive, all levels, no archives:   %8.1f ms, ratio to (a) %.3f: the 100 archives cost %.1f ms\n",
                plainScan, plainScan / walk, scan - plainScan);
    // On a shared machine the fastest run of each is the steadier figure.
    std::printf("fastest runs: (a) %.1f ms, (b) %.1f ms, (c) %.1f ms, (d) %.1f ms; ratios (b)/(a) %.3f, (c)/(b) %.3f\n",
                Least(walks), Least(scans), Least(commands), Least(plainScans), Least(scans) / Least(walks),
                Least(commands) / Least(scans));
    std::printf("processor time of this thread, all runs: (a) %.0f ms, (b) %.0f ms, (c) %.0f ms, (d) %.0f ms; "
                "ratios (b)/(a) %.3f, (c)/(b) %.3f\n",
                cpu[0], cpu[1], cpu[3], cpu[2], cpu[1] / cpu[0], cpu[3] / cpu[1]);
    if (std::getenv("SCAN_BENCH_SAMPLES"))
        for (int i = 0; i < repetitions; ++i)
            std::printf("  run %d: (a) %.1f (b) %.1f (c) %.1f (d) %.1f\n", i + 1, walks[i], scans[i], commands[i],
                        plainScans[i]);
    DestroyWindow(window);

    UnmapWineDrive(letter);
    if (!keep) Remove(root);
    return 0;
}
