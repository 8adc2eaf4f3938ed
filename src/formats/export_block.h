#pragma once

#include <cstdint>
#include <vector>

#include "charmap/charmap.h"
#include "charset/charset.h"
#include "charset/range.h"

namespace pixlore {

// Bytes to export and how many of them make one line of source: a glyph (8) for glyphs, a
// row of the map (its width) for the map.
struct ByteBlock {
    std::vector<std::uint8_t> bytes;
    int perLine = kGlyphBytes;
    int firstCode = 0;  // the code of the first glyph, for the comments of C source
    bool glyphs = true;
};

// Glyphs range.low to range.high, both inside 0..255.
ByteBlock GlyphBlock(const Charset& charset, CodeRange range);

// The active area of the map, row after row, one byte (the code's low 8 bits) a cell.
ByteBlock MapBlock(const CharMap& map);

}  // namespace pixlore
