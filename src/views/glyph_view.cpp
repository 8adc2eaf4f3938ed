#include "views/glyph_view.h"

#include <algorithm>
#include <cstring>

namespace pixlore {
namespace {

constexpr int kSize = kGlyphViewSize;
using Row = Pixel[kSize];

// Clipped to the surface. The length is left to run time on purpose: for a constant 512
// bytes the compiler inlines a string move that costs more than the library's copy.
void Copy(Image& surface, int y, const Row& row) {
    if (y >= surface.height()) return;
    const int pixels = std::min(surface.width(), kSize);
    std::memcpy(surface.row(y), row, static_cast<std::size_t>(pixels) * sizeof(Pixel));
}

// A row crossing the dotted vertical lines at x = 0, 16, ..., 112: white dots on even rows,
// black ones on odd rows.
void AddVerticalDots(Row& row, bool evenRow) {
    const Pixel dot = PixelOf(evenRow ? kWhite : kBlack);
    for (int x = 0; x < kSize; x += 16)
        row[x] = dot;
}

}  // namespace

// Each pixel row of the view is one of a handful of rows: the dotted horizontal line, the
// paper line under each glyph row, and the glyph row itself on even and odd rows. They are
// built once per glyph row and copied, which gives the same pixels as painting the ink
// squares and then the grid dot by dot.
void RenderGlyphImage(Image& surface, const std::uint8_t* glyph, Palette palette, unsigned rows) {
    const Pixel ink = PixelOf(palette.InkColor);
    const Pixel paper = PixelOf(palette.PaperColor);

    Row line;  // the horizontal grid lines: white on even x, black on odd x
    for (int x = 0; x < kSize; ++x)
        line[x] = PixelOf(x % 2 == 0 ? kWhite : kBlack);
    Row gap;  // the last row of every cell: paper, crossed by the vertical lines (odd y)
    for (Pixel& p : gap)
        p = paper;
    AddVerticalDots(gap, false);

    Pixel inked[16], clear[16];  // one cell of a glyph row: a 15-pixel square and its gap
    for (int x = 0; x < 16; ++x) {
        inked[x] = x < 15 ? ink : paper;
        clear[x] = paper;
    }
    for (int r = 0; r < 8; ++r) {
        if (!(rows & (1u << r))) continue;
        Row even, odd;
        for (int b = 0; b < 8; ++b)
            std::memcpy(even + 16 * b, (glyph[r] & (0x80 >> b)) ? inked : clear, sizeof inked);
        std::memcpy(odd, even, sizeof(Row));
        AddVerticalDots(even, true);
        AddVerticalDots(odd, false);
        const int top = 16 * r;
        Copy(surface, top, line);
        for (int dy = 1; dy < 15; ++dy)
            Copy(surface, top + dy, dy % 2 == 0 ? even : odd);
        Copy(surface, top + 15, gap);
    }
}

std::string GlyphDataText(const std::uint8_t* glyph) {
    std::string text;
    for (int r = 0; r < 8; ++r) {
        if (r > 0) text += ',';
        text += std::to_string(static_cast<unsigned>(glyph[r]));
    }
    return text;
}

}  // namespace pixlore
