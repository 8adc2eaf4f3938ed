#include "views/image.h"

#include <gtest/gtest.h>

#include <functional>

namespace pixlore {
namespace {

constexpr Colour kMark = 0x00A1B2C3;
constexpr Colour kGround = 0x00102030;

// Checks every pixel of a small image against a predicate telling where kMark must be.
void ExpectMarked(const Image& image, const std::function<bool(int, int)>& marked,
                  const char* what) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.colourAt(x, y), marked(x, y) ? kMark : kGround)
                << what << " at " << x << "," << y;
}

TEST(Pixel, ImagesHoldRgbWhileColoursHoldBgr) {
    EXPECT_EQ(PixelOf(0x0000FF), 0xFFFF0000u);  // red
    EXPECT_EQ(PixelOf(0x00FF00), 0xFF00FF00u);
    EXPECT_EQ(PixelOf(0xFF0000), 0xFF0000FFu);  // blue
    EXPECT_EQ(PixelOf(0x7FFF00), 0xFF00FF7Fu);
    for (Colour c : {0x000000u, 0xFFFFFFu, 0x123456u, 0xEB6D70u})
        EXPECT_EQ(ColourOf(PixelOf(c)), c);
}

TEST(FillRect, IsClippedAtEveryEdge) {
    struct Case {
        int x, y, w, h;
        int x0, y0, x1, y1;  // the marked part, half-open
    };
    const Case cases[] = {
        {2, 3, 4, 2, 2, 3, 6, 5},    {-3, -2, 5, 4, 0, 0, 2, 2}, {6, 5, 10, 10, 6, 5, 8, 7},
        {-5, 1, 100, 1, 0, 1, 8, 2}, {0, 0, 8, 7, 0, 0, 8, 7},   {8, 0, 3, 3, 0, 0, 0, 0},
        {0, 7, 3, 3, 0, 0, 0, 0},    {-3, 0, 3, 3, 0, 0, 0, 0},  {2, 2, 0, 3, 0, 0, 0, 0},
        {2, 2, -3, 3, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Image image(8, 7, kGround);
        FillRect(image, c.x, c.y, c.w, c.h, kMark);
        ExpectMarked(
            image, [&](int x, int y) { return x >= c.x0 && x < c.x1 && y >= c.y0 && y < c.y1; },
            "fill");
    }
}

// The frame is rows y and y + h - 1 over the full width, and columns x and x + w - 1 between
// them; nothing inside.
TEST(OutlineRect, DrawsTheOnePixelFrameOnly) {
    struct Case {
        int x, y, w, h;
    };
    for (const Case c : {Case{1, 1, 5, 4}, Case{0, 0, 20, 16}, Case{3, 2, 1, 1}, Case{3, 2, 2, 2},
                         Case{2, 1, 1, 5}, Case{1, 3, 6, 1}, Case{-2, -1, 5, 4}, Case{4, 3, 16, 16},
                         Case{-16, 0, 16, 16}, Case{0, 20, 16, 16}}) {
        Image image(12, 9, kGround);
        OutlineRect(image, c.x, c.y, c.w, c.h, kMark);
        ExpectMarked(
            image,
            [&](int x, int y) {
                const bool inside = x >= c.x && x < c.x + c.w && y >= c.y && y < c.y + c.h;
                const bool edge = x == c.x || x == c.x + c.w - 1 || y == c.y || y == c.y + c.h - 1;
                return inside && edge;
            },
            "outline");
    }
}

TEST(SetPixel, IgnoresPointsOutside) {
    Image image(4, 3, kGround);
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 3}, {4, 3}, {-1, -1}})
        SetPixel(image, x, y, kMark);
    EXPECT_EQ(image, Image(4, 3, kGround));
    SetPixel(image, 3, 2, kMark);
    ExpectMarked(
        image, [](int x, int y) { return x == 3 && y == 2; }, "pixel");
}

TEST(DrawImage, CopiesOpaqueUnscaledAndClipped) {
    // A source whose every pixel is different, so a misplaced copy shows.
    Image source(5, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            source.row(y)[x] = PixelOf(RgbColour(10 * x, 10 * y, 200));
    for (auto [dx, dy] : {std::pair{0, 0}, {3, 2}, {-2, -1}, {6, 5}, {-4, 4}, {9, 0}, {0, -4}}) {
        Image target(9, 7, kGround);
        DrawImage(target, source, dx, dy);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x) {
                const bool covered = x >= dx && x < dx + 5 && y >= dy && y < dy + 4;
                const Colour expected = covered ? source.colourAt(x - dx, y - dy) : kGround;
                ASSERT_EQ(target.colourAt(x, y), expected)
                    << dx << "," << dy << " at " << x << "," << y;
            }
    }
}

TEST(CopyRect, TakesTheSubRectangle) {
    Image source(6, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            source.row(y)[x] = PixelOf(RgbColour(x + 1, y + 1, 7));
    const Image part = CopyRect(source, 2, 3, 3, 2);
    ASSERT_EQ(part.width(), 3);
    ASSERT_EQ(part.height(), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(part.colourAt(x, y), RgbColour(x + 3, y + 4, 7));
    // What lies beyond the source comes out black.
    const Image edge = CopyRect(source, 5, -1, 2, 2);
    EXPECT_EQ(edge.colourAt(0, 0), kBlack);
    EXPECT_EQ(edge.colourAt(1, 1), kBlack);
    EXPECT_EQ(edge.colourAt(0, 1), RgbColour(6, 1, 7));
}

TEST(Image, NegativeSizesAreEmpty) {
    const Image image(-3, 5);
    EXPECT_TRUE(image.empty());
    EXPECT_EQ(image.width(), 0);
    EXPECT_EQ(image.height(), 0);
    EXPECT_TRUE(CopyRect(Image(4, 4), 0, 0, -1, 16).empty());
}

}  // namespace
}  // namespace pixlore
