// Sorting, duplicating and freeing a large catalog: 1,000,000 entries in
// 10,000 folders (100 top folders of 99 folders of 100 files each), in the
// order a directory listing would give them. Prints the time of each sort
// mode in both directions (each on a fresh copy of the unsorted tree), of
// DuplicateCatalog and of freeing, and the memory per entry.
//   build/bench/tests/bench/bench_sort   (a plain Release build, see HACKING.md)
#include <malloc.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <initializer_list>

#include "catalog/catalog_ops.h"
#include "base/text_field.h"

namespace {

constexpr int kTopFolders = 100;
constexpr int kSubFolders = 99;
constexpr int kFilesPerFolder = 100;

const char* const kExtensions[] = {"txt", "doc", "c", "h", "cpp", "zip", "jpg", "bmp", "exe", "dll",
                                   "ini", "log", "TXT", "DOC", "htm", "", "bak", "tmp", "pdf", "xls"};

uint32_t g_seed = 12345;
uint32_t Random() {
    g_seed = g_seed * 1664525u + 1013904223u;
    return g_seed >> 8;
}

void FillFile(CatalogEntry* e) {
    char name[64];
    const char* ext = kExtensions[Random() % 20];
    // Names of varied case and length; a few share a name in another case.
    std::snprintf(name, sizeof name, "%s%06u%s%s", (Random() & 1) ? "File" : "file", Random() % 400000,
                  ext[0] ? "." : "", ext);
    CopyField(e->Name, name);
    e->Size = Random() % 5000 * 97;  // many equal sizes
    std::snprintf(e->EntryComment, sizeof e->EntryComment, "%uK", e->Size / 1024);
}

ZIPINFO* MakeFileList(int files) {
    ZIPINFO* list = NewCatalogList();
    list->NumEntries = files;
    list->Entries = NewEntries(files, "bench");
    for (int i = 0; i < files; ++i) FillFile(&list->Entries[i]);
    return list;
}

// 100 top folders, each of 99 folders of 100 files.
ZIPINFO* MakeCatalog() {
    ZIPINFO* root = NewCatalogList();
    root->NumEntries = kTopFolders;
    root->Entries = NewEntries(kTopFolders, "bench");
    for (int i = 0; i < kTopFolders; ++i) {
        CatalogEntry& e = root->Entries[i];
        std::snprintf(e.Name, sizeof e.Name, "Top%03d", (i * 37) % kTopFolders);
        CopyField(e.EntryComment, "[dir]");
        e.HasSubtree = 1;
        ZIPINFO* mid = NewCatalogList();
        mid->NumEntries = kSubFolders;
        mid->Entries = NewEntries(kSubFolders, "bench");
        for (int j = 0; j < kSubFolders; ++j) {
            CatalogEntry& f = mid->Entries[j];
            std::snprintf(f.Name, sizeof f.Name, "Sub%05u", Random() % 100000);
            CopyField(f.EntryComment, "[dir]");
            f.HasSubtree = 1;
            f.Child = MakeFileList(kFilesPerFolder);
        }
        e.Child = mid;
    }
    return root;
}

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

size_t HeapInUse() { return mallinfo2().uordblks + mallinfo2().hblkhd; }

long PeakRssKb() {
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main() {
    size_t heapBefore = HeapInUse();
    auto start = std::chrono::steady_clock::now();
    ZIPINFO* source = MakeCatalog();
    double buildTime = Seconds(start);
    size_t heapTree = HeapInUse() - heapBefore;

    ZIPINFO counts = {};
    counts.NumEntries = source->NumEntries;
    counts.Entries = source->Entries;
    RecountCatalog(&counts);
    long entries = counts.NumFiles + counts.NumFolders;
    std::printf("catalog: %d files in %d folders = %ld entries (built in %.3f s)\n", counts.NumFiles,
                counts.NumFolders, entries, buildTime);
    std::printf("entry record %zu bytes, list record %zu bytes\n", sizeof(CatalogEntry), sizeof(ZIPINFO));

    start = std::chrono::steady_clock::now();
    ZIPINFO* copy = DuplicateCatalog(source);
    double dupTime = Seconds(start);
    size_t heapPeak = HeapInUse() - heapBefore;
    start = std::chrono::steady_clock::now();
    DeleteCatalogList(copy);
    double freeTime = Seconds(start);
    std::printf("DuplicateCatalog %.3f s, free of the copy %.3f s\n", dupTime, freeTime);

    const char* modes[] = {"", "name", "extension", "size"};
    for (int mode = 1; mode <= 3; ++mode) {
        for (int direction : {1, -1}) {
            ZIPINFO* work = DuplicateCatalog(source);
            work->SortMode = mode;
            work->Direction = direction;
            start = std::chrono::steady_clock::now();
            SortCatalog(work);
            double sortTime = Seconds(start);
            // Sorting what is already sorted: the next sort after a change of key.
            start = std::chrono::steady_clock::now();
            SortCatalog(work);
            double resortTime = Seconds(start);
            std::printf("sort by %-9s %-10s %.3f s (again, already sorted: %.3f s)\n", modes[mode],
                        direction > 0 ? "ascending" : "descending", sortTime, resortTime);
            DeleteCatalogList(work);
        }
    }
    DeleteCatalogList(source);

    std::printf("heap for one tree: %zu bytes = %.1f bytes per entry\n", heapTree,
                static_cast<double>(heapTree) / static_cast<double>(entries));
    std::printf("heap peak (tree and its duplicate): %.1f bytes per entry\n",
                static_cast<double>(heapPeak) / static_cast<double>(entries));
    std::printf("peak resident set: %ld KiB = %.1f bytes per entry\n", PeakRssKb(),
                PeakRssKb() * 1024.0 / static_cast<double>(entries));
    return 0;
}
