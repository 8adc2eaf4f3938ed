#pragma once

#include <array>
#include <cstdint>

#include "charmap/charmap.h"
#include "charset/charset.h"
#include "charset/palette.h"

namespace pixlore {

// The user's work that the history keeps: the glyphs, their colours and every cell of the
// map, spare cells included. Selection, range, drag mode and map size are not part of it.
struct Document {
    Charset charset{};
    Palette palette;
    std::array<std::int32_t, CharMap::kColumns * CharMap::kRows> cells{};

    friend bool operator==(const Document&, const Document&) = default;
};

}  // namespace pixlore
