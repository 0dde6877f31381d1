// An in-memory stand-in for the INI profile functions: sections of named
// files with their keys in the order first written, case-insensitive like
// the Windows profile, with every read and write recorded in order.
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

struct MemoryProfile {
    using Section = std::vector<std::pair<std::string, std::string>>;
    std::map<std::string, std::map<std::string, Section>> files;  // file -> section -> keys
    std::vector<std::string> reads;   // keys read, in order
    std::vector<std::string> writes;  // keys written, in order
    bool readOnly = false;            // writes fail and change nothing

    const std::string* Find(const std::string& file, const std::string& section, const std::string& key) const;
    void Set(const std::string& file, const std::string& section, const std::string& key, const std::string& value);
};

// Installs a fresh double as the store's profile seam and opens the store
// on the file "test.ini"; the destructor puts back the double that was
// active before (or the default seam).
class MemoryStore {
public:
    MemoryStore();
    ~MemoryStore();
    MemoryStore(const MemoryStore&) = delete;
    MemoryStore& operator=(const MemoryStore&) = delete;
    MemoryProfile& profile();

    // Keys of the store's section.
    void Put(const std::string& key, const std::string& value);
    bool Has(const std::string& key) const;
    std::string Get(const std::string& key) const;  // "" when missing
    const MemoryProfile::Section& Keys();

private:
    MemoryProfile* mine_;
    MemoryProfile* previous_;
};
