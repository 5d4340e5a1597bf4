// byte_order.h -- little-endian numbers in byte buffers, assembled byte by byte.
#pragma once

#include <cstdint>

inline std::uint16_t ReadU16LE(const unsigned char* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

inline std::uint32_t ReadU32LE(const unsigned char* bytes) {
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
           std::uint32_t(bytes[3]) << 24;
}

inline void WriteU32LE(unsigned char* bytes, std::uint32_t value) {
    bytes[0] = static_cast<unsigned char>(value);
    bytes[1] = static_cast<unsigned char>(value >> 8);
    bytes[2] = static_cast<unsigned char>(value >> 16);
    bytes[3] = static_cast<unsigned char>(value >> 24);
}

inline std::uint64_t ReadU64LE(const unsigned char* bytes) {
    return std::uint64_t(ReadU32LE(bytes)) | std::uint64_t(ReadU32LE(bytes + 4)) << 32;
}

inline void WriteU64LE(unsigned char* bytes, std::uint64_t value) {
    WriteU32LE(bytes, static_cast<std::uint32_t>(value));
    WriteU32LE(bytes + 4, static_cast<std::uint32_t>(value >> 32));
}
