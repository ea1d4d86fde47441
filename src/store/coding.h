#pragma once
// Little-endian 32-bit integers, written and read byte by byte so that the
// index files are the same on every processor.

#include <cstdint>
#include <string>

namespace quillan {

inline void encodeFixed32(char* dst, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    dst[0] = static_cast<char>(v & 0xFF);
    dst[1] = static_cast<char>((v >> 8) & 0xFF);
    dst[2] = static_cast<char>((v >> 16) & 0xFF);
    dst[3] = static_cast<char>((v >> 24) & 0xFF);
}

inline int32_t decodeFixed32(const char* src) {
    const auto* p = reinterpret_cast<const unsigned char*>(src);
    const uint32_t v = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                       (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
    return static_cast<int32_t>(v);
}

inline void appendFixed32(std::string& dst, int32_t value) {
    char bytes[4];
    encodeFixed32(bytes, value);
    dst.append(bytes, 4);
}

}  // namespace quillan
