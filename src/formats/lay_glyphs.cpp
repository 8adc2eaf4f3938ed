#include "formats/lay_glyphs.h"

#include <algorithm>

namespace pixlore {

LaidGlyphs LayGlyphRows(Charset& charset, int first, const std::vector<std::uint8_t>& rows) {
    const std::size_t room = static_cast<std::size_t>(kGlyphCount - first) * kGlyphBytes;
    LaidGlyphs laid;
    laid.first = first;
    laid.rows = rows.size();
    laid.taken = std::min(rows.size(), room);
    std::copy_n(rows.begin(), laid.taken, GlyphAt(charset, first));
    return laid;
}

std::string DidNotFitText(const std::string& name, const LaidGlyphs& laid) {
    return name + " holds " + std::to_string((laid.rows + kGlyphBytes - 1) / kGlyphBytes) +
           " glyphs; from glyph " + std::to_string(laid.first) + " on only the first " +
           std::to_string(laid.taken / kGlyphBytes) + " fit";
}

}  // namespace pixlore
