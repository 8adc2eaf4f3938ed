#include "views/glyph_display.h"

#include <algorithm>

#include "views/glyph_view.h"

namespace pixlore {

Damage GlyphDisplay::update(Image& surface, const std::uint8_t* glyph, Palette palette) {
    Damage damage;
    if (!drawn_ || palette != palette_) {
        RenderGlyphImage(surface, glyph, palette);
        damage.push_back(surface.bounds());
    } else {
        // A pixel owns its 16 x 16 cell; the grid lines crossing it are the same in every cell.
        unsigned rows = 0;
        for (int r = 0; r < kGlyphBytes; ++r) {
            const unsigned changed = glyph[r] ^ glyph_[r];
            if (changed) rows |= 1u << r;
            for (int b = 0; b < 8; ++b) {
                if (!(changed & (0x80u >> b))) continue;
                const Rect cell = ClipRect(16 * b, 16 * r, 16, 16, surface.bounds());
                if (!cell.empty()) damage.push_back(cell);
            }
        }
        if (rows) RenderGlyphImage(surface, glyph, palette, rows);
    }
    drawn_ = true;
    std::copy(glyph, glyph + kGlyphBytes, glyph_.begin());
    palette_ = palette;
    return damage;
}

}  // namespace pixlore
