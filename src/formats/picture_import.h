#pragma once

#include <cstdint>
#include <vector>

#include "charset/charset.h"
#include "charset/palette.h"
#include "files/decoded.h"
#include "views/image.h"

namespace pixlore {

// A BMP or PNG picture, told apart by its first bytes.
Decoded<Image> DecodePicture(const std::vector<std::uint8_t>& file);

// The ink and paper rule, for a picture of any size: true where a pixel is ink, row by row.
// When the picture holds no colour but palette's ink and paper, those decide. Otherwise its
// most common colour is paper (on a tie, the one met first, row by row), the colour farthest
// in brightness (299 R + 587 G + 114 B) from paper is ink (again the first met on a tie), and
// a pixel is ink when it is not paper and no nearer in brightness to paper than to ink. So a
// picture of two colours makes every colour but paper ink, and soft edges go to the nearer.
std::vector<bool> InkPixels(const Image& picture, Palette palette);

// The charset a picture of 16 x 16 cells shows: 256 x 256 pixels as the charset picture is
// saved (each glyph pixel a 2 x 2 block, read at its top-left pixel) or 128 x 128 at one pixel
// a glyph pixel, its glyph pixels taken apart by the ink and paper rule.
Decoded<Charset> CharsetFromPicture(const Image& picture, Palette palette);

// The same rule over every pixel of a picture of any size: true for ink, row after row.
std::vector<bool> InkPixels(const Image& picture, Palette palette);

}  // namespace pixlore
