// An in-memory disk for the scanner's seams: folder trees listed as the
// system listing lists them ("." and ".." first below the root) and files
// read by name. Header-only: used by the core tests, the fuzz targets and
// the native benchmark.
#pragma once
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalog/byte_file.h"
#include "catalog/listing.h"

struct MemoryEntry {
    std::string name;
    uint32_t attributes = 0;
    uint32_t sizeHigh = 0;
    uint32_t sizeLow = 0;
};

struct MemoryDisk {
    // Folder path ("X:" for a root, "X:\a\b" below) -> its names in order.
    std::unordered_map<std::string, std::vector<MemoryEntry>> folders;
    std::unordered_map<std::string, std::string> files;  // full path -> bytes
    std::set<std::string> unlistable;                    // folders whose listing fails
    std::vector<std::string> patterns;                   // every pattern asked for
    int openListings = 0;
    int openFiles = 0;
    bool keepPatterns = true;

    void AddFolder(const std::string& path, uint32_t attributes = kAttrFolder) {
        folders[path];
        std::string parent, name;
        if (Split(path, &parent, &name)) Add(parent, name, attributes, 0, 0);
    }
    void AddFile(const std::string& path, const std::string& bytes, uint32_t attributes = 0) {
        files[path] = bytes;
        AddSized(path, bytes.size(), attributes);
    }
    // A name in a listing with a size but no readable bytes.
    void AddSized(const std::string& path, uint64_t size, uint32_t attributes = 0) {
        std::string parent, name;
        if (Split(path, &parent, &name))
            Add(parent, name, attributes, static_cast<uint32_t>(size >> 32), static_cast<uint32_t>(size));
    }

    static bool Split(const std::string& path, std::string* parent, std::string* name) {
        size_t cut = path.rfind('\\');
        if (cut == std::string::npos) return false;
        *parent = path.substr(0, cut);
        *name = path.substr(cut + 1);
        return true;
    }
    void Add(const std::string& parent, const std::string& name, uint32_t attributes, uint32_t high, uint32_t low) {
        folders[parent].push_back(MemoryEntry{name, attributes, high, low});
    }
};

inline MemoryDisk*& CurrentMemoryDisk() {
    static MemoryDisk* disk = nullptr;
    return disk;
}

struct MemoryListing {
    std::vector<MemoryEntry> names;
    size_t next = 0;
};

inline void FillListingRecord(const MemoryEntry& e, ListingRecord* record) {
    std::memset(record, 0, sizeof *record);
    record->Attributes = e.attributes;
    record->SizeHigh = e.sizeHigh;
    record->SizeLow = e.sizeLow;
    std::strncpy(record->Name, e.name.c_str(), sizeof record->Name - 1);
}

inline void* MemoryFindFirst(const char* pattern, ListingRecord* record) {
    MemoryDisk* disk = CurrentMemoryDisk();
    std::string p = pattern;
    if (disk->keepPatterns) disk->patterns.push_back(p);
    if (p.size() < 4 || p.compare(p.size() - 4, 4, "\\*.*") != 0) return nullptr;
    std::string folder = p.substr(0, p.size() - 4);
    auto found = disk->folders.find(folder);
    if (found == disk->folders.end() || disk->unlistable.count(folder)) return nullptr;
    auto* listing = new MemoryListing;
    bool root = folder.size() == 2;
    if (!root) {
        listing->names.push_back(MemoryEntry{".", kAttrFolder, 0, 0});
        listing->names.push_back(MemoryEntry{"..", kAttrFolder, 0, 0});
    }
    listing->names.insert(listing->names.end(), found->second.begin(), found->second.end());
    if (listing->names.empty()) {
        delete listing;
        return nullptr;
    }
    FillListingRecord(listing->names[0], record);
    listing->next = 1;
    ++disk->openListings;
    return listing;
}

inline int MemoryFindNext(void* handle, ListingRecord* record) {
    auto* listing = static_cast<MemoryListing*>(handle);
    if (listing->next >= listing->names.size()) return 0;
    FillListingRecord(listing->names[listing->next++], record);
    return 1;
}

inline void MemoryFindClose(void* handle) {
    --CurrentMemoryDisk()->openListings;
    delete static_cast<MemoryListing*>(handle);
}

inline void* MemoryOpen(const char* name) {
    MemoryDisk* disk = CurrentMemoryDisk();
    auto found = disk->files.find(name);
    if (found == disk->files.end()) return nullptr;
    ++disk->openFiles;
    return &found->second;
}

inline int64_t MemorySize(void* file) { return static_cast<int64_t>(static_cast<std::string*>(file)->size()); }

inline int64_t MemoryReadAt(void* file, int64_t offset, void* buffer, int64_t count) {
    const std::string& data = *static_cast<std::string*>(file);
    if (offset < 0 || count <= 0 || offset >= static_cast<int64_t>(data.size())) return 0;
    int64_t n = static_cast<int64_t>(data.size()) - offset;
    if (n > count) n = count;
    std::memcpy(buffer, data.data() + offset, static_cast<size_t>(n));
    return n;
}

inline void MemoryClose(void*) { --CurrentMemoryDisk()->openFiles; }

// Installs the disk behind the system listing and the byte-file seam; null
// restores the defaults.
inline void InstallMemoryDisk(MemoryDisk* disk) {
    static const ListingSource listing = {MemoryFindFirst, MemoryFindNext, MemoryFindClose};
    static const ByteFileOps files = {MemoryOpen, MemorySize, MemoryReadAt, MemoryClose};
    CurrentMemoryDisk() = disk;
    SetSystemListing(disk ? &listing : nullptr);
    SetByteFileOps(disk ? &files : nullptr);
}
