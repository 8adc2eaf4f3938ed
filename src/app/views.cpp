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
    charsetDisplay_.renderPicture(state_.CharsetImage, state_.charset, state_.palette);
    if (!charsetCanvas_) return;
    showCharsetFrame({});
}

void Editor::RenderGlyph() {
    if (!glyphCanvas_) return;
    const std::uint8_t* glyph = GlyphAt(state_.charset, state_.selection.CurrentChar);
    glyphCanvas_->present(glyphDisplay_.update(glyphCanvas_->surface(), glyph, state_.palette));
    // Rewriting an unchanged text would re-lay the field out on every mouse move.
    const QString text = QString::fromStdString(GlyphDataText(glyph));
    if (dataField_->toPlainText() != text) dataField_->setPlainText(text);
    RenderCharMap();
}

void Editor::RenderCharMap() {
    showMap(std::nullopt);
}

void Editor::ShowCharsetHover(int x, int y) {
    showCharsetFrame({CharsetFeedback::Kind::Hover, x, y});
}

void Editor::ShowDragPreview(int x, int y) {
    showCharsetFrame({CharsetFeedback::Kind::Drag, x, y, state_.drag.DragSource});
}

void Editor::ShowMapHover(int x, int y) {
    const std::optional<Cell> cell = MapHoverCell(state_.map, x, y);
    if (!cell) return;
    showMap(cell);
    mapWindow_->setTitle(MapHoverTitle(state_.map, *cell));
}

void Editor::showCharsetFrame(const CharsetFeedback& feedback) {
    charsetCanvas_->present(charsetDisplay_.showFrame(
        charsetCanvas_->surface(), state_.CharsetImage, state_.selection, feedback));
}

// The map as it stands with the text cursor, and the hover outline round `hover` when given.
void Editor::showMap(std::optional<Cell> hover) {
    if (!state_.MapAvailable || !mapCanvas_) return;
    mapCanvas_->present(mapDisplay_.update(mapCanvas_->surface(), state_.map, state_.charset,
                                           state_.palette, hover, state_.TextCursor));
}

}  // namespace pixlore
