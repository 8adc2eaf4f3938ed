#pragma once

#include <cstdint>
#include <vector>

#include "charset/charset.h"
#include "files/decoded.h"

namespace pixlore {

// The glyphs of a PC screen font of 8 x 8 pixels, 8 bytes each in the layout of the charset.
struct PsfFont {
    int glyphCount = 0;
    std::vector<std::uint8_t> glyphs;
};

// Reads a PSF1 or PSF2 font, gzip-compressed or not. Only fonts whose glyphs are 8 pixels
// wide and 8 high are taken; any Unicode table is ignored.
Decoded<PsfFont> DecodePsf(const std::vector<std::uint8_t>& file);

// The whole charset as a PSF1 font: 256 glyphs of 8 rows, no Unicode table.
std::vector<std::uint8_t> EncodePsf1(const Charset& charset);

}  // namespace pixlore
