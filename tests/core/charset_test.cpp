// The selection at its edges; what the commands do to glyphs is in the editor's tests.
#include <gtest/gtest.h>

#include "charset/selection.h"

namespace pixlore {
namespace {

// A click selects the cell under it, -15..-1 counting as 0; the border past the last cell
// selects nothing. Arrow keys move one cell and stop at the edges.
TEST(Selection, PointerAndArrowKeys) {
    const int clicks[][4] = {{0, 0, 0, 0},       {15, 15, 0, 0},  {16, 0, 1, 0},
                             {255, 255, 15, 15}, {-15, 40, 0, 2}, {40, -15, 2, 0},
                             {100, 37, 6, 2},    {256, 0, 7, 7},  {0, 256, 7, 7},
                             {-16, 0, 7, 7},     {0, -16, 7, 7},  {9999, -9999, 7, 7}};
    for (auto [x, y, column, row] : clicks) {  // 7, 7: nothing selected
        Selection s{7 * 16 + 7, 7, 7};
        EXPECT_EQ(SelectCharAt(s, x, y), column != 7) << x << "," << y;
        EXPECT_EQ(std::tuple(+s.CurrentChar, s.CurrentColumn, s.CurrentRow),
                  std::tuple(16 * row + column, column, row));
    }
    const int keys[][5] = {
        {0, 0, kKeyLeft, 0, 0},     {0, 0, kKeyUp, 0, 0},   {15, 15, kKeyRight, 15, 15},
        {15, 15, kKeyDown, 15, 15}, {5, 5, kKeyLeft, 4, 5}, {5, 5, kKeyRight, 6, 5},
        {5, 5, kKeyUp, 5, 4},       {5, 5, kKeyDown, 5, 6}, {5, 5, kKeyInsert, 5, 5}};
    for (auto [column, row, key, toColumn, toRow] : keys) {
        Selection s{static_cast<std::uint8_t>(16 * row + column), column, row};
        EXPECT_EQ(ArrowKey(s, key), toColumn != column || toRow != row)
            << column << "," << row << " " << key;
        EXPECT_EQ(std::tuple(+s.CurrentChar, s.CurrentColumn, s.CurrentRow),
                  std::tuple(16 * toRow + toColumn, toColumn, toRow));
    }
}

}  // namespace
}  // namespace pixlore
