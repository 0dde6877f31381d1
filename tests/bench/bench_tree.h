// The tree both scan benchmarks read: 50,000 files in 2,500 folders, up to
// six levels deep (four subfolders a folder, level by level), twenty files
// a folder, every 25th folder holding a ZIP of 100 members as one of them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/archive_builder.h"

constexpr int kBenchFolders = 2500;
constexpr int kBenchFilesPerFolder = 20;
constexpr int kBenchZipEvery = 25;
constexpr int kBenchZipMembers = 100;

struct BenchItem {
    std::string path;  // below the root, "\"-separated, no leading separator
    bool folder;
    uint32_t size;     // plain files only
    int zip;           // index of the ZIP it is, or -1
};

// Folders first (parents before children), then the files of each folder.
inline std::vector<BenchItem> BenchTree() {
    std::vector<BenchItem> items;
    std::vector<std::string> folders = {""};  // the root, then every folder made
    for (size_t parent = 0; folders.size() < kBenchFolders + 1; ++parent) {
        for (int k = 0; k < 4 && folders.size() < kBenchFolders + 1; ++k) {
            std::string prefix = folders[parent].empty() ? "" : folders[parent] + "\\";
            folders.push_back(prefix + "folder" + std::to_string(folders.size()));
            items.push_back({folders.back(), true, 0, -1});
        }
    }
    int zips = 0;
    for (size_t f = 1; f < folders.size(); ++f) {
        for (int i = 0; i < kBenchFilesPerFolder; ++i) {
            bool zip = i == 0 && f % kBenchZipEvery == 0;
            std::string name = zip ? "archive" + std::to_string(zips) + ".zip"
                                   : "file" + std::to_string(i) + (i % 3 ? ".txt" : ".DAT");
            items.push_back({folders[f] + "\\" + name, false, static_cast<uint32_t>((f * 131 + i * 977) % 200000),
                             zip ? zips++ : -1});
        }
    }
    return items;
}

// The members of ZIP number index: names in a few folders, as archives hold.
inline std::string BenchZip(int index) {
    std::vector<ZipMember> members;
    for (int m = 0; m < kBenchZipMembers; ++m) {
        std::string folder = m % 4 ? "src/part" + std::to_string(m % 4) + "/" : "";
        members.push_back({folder + "member" + std::to_string(index) + "_" + std::to_string(m) + ".c",
                           std::string(static_cast<size_t>(m % 50), 'm'), "", ""});
    }
    return BuildZip(members);
}
