// The clipboard: the glyphs as a picture, as text and as our own bytes; pasting whichever of
// them the clipboard holds; the map as a picture and as text.
#include "platform/clipboard.h"
#include "app/editor.h"
#include "formats/export_block.h"
#include "formats/glyph_clipboard.h"
#include "views/charset_view.h"
#include "views/map_view.h"

namespace pixlore {

void Editor::Copy() {
    const CodeRange range = transformTargets();
    const std::vector<std::uint8_t> bytes(GlyphAt(state_.charset, range.low),
                                          GlyphAt(state_.charset, range.high) + kGlyphBytes);
    PutOnClipboard(GlyphsPicture(state_.charset, state_.palette, range),
                   ValuesText(bytes, kGlyphBytes), bytes);
}

void Editor::Paste() {
    const auto glyphs = GlyphsFromClipboard(ReadClipboard(), state_.palette);
    if (!glyphs) return;
    LayGlyphs(state_.charset, state_.selection.CurrentChar, *glyphs);
    RefreshViews();
}

void Editor::CopyMap() {
    const CharMap& map = state_.map;
    PutOnClipboard(MapPicture(map, state_.charset, state_.palette),
                   ValuesText(MapBlock(map).bytes, map.MapWidth));
}

}  // namespace pixlore
