// Random bytes as clipboard text and as our own clipboard type. What a text reads as must read
// back the same from the text a copy writes of it; our own type gives whole glyphs only.
#include <cstdlib>

#include "formats/glyph_clipboard.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pixlore;
    const std::vector<std::uint8_t> bytes(data, data + size);
    const auto own = GlyphsFromOwnBytes(bytes);
    const auto text = GlyphsFromText(std::string(bytes.begin(), bytes.end()));
    if (own && (own->empty() || own->size() % 8 != 0 || own->size() > kCharsetBytes)) std::abort();
    if (text && GlyphsFromText(ValuesText(*text, kGlyphBytes)) != text) std::abort();
    return 0;
}
