#pragma once

#include <array>
#include <cstdint>

namespace pixlore {

// The machines' own glyphs in the charset's layout (byte r of a glyph is pixel row r, bit 7
// the leftmost pixel), each in the order its machine numbers its characters, so that glyph k
// of a table lands at code k. Written by scripts/bin_to_table.py.
extern const std::array<std::uint8_t, 2048> kIbmPcCgaGlyphs;    // code page 437
extern const std::array<std::uint8_t, 2048> kIbmPc866Glyphs;    // code page 866
extern const std::array<std::uint8_t, 1152> kZxSpectrumGlyphs;  // codes 0..143
extern const std::array<std::uint8_t, 512> kZx80Glyphs;         // the ZX80's 64 characters
extern const std::array<std::uint8_t, 1024> kJupiterAceGlyphs;
extern const std::array<std::uint8_t, 2048> kC64CapsGlyphs;  // screen codes, upper case
extern const std::array<std::uint8_t, 1024> kAtariXlGlyphs;  // internal screen codes
extern const std::array<std::uint8_t, 1024> kMicroshaGlyphs;

}  // namespace pixlore
