#pragma once

#include "charmap/charmap.h"
#include "charset/cell.h"

namespace pixlore {

// A text cursor on the map moves through the active area as through lines of text. Each
// operation first holds the cursor inside the active area, whose size may have changed.
Cell HeldInActiveArea(const CharMap& map, Cell cursor);

// Writes code at the cursor and moves it one cell right, to the start of the next row after
// the last column; at the last cell of the area it stays.
void TypeCode(CharMap& map, Cell& cursor, int code);

// Moves the cursor one cell left, to the end of the row above from the first column, and
// writes space there; at the first cell of the area nothing happens.
void TypeBackspace(CharMap& map, Cell& cursor, int space);

// To the start of the next row; on the last row the cursor stays.
void TypeReturn(const CharMap& map, Cell& cursor);

// One cell in a direction, stopping at the edges of the area.
void MoveTextCursor(const CharMap& map, Cell& cursor, int dx, int dy);

}  // namespace pixlore
