// Random bytes as clipboard text and as our own clipboard type. Whatever the text reads as
// must read back the same from the text a copy writes of it.
#include <cstdio>
#include <cstdlib>

#include "formats/glyph_clipboard.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pixlore;
    const std::vector<std::uint8_t> bytes(data, data + size);
    const auto own = GlyphsFromOwnBytes(bytes);
    const auto text = GlyphsFromText(std::string(bytes.begin(), bytes.end()));
    bool fault = own && (own->empty() || own->size() % 8 != 0 || own->size() > kCharsetBytes);
    fault = fault || (text && GlyphsFromText(ValuesText(*text, kGlyphBytes)) != text);
    if (!fault) return 0;
    std::fprintf(stderr, "\nClipboard check failed\n");
    std::abort();
}
