#include "history/history.h"

#include <gtest/gtest.h>

#include <random>

namespace pixlore {
namespace {

Document Sample(unsigned seed) {
    std::mt19937 random(seed);
    Document d;
    for (auto& b : d.charset)
        b = static_cast<std::uint8_t>(random());
    for (auto& c : d.cells)
        c = static_cast<std::int32_t>(random() & 0xFF);
    d.palette = {static_cast<Colour>(random() & 0xFFFFFF),
                 static_cast<Colour>(random() & 0xFFFFFF)};
    return d;
}

TEST(History, UndoAndRedoRestoreEveryKindOfChange) {
    const Document start = Sample(1);
    Document glyphs = start;
    glyphs.charset[0] ^= 0x80;
    glyphs.charset[2047] = 0;
    Document colours = glyphs;
    colours.palette = {0xEB6D70, 0x9B2C2E};
    Document cells = colours;
    cells.cells[0] = 255;
    cells.cells.back() = 7;  // the last spare cell counts too

    History history;
    EXPECT_TRUE(history.record(start, glyphs));
    EXPECT_TRUE(history.record(glyphs, colours));
    EXPECT_TRUE(history.record(colours, cells));

    Document d = cells;
    ASSERT_TRUE(history.undo(d));
    EXPECT_EQ(d, colours);
    ASSERT_TRUE(history.undo(d));
    EXPECT_EQ(d, glyphs);
    ASSERT_TRUE(history.undo(d));
    EXPECT_EQ(d, start);
    EXPECT_FALSE(history.undo(d));
    EXPECT_EQ(d, start);

    ASSERT_TRUE(history.redo(d));
    ASSERT_TRUE(history.redo(d));
    ASSERT_TRUE(history.redo(d));
    EXPECT_EQ(d, cells);
    EXPECT_FALSE(history.redo(d));
}

TEST(History, NothingChangedRecordsNoStep) {
    History history;
    const Document d = Sample(2);
    EXPECT_FALSE(history.record(d, d));
    EXPECT_FALSE(history.canUndo());
}

TEST(History, ANewChangeDiscardsTheRedoSteps) {
    History history;
    Document a = Sample(3), b = a, c = a;
    b.charset[5] ^= 1;
    c.cells[9] ^= 1;
    history.record(a, b);
    Document d = b;
    history.undo(d);
    history.record(a, c);
    EXPECT_FALSE(history.canRedo());
    d = c;
    history.undo(d);
    EXPECT_EQ(d, a);
    EXPECT_FALSE(history.canUndo());
}

TEST(History, KeepsAThousandStepsInOrderAndDropsTheOldest) {
    History history;
    std::vector<Document> states{Sample(4)};
    for (int i = 0; i < 1005; ++i) {
        Document next = states.back();
        next.charset[i % 2048] ^= 0xFF;
        next.cells[i % next.cells.size()] = i & 0xFF;
        history.record(states.back(), next);
        states.push_back(next);
    }
    EXPECT_EQ(history.size(), 1000u);
    Document d = states.back();
    for (int i = 1004; i >= 5; --i) {
        ASSERT_TRUE(history.undo(d));
        ASSERT_EQ(d, states[i]) << "after undoing to state " << i;
    }
    EXPECT_FALSE(history.undo(d));
}

TEST(History, StoresOnlyWhatChanged) {
    History history;
    Document a = Sample(5), b = a;
    for (int i = 0; i < 1000; ++i) {
        b.charset[100] ^= 1;
        history.record(a, b);
        a = b;
    }
    // A thousand one-pixel steps cost far less than a thousand snapshots of 18 KiB.
    EXPECT_LT(history.bytes(), 1000u * 200u);
}

}  // namespace
}  // namespace pixlore
