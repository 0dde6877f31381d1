#include "tests/core/memory_profile.h"

#include "base/text_field.h"
#include "document/settings_store.h"

namespace {

MemoryProfile* g_profile = nullptr;

bool SameKey(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

void Read(const char* file, const char* section, const char* key, const char* fallback, char* out, int size) {
    g_profile->reads.push_back(key);
    const std::string* value = g_profile->Find(file, section, key);
    // Like GetPrivateProfileString: the text cut to the buffer, terminated.
    CopyText(out, static_cast<size_t>(size), value ? value->c_str() : fallback);
}

bool Write(const char* file, const char* section, const char* key, const char* value) {
    if (g_profile->readOnly) return false;
    g_profile->writes.push_back(key);
    g_profile->Set(file, section, key, value);
    return true;
}

}  // namespace

const std::string* MemoryProfile::Find(const std::string& file, const std::string& section,
                                       const std::string& key) const {
    auto f = files.find(file);
    if (f == files.end()) return nullptr;
    auto s = f->second.find(section);
    if (s == f->second.end()) return nullptr;
    for (const auto& entry : s->second)
        if (SameKey(entry.first, key)) return &entry.second;
    return nullptr;
}

void MemoryProfile::Set(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) {
    Section& keys = files[file][section];
    for (auto& entry : keys)
        if (SameKey(entry.first, key)) {
            entry.second = value;
            return;
        }
    keys.emplace_back(key, value);
}

MemoryStore::MemoryStore() : mine_(new MemoryProfile), previous_(g_profile) {
    g_profile = mine_;
    SetProfileHooks(Read, Write);
    OpenSettingsStore("test.ini", "Software\\tlm5\\Test\\1.0");
}

MemoryStore::~MemoryStore() {
    g_profile = previous_;
    if (!previous_) SetProfileHooks(nullptr, nullptr);
    delete mine_;
}

MemoryProfile& MemoryStore::profile() { return *mine_; }

void MemoryStore::Put(const std::string& key, const std::string& value) {
    mine_->Set("test.ini", kSettingsSection, key, value);
}

bool MemoryStore::Has(const std::string& key) const {
    return mine_->Find("test.ini", kSettingsSection, key) != nullptr;
}

std::string MemoryStore::Get(const std::string& key) const {
    const std::string* v = mine_->Find("test.ini", kSettingsSection, key);
    return v ? *v : std::string();
}

const MemoryProfile::Section& MemoryStore::Keys() { return mine_->files["test.ini"][kSettingsSection]; }
