#include "charset/range.h"

#include <gtest/gtest.h>

namespace pixlore {
namespace {

// Every glyph distinct: row r of glyph n holds n + 37 * r.
Charset NumberedCharset() {
    Charset charset{};
    for (int n = 0; n < kGlyphCount; ++n)
        for (int r = 0; r < kGlyphBytes; ++r)
            GlyphAt(charset, n)[r] = static_cast<std::uint8_t>(n + 37 * r);
    return charset;
}

bool SameGlyph(const Charset& a, int n, const Charset& b, int m) {
    return std::equal(GlyphAt(a, n), GlyphAt(a, n) + kGlyphBytes, GlyphAt(b, m));
}

TEST(RangePositionText, PositionAndFromCode32ItsCharacter) {
    const struct {
        int position;
        const char* text;
    } cases[] = {
        {0, "0"},     {10, "10"},          {31, "31"},          {32, "32: "},
        {65, "65:A"}, {128, "128:\u20AC"}, {255, "255:\u00FF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RangePositionText(c.position), c.text);
    EXPECT_EQ("BeginRange:" + RangePositionText(65), "BeginRange:65:A");
}

TEST(CopyRangeToCurrent, CurrentInsideTheRangeIsAnErrorAndCopiesNothing) {
    for (auto [a, b] : {std::pair{70, 65}, std::pair{65, 70}})
        for (int current : {65, 67, 70}) {
            Charset charset = NumberedCharset();
            EXPECT_EQ(CopyRangeToCurrent(charset, RangeBetween(a, b), current),
                      RangeCopyResult::CurrentInsideRange)
                << current;
            EXPECT_EQ(charset, NumberedCharset());
        }
    // Both track bars at their start: the range is code 0 alone.
    Charset charset = NumberedCharset();
    EXPECT_EQ(CopyRangeToCurrent(charset, RangeBetween(0, 0), 0),
              RangeCopyResult::CurrentInsideRange);
}

TEST(CopyRangeToCurrent, CopiesTheRangeToCurrentOnward) {
    const struct {
        int current;
        int copied;  // glyphs written: current .. current + copied - 1
    } cases[] = {
        {64, 6},   // overlaps the range from below
        {71, 6},   // right after it
        {0, 6},    // far below
        {252, 4},  // stops at 255
        {255, 1},
    };
    for (auto [a, b] : {std::pair{70, 65}, std::pair{65, 70}})
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << "current " << c.current << " bars " << a << "," << b);
            const Charset before = NumberedCharset();
            Charset charset = before;
            ASSERT_EQ(CopyRangeToCurrent(charset, RangeBetween(a, b), c.current),
                      RangeCopyResult::Copied);
            for (int n = 0; n < kGlyphCount; ++n) {
                const int offset = n - c.current;
                if (offset >= 0 && offset < c.copied)
                    EXPECT_TRUE(SameGlyph(charset, n, before, 65 + offset)) << "glyph " << n;
                else
                    EXPECT_TRUE(SameGlyph(charset, n, before, n)) << "glyph " << n;
            }
        }
}

}  // namespace
}  // namespace pixlore
