#include "views/glyph_view.h"

namespace pixlore {

void RenderGlyphImage(Image& surface, const std::uint8_t* glyph, Palette palette) {
    FillRect(surface, 0, 0, kGlyphViewSize, kGlyphViewSize, palette.PaperColor);
    for (int r = 0; r < 8; ++r)
        for (int b = 0; b < 8; ++b)
            if (glyph[r] & (0x80 >> b)) FillRect(surface, 16 * b, 16 * r, 15, 15, palette.InkColor);
    // Dotted lines, white on even and black on odd coordinates, none on the right and
    // bottom edges; the crossings come out white.
    for (int i = 0; i < 8; ++i)
        for (int t = 0; t < kGlyphViewSize; t += 2) {
            SetPixel(surface, 16 * i, t, kWhite);
            SetPixel(surface, 16 * i, t + 1, kBlack);
            SetPixel(surface, t, 16 * i, kWhite);
            SetPixel(surface, t + 1, 16 * i, kBlack);
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
