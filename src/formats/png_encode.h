#pragma once

#include <cstdint>
#include <vector>

#include "views/image.h"

namespace pixlore {

// The image as a PNG picture: 8-bit RGB, not interlaced.
std::vector<std::uint8_t> EncodePng(const Image& image);

}  // namespace pixlore
