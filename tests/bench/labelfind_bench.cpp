// labelfind over a shelf of 1,000 bodies of 1,000 entries each (pattern
// "*.jpg", warm cache) beside grep -ric jpg and cat over the same files, in
// the same run: medians of five runs, and the peak memory of each.
//   build/bench/tests/bench/bench_labelfind [FOLDER]   (a plain Release build, see HACKING.md)
// The bodies are written once into FOLDER (default: a folder in /tmp) and kept.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/text_field.h"
#include "catalog/catalog_ops.h"
#include "document/body_file.h"

extern char** environ;

namespace {

constexpr int kBodies = 1000;
constexpr int kFolders = 20;          // each with 49 entries: 20 + 20 * 49 = 1,000
constexpr int kEntriesPerFolder = 49;

void Name(CatalogEntry* e, const char* name, uint32_t size) {
    CopyField(e->Name, name);
    e->Size = size;
    std::snprintf(e->EntryComment, sizeof e->EntryComment, "%uK", size / 1024);
}

std::string BodyOf(int disk) {
    static const char* const kExtensions[] = {"jpg", "txt", "doc", "JPG", "png", "xls", "pdf"};
    ZIPINFO label = {};
    std::snprintf(label.VolumeName, sizeof label.VolumeName, "DISK %04d", disk);
    CopyField(label.ShortDate, "12/9/26");
    label.NumEntries = kFolders;
    label.Entries = NewEntries(kFolders, "bench");
    for (int f = 0; f < kFolders; ++f) {
        CatalogEntry& folder = label.Entries[f];
        std::snprintf(folder.Name, sizeof folder.Name, "Folder %02d of disk %d", f, disk);
        CopyField(folder.EntryComment, "[dir]");
        folder.HasSubtree = folder.Open = 1;
        folder.Child = NewCatalogList();
        folder.Child->NumEntries = kEntriesPerFolder;
        folder.Child->Entries = NewEntries(kEntriesPerFolder, "bench");
        for (int i = 0; i < kEntriesPerFolder; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, "file_%d_%02d_%02d.%s", disk, f, i, kExtensions[(disk + f + i) % 7]);
            Name(&folder.Child->Entries[i], name, static_cast<uint32_t>((disk * 7919 + f * 131 + i * 977) % 5000000));
        }
    }
    std::string bytes;
    WriteBody(label, &bytes);
    FreeCatalog(&label);
    return bytes;
}

void WriteShelf(const std::string& folder) {
    mkdir(folder.c_str(), 0755);
    size_t total = 0;
    for (int d = 0; d < kBodies; ++d) {
        char path[512];
        std::snprintf(path, sizeof path, "%s/disk%04d.KSB", folder.c_str(), d);
        struct stat st;
        if (stat(path, &st) == 0) {
            total += static_cast<size_t>(st.st_size);
            continue;
        }
        std::string bytes = BodyOf(d);
        std::FILE* f = std::fopen(path, "wb");
        if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) std::printf("cannot write %s\n", path);
        if (f) std::fclose(f);
        total += bytes.size();
    }
    std::printf("%d bodies of 1,000 entries in %s: %.1f MB\n", kBodies, folder.c_str(), total / 1048576.0);
}

struct Run {
    double seconds;
    long peakKb;
    int status;
};

// One run, its output read through a pipe as a reader of it would (GNU
// grep stops at the first match when it writes to /dev/null); the time and
// peak memory of that child alone.
Run Once(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int pipeEnds[2];
    Run run = {0, 0, -1};
    if (pipe(pipeEnds) != 0) return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    bool spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    close(pipeEnds[1]);
    static char sink[1 << 16];
    while (spawned && read(pipeEnds[0], sink, sizeof sink) > 0) {
    }
    close(pipeEnds[0]);
    posix_spawn_file_actions_destroy(&actions);
    if (!spawned) return run;
    int status = 0;
    struct rusage usage;
    wait4(pid, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKb = usage.ru_maxrss;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

Run Median(const std::vector<std::string>& command) {
    Once(command);  // warm
    std::vector<Run> runs;
    for (int i = 0; i < 5; ++i) runs.push_back(Once(command));
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
    return runs[2];
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : "/tmp/labelfind_bench_shelf";
    WriteShelf(folder);
    std::vector<std::string> bodies;
    for (int d = 0; d < kBodies; ++d) {
        char path[512];
        std::snprintf(path, sizeof path, "%s/disk%04d.KSB", folder.c_str(), d);
        bodies.push_back(path);
    }
    std::vector<std::string> cat = {"cat"}, grep = {"grep", "-ric", "jpg"};
    cat.insert(cat.end(), bodies.begin(), bodies.end());
    grep.insert(grep.end(), bodies.begin(), bodies.end());
    Run find = Median({LABELFIND_EXE, "*.jpg", folder});
    Run one = Median({LABELFIND_EXE, "*.jpg", bodies[0]});
    Run g = Median(grep), c = Median(cat);
    std::printf("labelfind '*.jpg'  %.3f s  peak %ld KB (status %d; one body alone: peak %ld KB)\n", find.seconds,
                find.peakKb, find.status, one.peakKb);
    std::printf("grep -ric jpg      %.3f s  peak %ld KB\n", g.seconds, g.peakKb);
    std::printf("cat                %.3f s  peak %ld KB\n", c.seconds, c.peakKb);
    std::printf("labelfind / grep: %.2f (target at most 2)\n", find.seconds / g.seconds);
    return 0;
}
