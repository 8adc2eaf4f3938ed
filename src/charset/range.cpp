#include "charset/range.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "charset/text_1252.h"

namespace pixlore {

CodeRange RangeBetween(int a, int b) {
    return {std::min(a, b), std::max(a, b)};
}

std::string RangePositionText(int position) {
    std::string text = std::to_string(position);
    if (position >= 32 && position <= 255)
        text += ":" + Windows1252ToUtf8(static_cast<std::uint8_t>(position));
    return text;
}

RangeCopyResult CopyRangeToCurrent(Charset& charset, CodeRange range, int current) {
    if (range.low <= current && current <= range.high) return RangeCopyResult::CurrentInsideRange;
    // Outside the range the ascending copy never reads a glyph it has already written.
    for (int source = range.low; source <= range.high; ++source) {
        const int target = current + (source - range.low);
        if (target > kGlyphCount - 1) break;
        std::memcpy(GlyphAt(charset, target), GlyphAt(charset, source), kGlyphBytes);
    }
    return RangeCopyResult::Copied;
}

}  // namespace pixlore
