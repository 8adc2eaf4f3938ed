#include "charmap/charmap.h"

#include <gtest/gtest.h>

#include <functional>

namespace pixlore {
namespace {

// A map whose neighbours all differ: one step right adds 1, one step down adds 100, so a
// cell moved by a row can never pass for one moved by a column.
CharMap Patterned(int width, int height) {
    CharMap map;
    InitCharMap(map);
    for (int y = 0; y < CharMap::kRows; ++y)
        for (int x = 0; x < CharMap::kColumns; ++x)
            map.at(x, y) = (x + 100 * y) & 0xFF;
    SetMapSize(map, width, height);
    return map;
}

// Lists the cells where two maps differ, for a readable failure.
testing::AssertionResult SameCells(const CharMap& actual, const CharMap& expected) {
    testing::AssertionResult result = testing::AssertionSuccess();
    int shown = 0;
    for (int y = 0; y < CharMap::kRows; ++y)
        for (int x = 0; x < CharMap::kColumns; ++x)
            if (actual.at(x, y) != expected.at(x, y)) {
                if (shown == 0) result = testing::AssertionFailure();
                if (shown++ < 8)
                    result << "(" << x << "," << y << ") is " << actual.at(x, y) << ", expected "
                           << expected.at(x, y) << "; ";
            }
    if (shown > 8) result << shown << " cells differ";
    return result;
}

using PopupCommand = bool (*)(CharMap&);
using Change = std::function<void(CharMap& expected, const CharMap& before)>;

struct PopupCase {
    const char* name;
    PopupCommand command;
    int width, height, px, py;
    Change change;  // what the command does to the map; empty for nothing
};

void Zero(CharMap& m, int x, int y) {
    m.at(x, y) = 0;
}

const PopupCase kPopupCases[] = {
    // Insert char: cells px..W-1 of row py move right, the last into the spare column.
    {"insert char at the last active column", InsertChar, 40, 24, 39, 5,
     [](CharMap& e, const CharMap& b) {
         e.at(40, 5) = b.at(39, 5);
         Zero(e, 39, 5);
     }},
    {"insert char inside the row", InsertChar, 40, 24, 10, 5,
     [](CharMap& e, const CharMap& b) {
         for (int x = 11; x <= 40; ++x)
             e.at(x, 5) = b.at(x - 1, 5);
         Zero(e, 10, 5);
     }},
    {"insert char at the last column of the largest map", InsertChar, 80, 50, 79, 49,
     [](CharMap& e, const CharMap& b) {
         e.at(80, 49) = b.at(79, 49);
         Zero(e, 79, 49);
     }},
    {"insert char in the spare column", InsertChar, 40, 24, 40, 3,
     [](CharMap& e, const CharMap&) { Zero(e, 40, 3); }},
    {"insert char beyond the area", InsertChar, 32, 24, 60, 45,
     [](CharMap& e, const CharMap&) { Zero(e, 60, 45); }},
    {"insert char at the array's last cell", InsertChar, 40, 24, 80, 50,
     [](CharMap& e, const CharMap&) { Zero(e, 80, 50); }},
    // Delete char: cells px+1..W (the spare column read) move left, cell W-1 becomes 0.
    {"delete char at the last active column", DeleteChar, 40, 24, 39, 7,
     [](CharMap& e, const CharMap&) { Zero(e, 39, 7); }},
    {"delete char inside the row", DeleteChar, 40, 24, 10, 7,
     [](CharMap& e, const CharMap& b) {
         for (int x = 10; x <= 38; ++x)
             e.at(x, 7) = b.at(x + 1, 7);
         Zero(e, 39, 7);
     }},
    {"delete char at column 0 of the largest map", DeleteChar, 80, 50, 0, 50,
     [](CharMap& e, const CharMap& b) {
         for (int x = 0; x <= 78; ++x)
             e.at(x, 50) = b.at(x + 1, 50);
         Zero(e, 79, 50);
     }},
    {"delete char beyond the area clears the last active cell", DeleteChar, 40, 24, 50, 7,
     [](CharMap& e, const CharMap&) { Zero(e, 39, 7); }},
    {"delete char beyond the area and below it", DeleteChar, 32, 24, 70, 40,
     [](CharMap& e, const CharMap&) { Zero(e, 31, 40); }},
    // Insert row: rows py..H-1 move down over columns 0..W, the last into the spare row.
    {"insert row at row 0", InsertRow, 40, 24, 12, 0,
     [](CharMap& e, const CharMap& b) {
         for (int y = 1; y <= 24; ++y)
             for (int x = 0; x <= 40; ++x)
                 e.at(x, y) = b.at(x, y - 1);
         for (int x = 0; x <= 40; ++x)
             Zero(e, x, 0);
     }},
    {"insert row at the last row of the largest map", InsertRow, 80, 50, 0, 49,
     [](CharMap& e, const CharMap& b) {
         for (int x = 0; x <= 80; ++x) {
             e.at(x, 50) = b.at(x, 49);
             Zero(e, x, 49);
         }
     }},
    {"insert row at the spare row clears it", InsertRow, 40, 24, 70, 24,
     [](CharMap& e, const CharMap&) {
         for (int x = 0; x <= 40; ++x)
             Zero(e, x, 24);
     }},
    {"insert row below the spare row", InsertRow, 40, 24, 3, 25, {}},
    // Delete row: rows py+1..H-1 move up, row H-1 becomes 0, the spare row is left alone.
    {"delete row at the last active row", DeleteRow, 40, 24, 0, 23,
     [](CharMap& e, const CharMap&) {
         for (int x = 0; x <= 40; ++x)
             Zero(e, x, 23);
     }},
    {"delete row at row 0", DeleteRow, 64, 30, 70, 0,
     [](CharMap& e, const CharMap& b) {
         for (int y = 0; y <= 28; ++y)
             for (int x = 0; x <= 64; ++x)
                 e.at(x, y) = b.at(x, y + 1);
         for (int x = 0; x <= 64; ++x)
             Zero(e, x, 29);
     }},
    {"delete row at the spare row", DeleteRow, 40, 24, 5, 24, {}},
    {"delete row beyond the area", DeleteRow, 80, 50, 80, 50, {}},
    // Insert column: columns px..W-1 move right over rows 0..H, the last into the spare column.
    {"insert column at column 0", InsertColumn, 40, 24, 0, 9,
     [](CharMap& e, const CharMap& b) {
         for (int x = 1; x <= 40; ++x)
             for (int y = 0; y <= 24; ++y)
                 e.at(x, y) = b.at(x - 1, y);
         for (int y = 0; y <= 24; ++y)
             Zero(e, 0, y);
     }},
    {"insert column at the last column of the largest map", InsertColumn, 80, 50, 79, 0,
     [](CharMap& e, const CharMap& b) {
         for (int y = 0; y <= 50; ++y) {
             e.at(80, y) = b.at(79, y);
             Zero(e, 79, y);
         }
     }},
    {"insert column at the spare column clears it", InsertColumn, 32, 24, 32, 40,
     [](CharMap& e, const CharMap&) {
         for (int y = 0; y <= 24; ++y)
             Zero(e, 32, y);
     }},
    {"insert column beyond the spare column", InsertColumn, 32, 24, 33, 0, {}},
    // Delete column: columns px+1..W-1 move left, column W-1 becomes 0, the spare one stays.
    {"delete column at the last active column", DeleteColumn, 40, 24, 39, 2,
     [](CharMap& e, const CharMap&) {
         for (int y = 0; y <= 24; ++y)
             Zero(e, 39, y);
     }},
    {"delete column inside", DeleteColumn, 40, 24, 5, 50,
     [](CharMap& e, const CharMap& b) {
         for (int x = 5; x <= 38; ++x)
             for (int y = 0; y <= 24; ++y)
                 e.at(x, y) = b.at(x + 1, y);
         for (int y = 0; y <= 24; ++y)
             Zero(e, 39, y);
     }},
    {"delete column at the spare column", DeleteColumn, 40, 24, 40, 2, {}},
    {"delete column beyond the area", DeleteColumn, 40, 24, 80, 0, {}},
};

TEST(MapPopupCommands, ChangeExactlyTheirCells) {
    for (const PopupCase& c : kPopupCases) {
        SCOPED_TRACE(c.name);
        CharMap map = Patterned(c.width, c.height);
        const CharMap before = map;
        CharMap expected = before;
        if (c.change) c.change(expected, before);
        map.PopupCellX = c.px;
        map.PopupCellY = c.py;
        EXPECT_TRUE(c.command(map));
        EXPECT_TRUE(SameCells(map, expected));
        EXPECT_EQ(map.PopupCellX, -1);
        EXPECT_EQ(map.PopupCellY, -1);
        EXPECT_EQ(map.MapWidth, c.width);
        EXPECT_EQ(map.MapHeight, c.height);
    }
}

TEST(MapPopupCommands, DoNothingWithoutAPopupCell) {
    for (PopupCommand command :
         {InsertChar, DeleteChar, InsertRow, DeleteRow, InsertColumn, DeleteColumn})
        for (auto [px, py] : {std::pair{-1, -1}, std::pair{-1, 5}, std::pair{5, -1}}) {
            CharMap map = Patterned(40, 24);
            const CharMap before = map;
            map.PopupCellX = px;
            map.PopupCellY = py;
            EXPECT_FALSE(command(map));
            EXPECT_TRUE(SameCells(map, before));
        }
}

TEST(MapSize, ChangingItMovesAndClearsNothing) {
    CharMap map;
    InitCharMap(map);
    SetMapSize(map, 32, 24);
    ASSERT_TRUE(PaintMapCell(map, 31, 23, 200));
    SetMapSize(map, 80, 50);
    SetMapSize(map, 32, 24);
    EXPECT_EQ(map.at(31, 23), 200);
    for (auto [w, h] :
         {std::pair{32, 24}, std::pair{40, 24}, std::pair{80, 50}, std::pair{64, 30}}) {
        SetMapSize(map, w, h);
        EXPECT_EQ(map.MapWidth, w);
        EXPECT_EQ(map.MapHeight, h);
    }
}

TEST(FillMap, FillsTheActiveAreaOnly) {
    CharMap map;
    InitCharMap(map);
    FillMap(map, 65);
    SetMapSize(map, 80, 50);
    for (int y = 0; y < CharMap::kRows; ++y)
        for (int x = 0; x < CharMap::kColumns; ++x)
            ASSERT_EQ(map.at(x, y), x < 40 && y < 24 ? 65 : x + y) << x << "," << y;
}

TEST(PaintMapCell, ReachesTheSpareColumnAndRowAndNoFurther) {
    const struct {
        int width, height, x, y;
        bool painted;
    } cases[] = {
        {32, 24, 0, 0, true},     {32, 24, 31, 23, true},    {32, 24, 32, 0, true},
        {32, 24, 0, 24, true},    {32, 24, 32, 24, true},    {32, 24, 33, 0, false},
        {32, 24, 0, 25, false},   {32, 24, -1, 0, false},    {32, 24, 0, -1, false},
        {80, 50, 80, 50, true},   {80, 50, 81, 50, false},   {80, 50, 80, 51, false},
        {40, 24, 1000, 3, false}, {40, 24, 3, -1000, false},
    };
    for (const auto& c : cases) {
        CharMap map = Patterned(c.width, c.height);
        const CharMap before = map;
        EXPECT_EQ(PaintMapCell(map, c.x, c.y, 7), c.painted) << c.x << "," << c.y;
        CharMap expected = before;
        if (c.painted) expected.at(c.x, c.y) = 7;
        EXPECT_TRUE(SameCells(map, expected));
    }
}

}  // namespace
}  // namespace pixlore
