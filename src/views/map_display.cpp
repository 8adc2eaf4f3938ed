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
                          Palette palette, std::optional<Cell> outline) {
    const int width = map.MapWidth, height = map.MapHeight;
    auto active = [&](Cell c) { return c.x >= 0 && c.x < width && c.y >= 0 && c.y < height; };
    // An outline that stays where it is stays drawn, unless its cell is drawn afresh. One
    // outside the active area is drawn again each time: nothing there is remembered.
    const bool outlineStays = outline && outline == outline_;
    if (outline_ && !outlineStays) markStale(*outline_, *outline_);

    Damage damage;
    bool outlineCovered = true;
    if (!drawn_ || palette != palette_) {
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
        outlineCovered = outline && active(*outline) && stale(outline->x, outline->y);
        DrawStaleCells(surface, charset, palette, map.cells.data(), CharMap::kColumns, width,
                       height, stale, damage);
    }
    if (outline && (!outlineStays || outlineCovered)) {
        DrawMapHoverOutline(surface, *outline);
        const Rect cell = ClipRect(16LL * outline->x, 16LL * outline->y, 16, 16, surface.bounds());
        if (!cell.empty()) damage.push_back(cell);
    }

    drawn_ = true;
    charset_ = charset;
    palette_ = palette;
    width_ = width;
    height_ = height;
    codes_ = map.cells;
    stale_.fill(false);
    outline_ = outline && active(*outline) ? outline : std::nullopt;
    return damage;
}

}  // namespace pixlore
