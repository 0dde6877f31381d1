// The scanner's own cost: a scan of the benchmark tree (all levels, archives
// listed) from an in-memory listing source, next to a bare walk of the same
// source, so that the figures show what the core adds to a listing.
//   build/native/tests/bench/bench_scan [repetitions]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "catalog/scan_settings.h"
#include "catalog/scanner.h"
#include "tests/bench/bench_tree.h"
#include "tests/support/memory_disk.h"

namespace {

double Milliseconds(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

long BareWalk(const std::string& folder) {
    const ListingSource& source = SystemListing();
    ListingRecord r;
    void* listing = source.findFirst((folder + "\\*.*").c_str(), &r);
    if (!listing) return 0;
    long names = 0;
    do {
        if (r.Name[0] == '.' && (!r.Name[1] || (r.Name[1] == '.' && !r.Name[2]))) continue;
        ++names;
        if (r.Attributes & kAttrFolder) names += BareWalk(folder + "\\" + r.Name);
    } while (source.findNext(listing, &r));
    source.close(listing);
    return names;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int repetitions = argc > 1 ? std::atoi(argv[1]) : 5;
    if (repetitions < 1) repetitions = 1;
    MemoryDisk disk;
    disk.keepPatterns = false;
    disk.folders["B:"];
    for (const BenchItem& item : BenchTree()) {
        std::string path = "B:\\" + item.path;
        if (item.folder)
            disk.AddFolder(path);
        else if (item.zip >= 0)
            disk.AddFile(path, BenchZip(item.zip));
        else
            disk.AddSized(path, item.size);
    }
    InstallMemoryDisk(&disk);
    g_scan.ScanArchives = 1;
    g_scan.DirComm = 2;

    std::vector<double> walks, scans;
    long names = 0;
    int entries = 0;
    for (int i = 0; i < repetitions; ++i) {
        walks.push_back(Milliseconds([&] { names = BareWalk("B:"); }));
        ZIPINFO label = {};
        scans.push_back(
            Milliseconds([&] { ScanDrive('B', "", 0, kAllLevels, &label, kKestrinProfile, kArchiveModeNone, g_scan); }));
        entries = label.NumFiles + label.NumFolders;
        FreeCatalog(&label);
    }
    double walk = Median(walks), scan = Median(scans);
    std::printf("in-memory listing source: %ld names in the bare walk, %d catalog entries after the scan\n", names,
                entries);
    std::printf("bare walk of the source:   %8.2f ms (median of %d)\n", walk, repetitions);
    std::printf("ScanDrive, all levels, archives, folder sizes: %8.2f ms (median of %d)\n", scan, repetitions);
    std::printf("core cost per catalog entry: %.3f us\n", scan * 1000.0 / entries);
    InstallMemoryDisk(nullptr);
    return 0;
}
