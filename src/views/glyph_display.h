#pragma once

#include <array>
#include <cstdint>

#include "charset/charset.h"
#include "charset/palette.h"
#include "views/image.h"

namespace pixlore {

// What the glyph canvas shows, remembered so that a redraw draws only the glyph rows that
// changed and puts only the cells of changed pixels on screen.
class GlyphDisplay {
  public:
    // Makes the surface show the glyph as RenderGlyphImage draws it; returns the areas drawn.
    Damage update(Image& surface, const std::uint8_t* glyph, Palette palette);

  private:
    bool drawn_ = false;
    std::array<std::uint8_t, kGlyphBytes> glyph_{};
    Palette palette_;
};

}  // namespace pixlore
