// Small ZIP and ARJ writers for tests, fuzz seeds and benchmarks: stored
// (uncompressed) members with the header fields the readers look at, plus
// the knobs needed to build damaged or unusual archives.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "catalog/zip_names.h"

inline void PutLe16(std::string* out, uint32_t v) {
    out->push_back(static_cast<char>(v & 0xFF));
    out->push_back(static_cast<char>((v >> 8) & 0xFF));
}
inline void PutLe32(std::string* out, uint32_t v) {
    PutLe16(out, v & 0xFFFF);
    PutLe16(out, v >> 16);
}

inline uint32_t Crc32Of(const std::string& bytes) { return Crc32(bytes.data(), bytes.size()); }

struct ZipMember {
    std::string name;
    std::string data;
    std::string extra;    // central directory extra field
    std::string comment;  // member comment
    uint32_t flags = 0;   // general purpose flags of the central directory
};

// countOverride >= 0 replaces the member count of the end record.
inline std::string BuildZip(const std::vector<ZipMember>& members, const std::string& archiveComment = "",
                            int countOverride = -1) {
    std::string out;
    std::vector<uint32_t> offsets;
    for (const ZipMember& m : members) {
        offsets.push_back(static_cast<uint32_t>(out.size()));
        out += std::string("PK\x03\x04", 4);
        PutLe16(&out, 20);  // version needed
        PutLe16(&out, 0);   // flags
        PutLe16(&out, 0);   // stored
        PutLe32(&out, 0x5A210000u);  // time and date
        PutLe32(&out, Crc32Of(m.data));
        PutLe32(&out, static_cast<uint32_t>(m.data.size()));
        PutLe32(&out, static_cast<uint32_t>(m.data.size()));
        PutLe16(&out, static_cast<uint32_t>(m.name.size()));
        PutLe16(&out, 0);
        out += m.name;
        out += m.data;
    }
    uint32_t directory = static_cast<uint32_t>(out.size());
    for (size_t i = 0; i < members.size(); ++i) {
        const ZipMember& m = members[i];
        out += std::string("PK\x01\x02", 4);
        PutLe16(&out, 20);
        PutLe16(&out, 20);
        PutLe16(&out, m.flags);
        PutLe16(&out, 0);
        PutLe32(&out, 0x5A210000u);
        PutLe32(&out, Crc32Of(m.data));
        PutLe32(&out, static_cast<uint32_t>(m.data.size()));
        PutLe32(&out, static_cast<uint32_t>(m.data.size()));
        PutLe16(&out, static_cast<uint32_t>(m.name.size()));
        PutLe16(&out, static_cast<uint32_t>(m.extra.size()));
        PutLe16(&out, static_cast<uint32_t>(m.comment.size()));
        PutLe16(&out, 0);
        PutLe16(&out, 0);
        PutLe32(&out, 0);
        PutLe32(&out, offsets[i]);
        out += m.name + m.extra + m.comment;
    }
    uint32_t directorySize = static_cast<uint32_t>(out.size()) - directory;
    uint32_t count = countOverride >= 0 ? static_cast<uint32_t>(countOverride) : static_cast<uint32_t>(members.size());
    out += std::string("PK\x05\x06", 4);
    PutLe16(&out, 0);
    PutLe16(&out, 0);
    PutLe16(&out, count);
    PutLe16(&out, count);
    PutLe32(&out, directorySize);
    PutLe32(&out, directory);
    PutLe16(&out, static_cast<uint32_t>(archiveComment.size()));
    out += archiveComment;
    return out;
}

struct ArjMember {
    std::string name;
    std::string data;
    std::vector<std::string> extended;  // extended headers after the basic header
};

// A basic header: the 30-byte fixed part, the name and an empty comment.
inline std::string ArjBasicHeader(const std::string& name, uint32_t compressed, uint32_t original, int fileType) {
    std::string h;
    h.push_back(30);       // fixed part size
    h.push_back(11);       // version
    h.push_back(1);        // minimum version
    h.push_back(2);        // host: Unix
    h.push_back(0x10);     // flags: path separators translated
    h.push_back(0);        // stored
    h.push_back(static_cast<char>(fileType));
    h.push_back(0);
    PutLe32(&h, 0x5A210000u);
    PutLe32(&h, compressed);
    PutLe32(&h, original);
    PutLe32(&h, 0);  // CRC of the data
    PutLe16(&h, 0);  // where the name's wildcard part starts
    PutLe16(&h, 0644);
    PutLe16(&h, 0);
    h += name;
    h.push_back(0);
    h.push_back(0);  // empty comment
    return h;
}

// One whole header: prefix, basic header, CRC, extended headers, end of chain.
inline std::string ArjHeader(const std::string& basic, const std::vector<std::string>& extended) {
    std::string out("\x60\xEA", 2);
    PutLe16(&out, static_cast<uint32_t>(basic.size()));
    out += basic;
    PutLe32(&out, Crc32Of(basic));
    for (const std::string& e : extended) {
        PutLe16(&out, static_cast<uint32_t>(e.size()));
        out += e;
        PutLe32(&out, Crc32Of(e));
    }
    PutLe16(&out, 0);
    return out;
}

inline std::string BuildArj(const std::vector<ArjMember>& members, const std::vector<std::string>& mainExtended = {}) {
    std::string out = ArjHeader(ArjBasicHeader("test.arj", 0, 0, 2), mainExtended);
    for (const ArjMember& m : members) {
        out += ArjHeader(ArjBasicHeader(m.name, static_cast<uint32_t>(m.data.size()),
                                        static_cast<uint32_t>(m.data.size()), 0),
                         m.extended);
        out += m.data;
    }
    out += std::string("\x60\xEA\x00\x00", 4);
    return out;
}
