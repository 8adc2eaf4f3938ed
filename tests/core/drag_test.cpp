#include "charset/drag.h"

#include <gtest/gtest.h>

namespace pixlore {
namespace {

Charset NumberedCharset() {
    Charset charset{};
    for (int n = 0; n < kGlyphCount; ++n)
        for (int r = 0; r < kGlyphBytes; ++r)
            GlyphAt(charset, n)[r] = static_cast<std::uint8_t>(n ^ (r << 5));
    return charset;
}

bool SameGlyph(const Charset& a, int n, const Charset& b, int m) {
    return std::equal(GlyphAt(a, n), GlyphAt(a, n) + kGlyphBytes, GlyphAt(b, m));
}

// The middle of the cell of code n on the canvas surface.
int X(int n) {
    return 16 * (n % 16) + 8;
}
int Y(int n) {
    return 16 * (n / 16) + 8;
}

bool DragCode(Drag& drag, Charset& charset, int from, int to, DropMode mode) {
    StartDrag(drag, X(from), Y(from));
    return EndDrag(drag, charset, X(to), Y(to), mode);
}

TEST(Drag, SwapAOntoBThenBOntoARestoresBoth) {
    for (auto [a, b] : {std::pair{65, 66}, std::pair{0, 255}, std::pair{15, 16}}) {
        const Charset before = NumberedCharset();
        Charset charset = before;
        Drag drag;
        ASSERT_TRUE(DragCode(drag, charset, a, b, DropMode::Swap));
        EXPECT_TRUE(SameGlyph(charset, a, before, b));
        EXPECT_TRUE(SameGlyph(charset, b, before, a));
        EXPECT_EQ(drag.DragState, 0);
        EXPECT_EQ(drag.DragSource, a);
        EXPECT_EQ(drag.DragTarget, b);
        ASSERT_TRUE(DragCode(drag, charset, b, a, DropMode::Swap));
        EXPECT_EQ(charset, before);
    }
}

TEST(Drag, CopyLeavesTheSourceAndChangesOnlyTheTarget) {
    const Charset before = NumberedCharset();
    Charset charset = before;
    Drag drag;
    ASSERT_TRUE(DragCode(drag, charset, 200, 3, DropMode::Copy));
    for (int n = 0; n < kGlyphCount; ++n)
        EXPECT_TRUE(SameGlyph(charset, n, before, n == 3 ? 200 : n)) << n;
}

TEST(Drag, AReleaseOnItsOwnCellOrOffTheGridChangesNothing) {
    const struct {
        int x, y;
    } releases[] = {
        {X(18), Y(18)},         // its own cell
        {16 * 2 + 15, 16 * 1},  // its own cell, other corner
        {-16, Y(18)},           // column -1
        {X(18), -16},           // row -1
        {256, Y(18)},           // column 16, the canvas border
        {X(18), 257},           // row 16
        {-16, 20},              // column -1 of row 1: row * 16 + column is 15, a real code
        {256, 0},               // column 16 of row 0: row * 16 + column is 16, a real code
        {5000, -5000},
    };
    for (DropMode mode : {DropMode::Copy, DropMode::Swap})
        for (const auto& r : releases) {
            const Charset before = NumberedCharset();
            Charset charset = before;
            Drag drag;
            StartDrag(drag, X(18), Y(18));
            EXPECT_FALSE(EndDrag(drag, charset, r.x, r.y, mode)) << r.x << "," << r.y;
            EXPECT_EQ(charset, before);
            EXPECT_EQ(drag.DragState, 0);
        }
}

TEST(Drag, AReleaseUpTo15PixelsOutsideCountsAsTheEdgeCell) {
    const Charset before = NumberedCharset();
    Charset charset = before;
    Drag drag;
    StartDrag(drag, X(100), Y(100));
    ASSERT_TRUE(EndDrag(drag, charset, -10, 16 * 3 + 1, DropMode::Copy));
    EXPECT_EQ(drag.DragTarget, 48);
    EXPECT_TRUE(SameGlyph(charset, 48, before, 100));
    StartDrag(drag, X(100), Y(100));
    ASSERT_TRUE(EndDrag(drag, charset, 16 * 5, -15, DropMode::Copy));
    EXPECT_TRUE(SameGlyph(charset, 5, before, 100));
}

TEST(Drag, APressDuringADragKeepsTheFirstSource) {
    const Charset before = NumberedCharset();
    Charset charset = before;
    Drag drag;
    StartDrag(drag, X(10), Y(10));
    StartDrag(drag, X(20), Y(20));
    EXPECT_EQ(drag.DragSource, 10);
    ASSERT_TRUE(EndDrag(drag, charset, X(30), Y(30), DropMode::Copy));
    EXPECT_TRUE(SameGlyph(charset, 30, before, 10));
    EXPECT_TRUE(SameGlyph(charset, 20, before, 20));
}

TEST(Drag, AReleaseWithoutADragDoesNothing) {
    const Charset before = NumberedCharset();
    Charset charset = before;
    Drag drag;
    EXPECT_FALSE(EndDrag(drag, charset, X(1), Y(1), DropMode::Swap));
    ASSERT_TRUE(DragCode(drag, charset, 1, 2, DropMode::Swap));
    // The drag has ended: a second release is not a second drop.
    EXPECT_FALSE(EndDrag(drag, charset, X(3), Y(3), DropMode::Swap));
    EXPECT_TRUE(SameGlyph(charset, 3, before, 3));
}

TEST(Drag, APressPastTheLastCellStartsNothing) {
    // Column 16 of row 0 would otherwise name glyph 16, a glyph the user never pressed on.
    const Charset before = NumberedCharset();
    Charset charset = before;
    Drag drag;
    StartDrag(drag, 257, 4);
    EXPECT_EQ(drag.DragState, 0);
    EXPECT_FALSE(EndDrag(drag, charset, X(40), Y(40), DropMode::Copy));
    EXPECT_EQ(charset, before);
}

}  // namespace
}  // namespace pixlore
