#include "charset/glyph_ops.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "charset/range.h"

namespace pixlore {
namespace {

using Glyph = std::array<std::uint8_t, kGlyphBytes>;

Glyph Transformed(Glyph glyph, GlyphOp op, int times = 1) {
    for (int i = 0; i < times; ++i)
        TransformGlyph(glyph.data(), op);
    return glyph;
}

Charset RandomCharset(unsigned seed) {
    std::mt19937 random(seed);
    Charset charset;
    for (auto& byte : charset)
        byte = static_cast<std::uint8_t>(random());
    return charset;
}

Glyph GlyphOf(const Charset& charset, int code) {
    Glyph glyph;
    std::copy_n(GlyphAt(charset, code), kGlyphBytes, glyph.begin());
    return glyph;
}

// Neither symmetric nor periodic, so every transform changes it.
constexpr Glyph kLopsided = {0x80, 0xC0, 0x60, 0x31, 0x02, 0x00, 0x0F, 0x01};

TEST(BitReverse, ReversesTheEightBits) {
    EXPECT_EQ(BitReverse()[1], 128u);
    EXPECT_EQ(BitReverse()[0x0F], 0xF0u);
    EXPECT_EQ(BitReverse()[0xA0], 5u);
    EXPECT_EQ(BitReverse()[0x81], 0x81u);
    for (unsigned i = 0; i < 256; ++i) {
        unsigned mirrored = 0;
        for (int bit = 0; bit < 8; ++bit)
            if (i & (1u << bit)) mirrored |= 0x80u >> bit;
        EXPECT_EQ(BitReverse()[i], mirrored) << i;
    }
}

TEST(TransformGlyph, RowExamples) {
    struct Case {
        GlyphOp op;
        std::uint8_t before, after;
    };
    const Case cases[] = {
        {GlyphOp::ShiftLeft, 128, 1},           {GlyphOp::ShiftLeft, 0x81, 0x03},
        {GlyphOp::ShiftLeft, 0x40, 0x80},       {GlyphOp::ShiftRight, 1, 128},
        {GlyphOp::ShiftRight, 0x81, 0xC0},      {GlyphOp::ShiftRight, 0x02, 0x01},
        {GlyphOp::RevertLeftRight, 0xF0, 0x0F}, {GlyphOp::RevertLeftRight, 0x81, 0x81},
        {GlyphOp::RevertLeftRight, 0x18, 0x18}, {GlyphOp::RevertLeftRight, 0x01, 0x80},
        {GlyphOp::Invert, 0x00, 0xFF},          {GlyphOp::Invert, 0xA5, 0x5A},
        {GlyphOp::Clear, 0xFF, 0x00},
    };
    for (const Case& c : cases) {
        Glyph glyph;
        glyph.fill(c.before);
        Glyph expected;
        expected.fill(c.after);
        EXPECT_EQ(Transformed(glyph, c.op), expected)
            << "op " << int(c.op) << " on " << int(c.before);
    }
}

TEST(TransformGlyph, RowMoves) {
    const Glyph topOnly = {0x3C, 0, 0, 0, 0, 0, 0, 0};
    const Glyph bottomOnly = {0, 0, 0, 0, 0, 0, 0, 0x3C};
    EXPECT_EQ(Transformed(topOnly, GlyphOp::ShiftUp), bottomOnly);
    EXPECT_EQ(Transformed(bottomOnly, GlyphOp::ShiftDown), topOnly);
    EXPECT_EQ(Transformed(topOnly, GlyphOp::RevertUpDown), bottomOnly);

    const Glyph counting = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(Transformed(counting, GlyphOp::ShiftUp), (Glyph{2, 3, 4, 5, 6, 7, 8, 1}));
    EXPECT_EQ(Transformed(counting, GlyphOp::ShiftDown), (Glyph{8, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Transformed(counting, GlyphOp::RevertUpDown), (Glyph{8, 7, 6, 5, 4, 3, 2, 1}));
}

// Each transform changes a lopsided glyph and comes back to it after its period: two for the
// mirrors and the inversion, eight for the wrapping shifts.
TEST(TransformGlyph, PeriodsRestoreTheGlyph) {
    struct Case {
        GlyphOp op;
        int period;
    };
    const Case cases[] = {
        {GlyphOp::Invert, 2},    {GlyphOp::RevertLeftRight, 2}, {GlyphOp::RevertUpDown, 2},
        {GlyphOp::ShiftLeft, 8}, {GlyphOp::ShiftRight, 8},      {GlyphOp::ShiftUp, 8},
        {GlyphOp::ShiftDown, 8},
    };
    for (const Case& c : cases) {
        for (int times = 1; times < c.period; ++times)
            EXPECT_NE(Transformed(kLopsided, c.op, times), kLopsided)
                << "op " << int(c.op) << " x" << times;
        EXPECT_EQ(Transformed(kLopsided, c.op, c.period), kLopsided) << "op " << int(c.op);
    }
    EXPECT_EQ(Transformed(Transformed(kLopsided, GlyphOp::ShiftLeft), GlyphOp::ShiftRight),
              kLopsided);
    EXPECT_EQ(Transformed(Transformed(kLopsided, GlyphOp::ShiftUp), GlyphOp::ShiftDown), kLopsided);
}

TEST(ApplyGlyphOperation, TouchesOnlyTheTargetGlyphs) {
    const Charset before = RandomCharset(1);
    for (int op = 0; op < 8; ++op)
        for (int code : {0, 100, 255}) {
            Charset charset = before;
            ApplyGlyphOperation(charset, GlyphOp(op), code, code);
            for (int n = 0; n < kGlyphCount; ++n) {
                const Glyph expected =
                    n == code ? Transformed(GlyphOf(before, n), GlyphOp(op)) : GlyphOf(before, n);
                ASSERT_EQ(GlyphOf(charset, n), expected) << "op " << op << " code " << code;
            }
        }
}

// The track bars may stand in either order; both ends are included.
TEST(ApplyGlyphOperation, RangeGivenBackwards) {
    const Charset before = RandomCharset(2);
    struct Case {
        int begin, end, low, high;
    };
    for (const Case c :
         {Case{70, 65, 65, 70}, Case{65, 70, 65, 70}, Case{65, 65, 65, 65}, Case{255, 0, 0, 255}}) {
        Charset charset = before;
        const CodeRange range = RangeBetween(c.begin, c.end);
        ApplyGlyphOperation(charset, GlyphOp::ShiftLeft, range.low, range.high);
        int changed = 0;
        for (int n = 0; n < kGlyphCount; ++n) {
            const bool inRange = n >= c.low && n <= c.high;
            const Glyph expected =
                inRange ? Transformed(GlyphOf(before, n), GlyphOp::ShiftLeft) : GlyphOf(before, n);
            EXPECT_EQ(GlyphOf(charset, n), expected) << c.begin << ".." << c.end << " glyph " << n;
            changed += inRange;
        }
        EXPECT_EQ(changed, c.high - c.low + 1);
    }
}

TEST(InsertGlyph, MovesTheRestUpAndLosesGlyph255) {
    const Charset before = RandomCharset(3);
    for (int code : {0, 1, 128, 254, 255}) {
        Charset charset = before;
        InsertGlyph(charset, code);
        for (int n = 0; n < kGlyphCount; ++n) {
            Glyph expected{};
            if (n < code) expected = GlyphOf(before, n);
            if (n > code) expected = GlyphOf(before, n - 1);
            ASSERT_EQ(GlyphOf(charset, n), expected) << "insert at " << code << ", glyph " << n;
        }
    }
}

TEST(DeleteGlyph, MovesTheRestDownAndEmptiesGlyph255) {
    const Charset before = RandomCharset(4);
    for (int code : {0, 1, 128, 254, 255}) {
        Charset charset = before;
        DeleteGlyph(charset, code);
        for (int n = 0; n < kGlyphCount; ++n) {
            Glyph expected{};
            if (n < code) expected = GlyphOf(before, n);
            if (n >= code && n < 255) expected = GlyphOf(before, n + 1);
            ASSERT_EQ(GlyphOf(charset, n), expected) << "delete at " << code << ", glyph " << n;
        }
    }
}

TEST(InsertGlyph, ThenDeleteRestoresAllButGlyph255) {
    const Charset before = RandomCharset(5);
    for (int code : {0, 37, 254, 255}) {
        Charset charset = before;
        InsertGlyph(charset, code);
        DeleteGlyph(charset, code);
        Charset expected = before;
        std::fill_n(GlyphAt(expected, 255), kGlyphBytes, 0);
        EXPECT_EQ(charset, expected) << code;
    }
}

TEST(EraseAllCharset, ZeroesEveryByte) {
    Charset charset = RandomCharset(6);
    EraseAllCharset(charset);
    EXPECT_EQ(charset, Charset{});
}

TEST(PaintGlyphPixel, SetsAndClearsOneBitInsideTheGlyph) {
    struct Case {
        int column, row;
        int offset;  // of the byte changed
        std::uint8_t bit;
    };
    const Case inside[] = {
        {0, 0, 0, 0x80}, {7, 0, 0, 0x01}, {2, 6, 6, 0x20}, {7, 7, 7, 0x01}, {0, 7, 7, 0x80}};
    const Charset before = RandomCharset(7);
    for (const Case& c : inside) {
        for (bool ink : {true, false}) {
            Charset charset = before;
            EXPECT_TRUE(PaintGlyphPixel(charset, 200, c.column, c.row, ink));
            Charset expected = before;
            std::uint8_t& byte = expected[200 * kGlyphBytes + c.offset];
            byte = ink ? (byte | c.bit) : (byte & ~c.bit);
            EXPECT_EQ(charset, expected) << c.column << "," << c.row << " ink " << ink;
        }
    }
    for (auto [column, row] : {std::pair{-1, 0}, {8, 0}, {0, -1}, {0, 8}, {8, 8}, {-1, -1}}) {
        Charset charset = before;
        EXPECT_FALSE(PaintGlyphPixel(charset, 255, column, row, true)) << column << "," << row;
        EXPECT_EQ(charset, before) << column << "," << row;
    }
}

}  // namespace
}  // namespace pixlore
