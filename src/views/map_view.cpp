#include "views/map_view.h"

#include "views/charset_view.h"
#include "views/glyph_cells.h"

namespace pixlore {

void RenderCharMapImage(Image& surface, const CharMap& map, const Charset& charset,
                        Palette palette) {
    DrawGlyphCells(surface, charset, palette, map.cells.data(), CharMap::kColumns, map.MapWidth,
                   map.MapHeight);
}

Image MapPicture(const CharMap& map, const Charset& charset, Palette palette) {
    Image picture(16 * map.MapWidth, 16 * map.MapHeight);
    RenderCharMapImage(picture, map, charset, palette);
    return picture;
}

std::optional<Cell> MapHoverCell(const CharMap& map, int x, int y) {
    const Cell cell = CellUnder(x, y);
    if (!InPaintableArea(map, cell.x, cell.y)) return std::nullopt;
    return cell;
}

void DrawMapHoverOutline(Image& surface, Cell cell) {
    OutlineRect(surface, 16 * cell.x, 16 * cell.y, 16, 16, kMapHoverColour);
}

void DrawMapTextCursor(Image& surface, Cell cell) {
    OutlineRect(surface, 16 * cell.x, 16 * cell.y, 16, 16, kCursorColour);
}

std::string MapHoverTitle(const CharMap& map, Cell cell) {
    return "Character map (" + std::to_string(cell.x) + "," + std::to_string(cell.y) +
           "):" + std::to_string(map.at(cell.x, cell.y));
}

}  // namespace pixlore
