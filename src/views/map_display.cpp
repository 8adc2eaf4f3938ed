#include "views/map_display.h"

#include <algorithm>

#include "views/glyph_cells.h"
#include "views/map_view.h"

namespace pixlore {
namespace {

int IndexOf(int x, int y) {
    return y * CharMap::kColumns + x;
}

}  // namespace

void MapDisplay::markStale(Cell first, Cell last) {
    const int x0 = std::max(std::min(first.x, last.x), 0);
    const int x1 = std::min(std::max(first.x, last.x), CharMap::kColumns - 1);
    const int y0 = std::max(std::min(first.y, last.y), 0);
    const int y1 = std::min(std::max(first.y, last.y), CharMap::kRows - 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            stale_[IndexOf(x, y)] = true;
}

Damage MapDisplay::update(Image& surface, const CharMap& map, const Charset& charset,
                          Palette palette, std::optional<Cell> outline,
                          std::optional<Cell> textCursor) {
    const int width = map.MapWidth, height = map.MapHeight;
    auto active = [&](Cell c) { return c.x >= 0 && c.x < width && c.y >= 0 && c.y < height; };
    // An outline that stays where it is stays drawn, unless its cell is drawn afresh. One
    // outside the active area is drawn again each time: nothing there is remembered.
    auto stays = [&](std::optional<Cell> now, std::optional<Cell> before) {
        return now && active(*now) && now == before;
    };
    const bool outlineStays = stays(outline, outline_);
    const bool cursorStays = stays(textCursor, textCursor_);
    if (outline_ && !outlineStays) markStale(*outline_, *outline_);
    if (textCursor_ && !cursorStays) markStale(*textCursor_, *textCursor_);

    Damage damage;
    bool outlineCovered = true, cursorCovered = true;
    // Nothing drawn yet, or new colours: everything is drawn.
    if (drawnArea_.empty() || palette != palette_) {
        RenderCharMapImage(surface, map, charset, palette);
        const Rect area = ClipRect(0, 0, 16LL * width, 16LL * height, surface.bounds());
        if (!area.empty()) damage.push_back(area);
    } else {
        const auto changed = ChangedGlyphs(charset_, charset);
        auto stale = [&](int x, int y) {
            const int i = IndexOf(x, y);
            return stale_[i] || x >= width_ || y >= height_ || codes_[i] != map.cells[i] ||
                   changed[map.cells[i] & 0xFF];
        };
        auto covered = [&](std::optional<Cell> c) { return c && active(*c) && stale(c->x, c->y); };
        outlineCovered = covered(outline);
        cursorCovered = covered(textCursor);
        DrawStaleCells(surface, charset, palette, map.cells.data(), CharMap::kColumns, width,
                       height, stale, damage);
    }
    auto drawOutline = [&](Cell cell, void (*draw)(Image&, Cell)) {
        draw(surface, cell);
        const Rect area = ClipRect(16LL * cell.x, 16LL * cell.y, 16, 16, surface.bounds());
        if (!area.empty()) damage.push_back(area);
    };
    // The hover outline lies on top of the text cursor, so drawing the cursor again under it
    // means drawing the hover outline again too.
    const bool cursorDrawn = textCursor && (!cursorStays || cursorCovered);
    if (cursorDrawn) drawOutline(*textCursor, DrawMapTextCursor);
    if (outline && (!outlineStays || outlineCovered || (cursorDrawn && outline == textCursor)))
        drawOutline(*outline, DrawMapHoverOutline);

    for (const Rect& r : damage)
        drawnArea_ = drawnArea_.empty() ? r : BoundingRect(drawnArea_, r);
    charset_ = charset;
    palette_ = palette;
    width_ = width;
    height_ = height;
    codes_ = map.cells;
    stale_.fill(false);
    outline_ = outline;
    textCursor_ = textCursor;
    return damage;
}

}  // namespace pixlore
