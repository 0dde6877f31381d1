// Little-endian numbers in byte buffers: archive headers and the bitmap
// headers of pictures.
#pragma once
#include <cstdint>

inline uint32_t Le16(const unsigned char* p) { return static_cast<uint32_t>(p[0] | (p[1] << 8)); }
inline uint32_t Le32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline void PutLe16(unsigned char* p, uint32_t v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}
inline void PutLe32(unsigned char* p, uint32_t v) {
    PutLe16(p, v);
    PutLe16(p + 2, v >> 16);
}
