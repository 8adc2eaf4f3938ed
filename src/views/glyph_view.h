#pragma once

#include <cstdint>
#include <string>

#include "charset/palette.h"
#include "views/image.h"

namespace pixlore {

constexpr int kGlyphViewSize = 128;

// The glyph enlarged 16 times: 15 x 15 ink squares with the dotted grid drawn over them.
// Only the glyph rows whose bit (1 << r) is set in rows are drawn, each a 16-pixel band.
void RenderGlyphImage(Image& surface, const std::uint8_t* glyph, Palette palette,
                      unsigned rows = 0xFF);

// "24,60,102,126,102,102,102,0": the glyph's rows as unsigned decimals.
std::string GlyphDataText(const std::uint8_t* glyph);

}  // namespace pixlore
