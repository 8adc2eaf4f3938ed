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

// The charset a picture of 16 x 16 cells shows: 256 x 256 pixels as the charset picture is
// saved (each glyph pixel a 2 x 2 block, read at its top-left pixel) or 128 x 128 at one pixel
// a glyph pixel. When the pixels read hold no colour but palette's ink and paper, those
// decide; otherwise the most common colour is paper (on a tie, the one met first) and every
// other colour is ink.
Decoded<Charset> CharsetFromPicture(const Image& picture, Palette palette);

// The same rule over every pixel of a picture of any size: true for ink, row after row.
std::vector<bool> InkPixels(const Image& picture, Palette palette);

}  // namespace pixlore
