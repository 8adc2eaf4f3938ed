#pragma once

#include <cstdint>
#include <vector>

#include "files/decoded.h"
#include "views/image.h"

namespace pixlore {

// Reads an uncompressed Windows bitmap: 1, 4 or 8 bits a pixel with a colour table, 16, 24
// or 32 bits a pixel (with or without bit-field masks), bottom-up or top-down. Pictures wider
// or higher than maxSide pixels are refused before anything is allocated; so are bit-field
// masks with gaps between their bits and pixels whose index lies past the colour table.
Decoded<Image> DecodeBmp(const std::vector<std::uint8_t>& file, int maxSide);

}  // namespace pixlore
