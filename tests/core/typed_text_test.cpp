// Typed text: the code of a character in each set, the text cursor's way through the map, and
// a typed run undone as one step.
#include <gtest/gtest.h>

#include "charmap/map_typing.h"
#include "charset/text_codes.h"
#include "history/history.h"

namespace pixlore {
namespace {

constexpr int kNone = -1;

TEST(TypedText, WellKnownCodes) {
    using enum TextCodes;
    struct Row {
        TextCodes set;
        char32_t c;
        int code;
    } rows[] = {
        {Windows1252, U'A', 65},
        {Windows1252, U'€', 0x80},
        {Windows1252, U'é', 0xE9},
        {Windows1252, U'ÿ', 255},
        {Windows1252, U'\u0081', kNone},
        {Windows1252, U'Я', kNone},
        {Ibm866, U'А', 0x80},
        {Ibm866, U'а', 0xA0},
        {Ibm866, U'р', 0xE0},
        {Ibm866, U'Ё', 0xF0},
        {Ibm866, U'─', 0xC4},
        {Ibm866, U'é', kNone},
        {C64Screen, U'@', 0},
        {C64Screen, U'A', 1},
        {C64Screen, U'a', 1},
        {C64Screen, U' ', 32},
        {C64Screen, U'£', 28},
        {C64Screen, U'_', kNone},
        {AtariScreen, U' ', 0},
        {AtariScreen, U'A', 33},
        {AtariScreen, U'0', 16},
        {AtariScreen, U'a', 97},
        {AtariScreen, U'♥', 64},
        {AtariScreen, U'~', kNone},
        {Zx80Zx81, U' ', 0},
        {Zx80Zx81, U'0', 28},
        {Zx80Zx81, U'A', 38},
        {Zx80Zx81, U'z', 63},
        {Zx80Zx81, U'!', kNone},
        {Microsha, U'Ю', 96},
        {Microsha, U'А', 97},
        {Microsha, U'я', 113},
        {Microsha, U'a', 65},
        {Microsha, U'Ъ', kNone},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "set " << static_cast<int>(r.set) << " U+" << std::hex
                                        << static_cast<std::uint32_t>(r.c));
        const auto code = CodeOfCharacter(r.set, r.c);
        EXPECT_EQ(code ? *code : kNone, r.code);
    }
}

// On a 3 x 2 map: keys are codes to type, \b Backspace, \n Return, and L R U D the arrows.
// The spare column and row are shown too, and must never be written.
TEST(TypedText, CursorGoesThroughTheAreaAsThroughLines) {
    struct Row {
        Cell start;
        const char* keys;
        const char* cells;
        Cell end;
    } rows[] = {
        {{0, 0}, "abc", "abc.|....|....", {0, 1}},       {{1, 1}, "xyz", "....|.xz.|....", {2, 1}},
        {{0, 1}, "\b", ".._.|....|....", {2, 0}},        {{0, 0}, "\b", "....|....|....", {0, 0}},
        {{1, 0}, "\n\na", "....|a...|....", {1, 1}},     {{3, 2}, "q", "....|..q.|....", {2, 1}},
        {{1, 0}, "LLUqRRRDD", "q...|....|....", {2, 1}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "keys \"" << r.keys << "\"");
        CharMap map;
        map.cells.fill('.');
        SetMapSize(map, 3, 2);
        Cell cursor = r.start;
        for (const char* k = r.keys; *k; ++k) {
            const int dx = (*k == 'R') - (*k == 'L'), dy = (*k == 'D') - (*k == 'U');
            if (*k == '\b')
                TypeBackspace(map, cursor, '_');
            else if (*k == '\n')
                TypeReturn(map, cursor);
            else if (dx || dy)
                MoveTextCursor(map, cursor, dx, dy);
            else
                TypeCode(map, cursor, *k);
        }
        std::string cells;
        for (int y = 0; y < 3; ++y) {
            if (y > 0) cells += '|';
            for (int x = 0; x < 4; ++x)
                cells += static_cast<char>(map.at(x, y));
        }
        EXPECT_EQ(cells, r.cells);
        EXPECT_EQ(cursor, r.end);
    }
}

// Cell 0 goes 0, 1, 2, 3; extending joins a change to the step before it.
TEST(TypedText, ARunIsOneStep) {
    struct Row {
        bool extend[3];
        std::size_t steps;
        int afterOneUndo;
    } rows[] = {
        {{false, true, true}, 1, 0}, {{false, false, true}, 2, 1}, {{true, false, false}, 3, 2}};
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.extend[0] << r.extend[1] << r.extend[2]);
        History history;
        Document d;
        for (int i = 0; i < 3; ++i) {
            Document next = d;
            next.cells[0] = i + 1;
            history.record(d, next, r.extend[i]);
            d = next;
        }
        EXPECT_EQ(history.size(), r.steps);
        history.undo(d);
        EXPECT_EQ(d.cells[0], r.afterOneUndo);
        while (history.redo(d)) {
        }
        EXPECT_EQ(d.cells[0], 3);
    }
}

}  // namespace
}  // namespace pixlore
