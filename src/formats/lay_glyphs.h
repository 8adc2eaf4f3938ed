#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "charset/charset.h"

namespace pixlore {

// What laying glyph rows into the charset took: all rows, or as many as fit after the first
// glyph.
struct LaidGlyphs {
    int first = 0;
    std::size_t rows = 0;   // rows given
    std::size_t taken = 0;  // rows laid
    bool allFit() const { return taken == rows; }
};

// Lays rows from glyph first (0..255) on, as a glyph file is read: as many as fit before the
// end of the charset; the rest are left out.
LaidGlyphs LayGlyphRows(Charset& charset, int first, const std::vector<std::uint8_t>& rows);

// What the user is told when not all glyphs fitted, e.g. "font.psf holds 256 glyphs; from
// glyph 200 on only the first 56 fit".
std::string DidNotFitText(const std::string& name, const LaidGlyphs& laid);

}  // namespace pixlore
