#include "files/export_block.h"

namespace pixlore {

ByteBlock GlyphBlock(const Charset& charset, CodeRange range) {
    ByteBlock block;
    block.bytes.assign(GlyphAt(charset, range.low), GlyphAt(charset, range.high) + kGlyphBytes);
    block.firstCode = range.low;
    return block;
}

ByteBlock MapBlock(const CharMap& map) {
    ByteBlock block;
    block.glyphs = false;
    block.perLine = map.MapWidth;
    block.bytes.reserve(static_cast<std::size_t>(map.MapWidth) * map.MapHeight);
    for (int y = 0; y < map.MapHeight; ++y)
        for (int x = 0; x < map.MapWidth; ++x)
            block.bytes.push_back(static_cast<std::uint8_t>(map.at(x, y) & 0xFF));
    return block;
}

}  // namespace pixlore
