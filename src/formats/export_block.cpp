#include "formats/export_block.h"

#include "files/map_file.h"

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
    block.bytes = MapFileBytes(map);
    return block;
}

}  // namespace pixlore
