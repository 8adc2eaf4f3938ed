#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pixlore {

// Numbers at given offsets of a file's bytes. Callers check the size first.
inline std::uint32_t LittleU16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8;
}
inline std::uint32_t LittleU32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
inline std::uint32_t BigU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}

}  // namespace pixlore
