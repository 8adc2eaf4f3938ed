#pragma once

#include <cstdint>

#include "charset/charset.h"
#include "charset/palette.h"
#include "views/image.h"

namespace pixlore {

// The one routine that turns glyph bytes into pixels: glyphs at twice their size, each glyph
// pixel a 2 x 2 block, each glyph a 16 x 16 cell, cells touching without gaps. The charset
// view and the map view both come from it (and through the charset view, the picture).
//
// Draws columns x rows cells with cell (0, 0) at the image's top-left corner; cell (x, y)
// shows the glyph of codes[y * stride + x] (its low 8 bits). Cells that would not fit in the
// image are left out.
void DrawGlyphCells(Image& image, const Charset& charset, Palette palette,
                    const std::int32_t* codes, int stride, int columns, int rows);

}  // namespace pixlore
