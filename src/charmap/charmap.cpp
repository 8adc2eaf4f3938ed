#include "charmap/charmap.h"

#include "charset/cell.h"

namespace pixlore {
namespace {

bool TakePopupCell(CharMap& map, int& px, int& py) {
    px = map.PopupCellX;
    py = map.PopupCellY;
    if (px < 0 || py < 0) return false;
    map.PopupCellX = -1;
    map.PopupCellY = -1;
    // A popup cell is always taken from the canvas, but never trust it to index the array.
    return CharMap::Contains(px, py);
}

}  // namespace

void InitCharMap(CharMap& map) {
    for (int y = 0; y < CharMap::kRows; ++y)
        for (int x = 0; x < CharMap::kColumns; ++x)
            map.at(x, y) = x + y;
    map.MapWidth = 40;
    map.MapHeight = 24;
    map.PopupCellX = -1;
    map.PopupCellY = -1;
}

void SetMapSize(CharMap& map, int width, int height) {
    if (width < 1 || width > CharMap::kMaxWidth || height < 1 || height > CharMap::kMaxHeight)
        return;
    map.MapWidth = width;
    map.MapHeight = height;
}

void FillMap(CharMap& map, int code) {
    for (int y = 0; y < map.MapHeight; ++y)
        for (int x = 0; x < map.MapWidth; ++x)
            map.at(x, y) = code & 0xFF;
}

bool InPaintableArea(const CharMap& map, int x, int y) {
    return x >= 0 && x <= map.MapWidth && y >= 0 && y <= map.MapHeight;
}

std::optional<int> CodeUnderPointer(const CharMap& map, int x, int y) {
    const Cell cell = CellUnder(x, y);
    if (cell.x < 0 || cell.x >= map.MapWidth || cell.y < 0 || cell.y >= map.MapHeight)
        return std::nullopt;
    return map.at(cell.x, cell.y) & 0xFF;
}

bool PaintMapCell(CharMap& map, int x, int y, int code) {
    if (!InPaintableArea(map, x, y)) return false;
    map.at(x, y) = code & 0xFF;
    return true;
}

bool InsertChar(CharMap& map) {
    int px, py;
    if (!TakePopupCell(map, px, py)) return false;
    const int w = map.MapWidth;
    if (px < w)
        for (int x = w; x >= px + 1; --x)
            map.at(x, py) = map.at(x - 1, py);
    map.at(px, py) = 0;
    return true;
}

bool DeleteChar(CharMap& map) {
    int px, py;
    if (!TakePopupCell(map, px, py)) return false;
    const int w = map.MapWidth;
    if (px < w)
        for (int x = px; x <= w - 1; ++x)
            map.at(x, py) = map.at(x + 1, py);
    map.at(w - 1, py) = 0;
    return true;
}

bool InsertRow(CharMap& map) {
    int px, py;
    if (!TakePopupCell(map, px, py)) return false;
    for (int y = map.MapHeight; y >= py; --y)
        for (int x = 0; x <= map.MapWidth; ++x)
            map.at(x, y) = (y != py) ? map.at(x, y - 1) : 0;
    return true;
}

bool DeleteRow(CharMap& map) {
    int px, py;
    if (!TakePopupCell(map, px, py)) return false;
    const int h = map.MapHeight;
    for (int y = py; y <= h - 1; ++y)
        for (int x = 0; x <= map.MapWidth; ++x)
            map.at(x, y) = (y < h - 1) ? map.at(x, y + 1) : 0;
    return true;
}

bool InsertColumn(CharMap& map) {
    int px, py;
    if (!TakePopupCell(map, px, py)) return false;
    for (int x = map.MapWidth; x >= px; --x)
        for (int y = 0; y <= map.MapHeight; ++y)
            map.at(x, y) = (x != px) ? map.at(x - 1, y) : 0;
    return true;
}

bool DeleteColumn(CharMap& map) {
    int px, py;
    if (!TakePopupCell(map, px, py)) return false;
    const int w = map.MapWidth;
    for (int x = px; x <= w - 1; ++x)
        for (int y = 0; y <= map.MapHeight; ++y)
            map.at(x, y) = (x < w - 1) ? map.at(x + 1, y) : 0;
    return true;
}

}  // namespace pixlore
