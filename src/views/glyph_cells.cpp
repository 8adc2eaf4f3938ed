#include "views/glyph_cells.h"

#include <algorithm>
#include <cstring>

namespace pixlore {
namespace {

// Every possible glyph row, doubled into 16 pixels: a cell row becomes two 64-byte copies.
struct RowTable {
    bool built = false;
    Palette palette;
    Pixel rows[256][16];
};

// The table depends on the colours only, so it is kept until they change.
const RowTable& RowTableFor(Palette palette) {
    static thread_local RowTable table;
    if (table.built && table.palette == palette) return table;
    const Pixel ink = PixelOf(palette.InkColor);
    const Pixel paper = PixelOf(palette.PaperColor);
    for (int bits = 0; bits < 256; ++bits)
        for (int b = 0; b < 8; ++b)
            table.rows[bits][2 * b] = table.rows[bits][2 * b + 1] =
                (bits & (0x80 >> b)) ? ink : paper;
    table.palette = palette;
    table.built = true;
    return table;
}

}  // namespace

void DrawGlyphCells(Image& image, const Charset& charset, Palette palette,
                    const std::int32_t* codes, int stride, int columns, int rows, Cell at) {
    if (at.x < 0 || at.y < 0) return;
    columns = std::min(columns, image.width() / 16 - at.x);
    rows = std::min(rows, image.height() / 16 - at.y);
    if (columns <= 0 || rows <= 0) return;
    const RowTable& table = RowTableFor(palette);
    const std::uint8_t* glyphs = charset.data();
    for (int cy = 0; cy < rows; ++cy) {
        const std::int32_t* line = codes + static_cast<std::ptrdiff_t>(cy) * stride;
        for (int r = 0; r < kGlyphBytes; ++r) {
            const int y = (at.y + cy) * 16 + 2 * r;
            Pixel* top = image.row(y) + at.x * 16;
            for (int cx = 0; cx < columns; ++cx)
                std::memcpy(top + cx * 16, table.rows[glyphs[(line[cx] & 0xFF) * kGlyphBytes + r]],
                            sizeof table.rows[0]);
            // The second pixel row of the blocks repeats the first; one long copy beats a
            // second pass of short ones.
            std::memcpy(image.row(y + 1) + at.x * 16, top,
                        static_cast<std::size_t>(columns) * sizeof table.rows[0]);
        }
    }
}

const std::int32_t* AllCodes() {
    static const auto codes = [] {
        std::array<std::int32_t, kGlyphCount> all{};
        for (int n = 0; n < kGlyphCount; ++n)
            all[n] = n;
        return all;
    }();
    return codes.data();
}

std::array<bool, kGlyphCount> ChangedGlyphs(const Charset& a, const Charset& b) {
    std::array<bool, kGlyphCount> changed{};
    for (int n = 0; n < kGlyphCount; ++n)
        changed[n] = std::memcmp(GlyphAt(a, n), GlyphAt(b, n), kGlyphBytes) != 0;
    return changed;
}

}  // namespace pixlore
