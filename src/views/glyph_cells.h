#pragma once

#include <algorithm>
#include <cstring>

#include "charset/charset.h"
#include "charset/palette.h"
#include "views/image.h"

namespace pixlore {

// The one routine that turns glyph bytes into pixels: glyphs at twice their size, each glyph
// pixel a 2 x 2 block, each glyph a 16 x 16 cell, cells touching without gaps. The charset
// view, the map view and the exported picture all come from it.
class GlyphCellPainter {
  public:
    GlyphCellPainter(const Charset& charset, Palette palette) : charset_(charset) {
        const Pixel ink = PixelOf(palette.InkColor);
        const Pixel paper = PixelOf(palette.PaperColor);
        for (int nibble = 0; nibble < 16; ++nibble)
            for (int bit = 0; bit < 4; ++bit) {
                const Pixel p = (nibble & (8 >> bit)) ? ink : paper;
                halves_[nibble][2 * bit] = p;
                halves_[nibble][2 * bit + 1] = p;
            }
    }

    // Draws columns x cells of codeAt(cx, cy) with cell (0, 0) at the image's top-left corner.
    // Cells that would not fit in the image are left out.
    template <class CodeAt>
    void drawCells(Image& image, int columns, int rows, CodeAt codeAt) const {
        columns = std::min(columns, image.width() / 16);
        rows = std::min(rows, image.height() / 16);
        if (columns <= 0) return;
        const std::size_t rowBytes = static_cast<std::size_t>(columns) * 16 * sizeof(Pixel);
        for (int cy = 0; cy < rows; ++cy) {
            for (int r = 0; r < kGlyphBytes; ++r) {
                Pixel* line = image.row(cy * 16 + 2 * r);
                for (int cx = 0; cx < columns; ++cx) {
                    const int code = codeAt(cx, cy) & 0xFF;
                    const std::uint8_t bits = charset_[code * kGlyphBytes + r];
                    std::memcpy(line + cx * 16, halves_[bits >> 4], sizeof halves_[0]);
                    std::memcpy(line + cx * 16 + 8, halves_[bits & 15], sizeof halves_[0]);
                }
                std::memcpy(image.row(cy * 16 + 2 * r + 1), line, rowBytes);
            }
        }
    }

  private:
    const Charset& charset_;
    Pixel halves_[16][8];  // 4 glyph pixels of a row, doubled
};

}  // namespace pixlore
