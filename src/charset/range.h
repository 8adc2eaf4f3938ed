#pragma once

#include <string>

#include "charset/charset.h"

namespace pixlore {

// A range of codes; its ends may be given in either order.
struct CodeRange {
    int low = 0;
    int high = 0;
};
CodeRange RangeBetween(int a, int b);

// "65:A": a track-bar position and, from 32 on, its character.
std::string RangePositionText(int position);

enum class RangeCopyResult { Copied, CurrentInsideRange };

// Copies the glyphs of the range to current, current + 1, ... up to glyph 255.
RangeCopyResult CopyRangeToCurrent(Charset& charset, CodeRange range, int current);

}  // namespace pixlore
