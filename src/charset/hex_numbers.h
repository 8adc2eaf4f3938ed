#pragma once

#include <array>
#include <cstdint>

#include "charset/charset.h"

namespace pixlore {

// The digits 0..F, 3 pixels wide in the three leftmost columns and 5 rows high, top row
// first; the sixth row is empty in every digit.
using HexDigitShape = std::array<std::uint8_t, 6>;
extern const std::array<HexDigitShape, 16> HexDigitShapes;

// Makes every glyph show its own code as two hexadecimal digits: the high digit in columns
// 0..2, the low digit in columns 4..6, both in rows 1..5.
void BuildHexNumbers(Charset& charset);

}  // namespace pixlore
