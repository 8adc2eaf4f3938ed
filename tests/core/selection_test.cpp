#include "charset/selection.h"

#include <gtest/gtest.h>

namespace pixlore {
namespace {

Selection At(int column, int row) {
    Selection s;
    s.CurrentColumn = column;
    s.CurrentRow = row;
    s.CurrentChar = static_cast<std::uint8_t>(row * 16 + column);
    return s;
}

void ExpectCell(const Selection& s, int column, int row) {
    EXPECT_EQ(s.CurrentColumn, column);
    EXPECT_EQ(s.CurrentRow, row);
    EXPECT_EQ(s.CurrentChar, row * 16 + column);
}

TEST(StatusText, CodeInDecimalAndHexWithItsWindows1252Character) {
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {0, "0($00)"},
        {7, "7($07)"},
        {31, "31($1F)"},
        {32, "32($20)' '"},
        {65, "65($41)'A'"},
        {128, "128($80)'\u20AC'"},
        {129, "129($81)'\u0081'"},  // unassigned in the code page
        {159, "159($9F)'\u0178'"},
        {160, "160($A0)'\u00A0'"},
        {200, "200($C8)'\u00C8'"},
        {255, "255($FF)'\u00FF'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StatusText(c.code), c.text) << "code " << c.code;
}

TEST(ArrowKeys, MoveOneCellAndStopAtEveryEdge) {
    const struct {
        int key, dx, dy;
    } keys[] = {{kKeyLeft, -1, 0}, {kKeyRight, 1, 0}, {kKeyUp, 0, -1}, {kKeyDown, 0, 1}};
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 16; ++column)
            for (const auto& k : keys) {
                SCOPED_TRACE(testing::Message()
                             << "cell " << column << "," << row << " key " << k.key);
                Selection s = At(column, row);
                const int toColumn = column + k.dx;
                const int toRow = row + k.dy;
                const bool inside = toColumn >= 0 && toColumn < 16 && toRow >= 0 && toRow < 16;
                EXPECT_EQ(ArrowKey(s, k.key), inside);
                if (inside)
                    ExpectCell(s, toColumn, toRow);
                else
                    ExpectCell(s, column, row);
            }
}

TEST(ArrowKeys, OtherKeysDoNothing) {
    for (int key : {kKeyInsert, kKeyDelete, 0, 13, 36, 41}) {
        Selection s = At(5, 5);
        EXPECT_FALSE(ArrowKey(s, key));
        ExpectCell(s, 5, 5);
    }
}

TEST(SelectCharAt, SelectsTheCellUnderThePointer) {
    const struct {
        int x, y, column, row;
    } cases[] = {
        {0, 0, 0, 0},    {15, 15, 0, 0},  {16, 0, 1, 0},    {255, 255, 15, 15}, {-2, -2, 0, 0},
        {-15, 40, 0, 2}, {40, -15, 2, 0}, {240, 17, 15, 1}, {17, 240, 1, 15},   {100, 37, 6, 2},
    };
    for (const auto& c : cases) {
        Selection s = At(7, 7);
        EXPECT_TRUE(SelectCharAt(s, c.x, c.y)) << c.x << "," << c.y;
        ExpectCell(s, c.column, c.row);
    }
}

TEST(SelectCharAt, ThePointerPastTheLastCellSelectsNothing) {
    // The canvas border reports x or y 256..259: cell 16, which is not a character.
    const struct {
        int x, y;
    } cases[] = {{256, 0}, {0, 256}, {257, 257}, {259, 100}, {-16, 0}, {0, -16}, {1000, -1000}};
    for (const auto& c : cases) {
        Selection s = At(15, 15);
        EXPECT_FALSE(SelectCharAt(s, c.x, c.y)) << c.x << "," << c.y;
        ExpectCell(s, 15, 15);
        // The arrow keys still stop at the grid's edge afterwards.
        EXPECT_FALSE(ArrowKey(s, kKeyRight));
        EXPECT_FALSE(ArrowKey(s, kKeyDown));
        EXPECT_TRUE(ArrowKey(s, kKeyLeft));
        ExpectCell(s, 14, 15);
    }
}

}  // namespace
}  // namespace pixlore
