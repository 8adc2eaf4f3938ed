// The redraw chain: the charset grid, then the enlarged glyph, then the map.
#include "app/editor.h"
#include "app/ids.h"
#include "views/charset_view.h"
#include "views/glyph_view.h"
#include "views/map_view.h"

namespace pixlore {

void Editor::RefreshViews() {
    RenderCharset();
    RenderGlyph();
}

void Editor::RenderCharset() {
    RenderCharsetImage(state_.CharsetImage, state_.charset, state_.palette);
    if (!charsetCanvas_) return;
    ComposeCharsetCanvas(charsetCanvas_->surface(), state_.CharsetImage, state_.selection);
    charsetCanvas_->present();
}

void Editor::RenderGlyph() {
    if (!glyphCanvas_) return;
    const std::uint8_t* glyph = GlyphAt(state_.charset, state_.selection.CurrentChar);
    RenderGlyphImage(glyphCanvas_->surface(), glyph, state_.palette);
    glyphCanvas_->present();
    // Rewriting an unchanged text would re-lay the field out on every mouse move.
    const QString text = QString::fromStdString(GlyphDataText(glyph));
    if (dataField_->toPlainText() != text) dataField_->setPlainText(text);
    RenderCharMap();
}

void Editor::RenderCharMap() {
    if (!state_.MapAvailable || !mapCanvas_) return;
    RenderCharMapImage(mapCanvas_->surface(), state_.map, state_.charset, state_.palette);
    if (state_.TextCursor) DrawMapTextCursor(mapCanvas_->surface(), *state_.TextCursor);
    mapCanvas_->present();
}

void Editor::ShowCharsetHover(int x, int y) {
    pixlore::ShowCharsetHover(charsetCanvas_->surface(), state_.CharsetImage, state_.selection, x,
                              y);
    charsetCanvas_->present();
}

void Editor::ShowDragPreview(int x, int y) {
    pixlore::ShowDragPreview(charsetCanvas_->surface(), state_.CharsetImage, state_.selection,
                             state_.drag, x, y);
    charsetCanvas_->present();
}

void Editor::ShowMapHover(int x, int y) {
    const std::optional<Cell> cell = MapHoverCell(state_.map, x, y);
    if (!cell) return;
    RenderCharMap();
    DrawMapHoverOutline(mapCanvas_->surface(), *cell);
    mapCanvas_->present();
    mapWindow_->setTitle(MapHoverTitle(state_.map, *cell));
}

}  // namespace pixlore
