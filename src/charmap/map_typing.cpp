#include "charmap/map_typing.h"

#include <algorithm>

namespace pixlore {

Cell HeldInActiveArea(const CharMap& map, Cell cursor) {
    return {std::clamp(cursor.x, 0, map.MapWidth - 1), std::clamp(cursor.y, 0, map.MapHeight - 1)};
}

void TypeCode(CharMap& map, Cell& cursor, int code) {
    cursor = HeldInActiveArea(map, cursor);
    map.at(cursor.x, cursor.y) = code & 0xFF;
    if (cursor.x + 1 < map.MapWidth)
        ++cursor.x;
    else if (cursor.y + 1 < map.MapHeight)
        cursor = {0, cursor.y + 1};
}

void TypeBackspace(CharMap& map, Cell& cursor, int space) {
    cursor = HeldInActiveArea(map, cursor);
    if (cursor.x > 0)
        --cursor.x;
    else if (cursor.y > 0)
        cursor = {map.MapWidth - 1, cursor.y - 1};
    else
        return;
    map.at(cursor.x, cursor.y) = space & 0xFF;
}

void TypeReturn(const CharMap& map, Cell& cursor) {
    cursor = HeldInActiveArea(map, cursor);
    if (cursor.y + 1 < map.MapHeight) cursor = {0, cursor.y + 1};
}

void MoveTextCursor(const CharMap& map, Cell& cursor, int dx, int dy) {
    cursor = HeldInActiveArea(map, {cursor.x + dx, cursor.y + dy});
}

}  // namespace pixlore
