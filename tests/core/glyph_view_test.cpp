#include "views/glyph_view.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "reference_views.h"

namespace pixlore {
namespace {

using Glyph = std::array<std::uint8_t, 8>;

// The enlarged glyph as its layout describes it: dotted lines along x, y = 0, 16, ..., 112
// (white on even, black on odd coordinates), then 15 x 15 ink squares with a paper line on
// their right and bottom.
Colour ExpectedGlyphPixel(const Glyph& glyph, Palette palette, int x, int y) {
    if (x % 16 == 0) return y % 2 == 0 ? kWhite : kBlack;
    if (y % 16 == 0) return x % 2 == 0 ? kWhite : kBlack;
    if (x % 16 == 15 || y % 16 == 15) return palette.PaperColor;
    return glyph[y / 16] & (0x80 >> (x / 16)) ? palette.InkColor : palette.PaperColor;
}

void ExpectGlyphView(const Glyph& glyph, Palette palette) {
    std::mt19937 random(21);
    Image surface = reference::Noise(kGlyphViewSize, kGlyphViewSize, random);
    RenderGlyphImage(surface, glyph.data(), palette);
    for (int y = 0; y < kGlyphViewSize; ++y)
        for (int x = 0; x < kGlyphViewSize; ++x)
            ASSERT_EQ(surface.colourAt(x, y), ExpectedGlyphPixel(glyph, palette, x, y))
                << "at " << x << "," << y << ", first byte " << int(glyph[0]);
}

TEST(RenderGlyphImage, FullGlyphShowsSixtyFourSquaresBetweenTheLines) {
    Glyph full;
    full.fill(0xFF);
    const Palette palette{0x00336699, 0x00CC0011};
    ExpectGlyphView(full, palette);

    // Spelled out: paper lines at 15, 31, ..., 127 and dotted lines at 0, 16, ..., 112,
    // white where they cross.
    Image surface(kGlyphViewSize, kGlyphViewSize);
    RenderGlyphImage(surface, full.data(), palette);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(surface.colourAt(16 * i + 15, 40), palette.PaperColor);
        EXPECT_EQ(surface.colourAt(40, 16 * i + 15), palette.PaperColor);
        EXPECT_EQ(surface.colourAt(16 * i, 16 * i), kWhite);
        EXPECT_EQ(surface.colourAt(16 * i, 16 * i + 1), kBlack);
        EXPECT_EQ(surface.colourAt(16 * i + 1, 16 * i), kBlack);
        EXPECT_EQ(surface.colourAt(16 * i + 7, 16 * i + 7), palette.InkColor);
    }
    EXPECT_EQ(surface.colourAt(127, 127), palette.PaperColor);
    EXPECT_EQ(surface.colourAt(127, 0), kBlack);  // dotted row 0 reaches the right edge
}

TEST(RenderGlyphImage, MatchesTheLayoutForAnyGlyphAndColours) {
    std::mt19937 random(22);
    ExpectGlyphView(Glyph{}, Palette{});
    ExpectGlyphView(Glyph{0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x66, 0x00}, Palette{});
    for (int round = 0; round < 6; ++round) {
        Glyph glyph;
        for (auto& b : glyph)
            b = static_cast<std::uint8_t>(random());
        ExpectGlyphView(glyph,
                        Palette{reference::RandomColour(random), reference::RandomColour(random)});
    }
}

// Byte 0 = 0x80 alone: only the top-left square is inked, with the dotted grid over its first
// column and row; with the default colours only black dots show on ink.
TEST(RenderGlyphImage, TopLeftPixelAlone) {
    const Glyph glyph = {0x80, 0, 0, 0, 0, 0, 0, 0};
    Image surface(kGlyphViewSize, kGlyphViewSize);
    RenderGlyphImage(surface, glyph.data(), Palette{});
    int ink = 0;
    for (int y = 1; y < kGlyphViewSize; ++y)
        for (int x = 1; x < kGlyphViewSize; ++x)
            if (x % 16 && y % 16) ink += surface.colourAt(x, y) == kWhite;
    EXPECT_EQ(ink, 14 * 14);
    for (int t = 1; t < 15; ++t) {
        EXPECT_EQ(surface.colourAt(t, t), kWhite) << t;
        EXPECT_EQ(surface.colourAt(0, t), t % 2 ? kBlack : kWhite) << t;
        EXPECT_EQ(surface.colourAt(15, t), kBlack) << t;
        EXPECT_EQ(surface.colourAt(t, 15), kBlack) << t;
    }
}

TEST(GlyphDataText, ListsTheRowsAsUnsignedDecimals) {
    struct Case {
        Glyph glyph;
        const char* text;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 0, 0, 0}, "0,0,0,0,0,0,0,0"},
        {{0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x66, 0x00}, "24,60,102,126,102,102,102,0"},
        {{0x80, 0, 0, 0, 0, 0, 0, 0x7F}, "128,0,0,0,0,0,0,127"},
        {{255, 255, 255, 255, 255, 255, 255, 255}, "255,255,255,255,255,255,255,255"},
        {{1, 10, 100, 200, 9, 99, 199, 0}, "1,10,100,200,9,99,199,0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GlyphDataText(c.glyph.data()), c.text);
    EXPECT_EQ(GlyphDataText(cases[3].glyph.data()).size(), 31u);
}

}  // namespace
}  // namespace pixlore
