#include "history/history.h"

#include "support.h"

namespace pixlore {
namespace {

// Undo and redo walk the steps back and forth, whatever each changed: glyphs, colours or
// cells, the last spare cell too; nothing changed is no step; a new step drops what could be
// redone; beyond the depth the oldest steps go.
TEST(History, UndoRedoAndDepth) {
    std::vector<Document> states(5);
    states[1].charset[2047] = 1;
    states[2] = states[1], states[2].palette = {0xEB6D70, 0x9B2C2E};
    states[3] = states[2], states[3].cells.back() = 7;
    states[4] = states[1], states[4].cells[0] = 9;
    History history(2);
    EXPECT_FALSE(history.record(states[0], states[0]));
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(history.record(states[i - 1], states[i]));
    Document d = states[3];
    for (int i : {2, 1})
        EXPECT_TRUE(history.undo(d) && d == states[i]) << i;
    EXPECT_FALSE(history.undo(d));
    for (int i : {2, 3})
        EXPECT_TRUE(history.redo(d) && d == states[i]) << i;
    history.undo(d), history.undo(d);
    history.record(states[1], states[4]);
    EXPECT_FALSE(history.redo(d));
    d = states[4];
    EXPECT_TRUE(history.undo(d) && d == states[1]);
}

}  // namespace
}  // namespace pixlore
