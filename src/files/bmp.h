#pragma once

#include <cstdint>
#include <vector>

#include "views/image.h"

namespace pixlore {

constexpr std::uint32_t kBmpHeaderBytes = 14 + 40;

// The image as an uncompressed 24-bit Windows bitmap: file header, 40-byte information
// header, then the rows bottom-up, each pixel blue, green, red, each row filled to a
// multiple of 4 bytes. Resolutions and colour counts are 0.
std::vector<std::uint8_t> EncodeBmp(const Image& image);

}  // namespace pixlore
