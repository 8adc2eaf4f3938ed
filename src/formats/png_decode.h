#pragma once

#include <cstdint>
#include <vector>

#include "files/decoded.h"
#include "views/image.h"

namespace pixlore {

// Whether the bytes start with the PNG signature.
bool IsPng(const std::vector<std::uint8_t>& bytes);

// Reads a PNG picture of any colour type and bit depth, interlaced or not. Transparency is
// ignored: a pixel's colour is taken as it is stored. Pictures wider or higher than maxSide
// pixels are refused before anything is allocated; damaged chunks (a wrong checksum) too.
Decoded<Image> DecodePng(const std::vector<std::uint8_t>& file, int maxSide);

}  // namespace pixlore
