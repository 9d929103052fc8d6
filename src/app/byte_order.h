#pragma once
// Little-endian field access on byte buffers; every access is checked against the buffer's size.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace ztmca {

inline std::uint16_t ReadU16(std::span<const std::uint8_t> b, std::size_t at) {
    if (at + 2 > b.size()) return 0;
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
inline std::int16_t ReadI16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int16_t>(ReadU16(b, at));
}
inline std::uint32_t ReadU32(std::span<const std::uint8_t> b, std::size_t at) {
    if (at + 4 > b.size()) return 0;
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
inline std::int32_t ReadI32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int32_t>(ReadU32(b, at));
}
inline float ReadF32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::bit_cast<float>(ReadU32(b, at));
}

inline void WriteU16(std::span<std::uint8_t> b, std::size_t at, std::uint16_t v) {
    if (at + 2 > b.size()) return;
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void WriteI16(std::span<std::uint8_t> b, std::size_t at, std::int16_t v) {
    WriteU16(b, at, static_cast<std::uint16_t>(v));
}
inline void WriteU32(std::span<std::uint8_t> b, std::size_t at, std::uint32_t v) {
    if (at + 4 > b.size()) return;
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline void WriteI32(std::span<std::uint8_t> b, std::size_t at, std::int32_t v) {
    WriteU32(b, at, static_cast<std::uint32_t>(v));
}
inline void WriteF32(std::span<std::uint8_t> b, std::size_t at, float v) {
    WriteU32(b, at, std::bit_cast<std::uint32_t>(v));
}

}  // namespace ztmca
