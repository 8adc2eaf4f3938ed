#pragma once

#include <array>
#include <cstdint>

namespace pixlore {

constexpr int kGlyphCount = 256;
constexpr int kGlyphBytes = 8;
constexpr int kCharsetBytes = kGlyphCount * kGlyphBytes;

// 256 glyphs of 8 rows; bit 7 of a row is its leftmost pixel and a set bit is ink.
using Charset = std::array<std::uint8_t, kCharsetBytes>;

inline std::uint8_t* GlyphAt(Charset& charset, int code) {
    return charset.data() + code * kGlyphBytes;
}
inline const std::uint8_t* GlyphAt(const Charset& charset, int code) {
    return charset.data() + code * kGlyphBytes;
}

}  // namespace pixlore
