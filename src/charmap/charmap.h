#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <optional>

namespace pixlore {

// A screen of text: character codes in a fixed array one column and one row larger than the
// largest screen, so the column and row just beyond the active area (the spare column and
// row) always exist.
struct CharMap {
    static constexpr int kColumns = 81;
    static constexpr int kRows = 51;
    static constexpr int kMaxWidth = kColumns - 1;
    static constexpr int kMaxHeight = kRows - 1;

    std::array<std::int32_t, kColumns * kRows> cells{};
    int MapWidth = 40;
    int MapHeight = 24;
    int PopupCellX = -1;
    int PopupCellY = -1;

    static bool Contains(int x, int y) { return x >= 0 && x < kColumns && y >= 0 && y < kRows; }
    // A cell off the array would silently land in the next row, so debug builds stop there.
    std::int32_t& at(int x, int y) {
        assert(Contains(x, y));
        return cells[y * kColumns + x];
    }
    std::int32_t at(int x, int y) const {
        assert(Contains(x, y));
        return cells[y * kColumns + x];
    }
};

// The start-up map: 40 x 24, cell (x, y) holding x + y, no popup cell.
void InitCharMap(CharMap& map);

// Makes width x height the active size; nothing moves and nothing is cleared.
void SetMapSize(CharMap& map, int width, int height);

// Sets every cell of the active area to code.
void FillMap(CharMap& map, int code);

// Paints code into cell (x, y) when it lies in the active area or the spare column or row.
bool PaintMapCell(CharMap& map, int x, int y, int code);

// Whether (x, y) is a cell the pointer may hover over or paint: the active area plus the
// spare column and row.
bool InPaintableArea(const CharMap& map, int x, int y);

// The code of the cell under pointer position (x, y), for picking it as the current character;
// nothing when the cell lies outside the active area (the spare column and row are not shown).
std::optional<int> CodeUnderPointer(const CharMap& map, int x, int y);

// The popup menu's edits at PopupCell. Each does nothing without a popup cell, and each
// resets it afterwards; true when the popup cell was set (the map then needs a redraw).
bool InsertChar(CharMap& map);
bool DeleteChar(CharMap& map);
bool InsertRow(CharMap& map);
bool DeleteRow(CharMap& map);
bool InsertColumn(CharMap& map);
bool DeleteColumn(CharMap& map);

}  // namespace pixlore
