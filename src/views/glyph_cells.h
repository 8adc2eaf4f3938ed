#pragma once

#include <array>
#include <cstdint>

#include "charset/cell.h"
#include "charset/charset.h"
#include "charset/palette.h"
#include "views/image.h"

namespace pixlore {

// The one routine that turns glyph bytes into pixels: glyphs at twice their size, each glyph
// pixel a 2 x 2 block, each glyph a 16 x 16 cell, cells touching without gaps. The charset
// view and the map view both come from it (and through the charset view, the picture).
//
// Draws columns x rows cells with cell (0, 0) at the image's cell `at` (the top-left corner
// unless given); cell (x, y) shows the glyph of codes[y * stride + x] (its low 8 bits). Cells
// that would not fit in the image are left out.
void DrawGlyphCells(Image& image, const Charset& charset, Palette palette,
                    const std::int32_t* codes, int stride, int columns, int rows, Cell at = {});

// The codes 0..255 in order: the charset picture is the map of them, 16 to a row.
const std::int32_t* AllCodes();

// Which glyphs differ between two charsets.
std::array<bool, kGlyphCount> ChangedGlyphs(const Charset& a, const Charset& b);

// Draws the cells of a columns x rows grid, laid out as DrawGlyphCells lays them out, for
// which stale(x, y) holds: each run of neighbours in a row in one go, added to damage.
template <class Stale>
void DrawStaleCells(Image& image, const Charset& charset, Palette palette,
                    const std::int32_t* codes, int stride, int columns, int rows, Stale stale,
                    Damage& damage) {
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            if (!stale(x, y)) continue;
            int end = x + 1;
            while (end < columns && stale(end, y))
                ++end;
            DrawGlyphCells(image, charset, palette,
                           codes + static_cast<std::ptrdiff_t>(y) * stride + x, stride, end - x, 1,
                           {x, y});
            const Rect run = ClipRect(16LL * x, 16LL * y, 16LL * (end - x), 16, image.bounds());
            if (!run.empty()) damage.push_back(run);
            x = end;
        }
    }
}

}  // namespace pixlore
