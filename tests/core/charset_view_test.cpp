#include "views/charset_view.h"

#include <gtest/gtest.h>

#include <random>

#include "reference_views.h"

namespace pixlore {
namespace {

bool CursorPixel(const Selection& s, int x, int y) {
    const int dx = x - 16 * s.CurrentColumn, dy = y - 16 * s.CurrentRow;
    return dx >= 0 && dx < 16 && dy >= 0 && dy < 16 && (dx + dy) % 2 == 1;
}

bool FramePixel(int left, int top, int x, int y) {
    const bool inside = x >= left && x < left + 16 && y >= top && y < top + 16;
    return inside && (x == left || x == left + 15 || y == top || y == top + 15);
}

// The charset picture with the cursor plotted over it, pixel by pixel.
Image WithCursor(const Image& charsetImage, const Selection& selection) {
    Image expected = charsetImage;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            if (CursorPixel(selection, x, y)) expected.row(y)[x] = PixelOf(kCursorColour);
    return expected;
}

void ExpectSameImage(const Image& actual, const Image& expected, const std::string& what) {
    ASSERT_EQ(actual.width(), expected.width()) << what;
    ASSERT_EQ(actual.height(), expected.height()) << what;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            ASSERT_EQ(actual.colourAt(x, y), expected.colourAt(x, y))
                << what << " at " << x << "," << y;
}

Selection SelectionAt(int code) {
    return {static_cast<std::uint8_t>(code), code % 16, code / 16};
}

TEST(RenderCharsetImage, MatchesTheBlockByBlockPicture) {
    std::mt19937 random(11);
    for (int round = 0; round < 8; ++round) {
        const Charset charset = reference::RandomCharset(random);
        const Palette palette{reference::RandomColour(random), reference::RandomColour(random)};
        Image image = reference::Noise(256, 256, random);
        RenderCharsetImage(image, charset, palette);
        ExpectSameImage(image, reference::CharsetImage(charset, palette),
                        "round " + std::to_string(round));
    }
    Charset full;
    full.fill(0xFF);
    Image image(256, 256, kWhite);
    RenderCharsetImage(image, Charset{}, Palette{});
    EXPECT_EQ(image, Image(256, 256, kBlack));
    RenderCharsetImage(image, full, Palette{0x123456, 0});
    EXPECT_EQ(image, Image(256, 256, 0x123456));
}

// One set pixel lands on exactly one 2 x 2 block: catches swapped axes and a wrong bit order.
TEST(RenderCharsetImage, PlacesEachGlyphPixel) {
    struct Case {
        int code, row;
        std::uint8_t bits;
        int x, y;  // top-left of the block
    };
    for (const Case c : {Case{0, 0, 0x80, 0, 0}, Case{1, 0, 0x80, 16, 0}, Case{16, 0, 0x80, 0, 16},
                         Case{0, 0, 0x01, 14, 0}, Case{0, 7, 0x80, 0, 14},
                         Case{255, 7, 0x01, 254, 254}, Case{65, 3, 0x20, 16 + 4, 64 + 6}}) {
        Charset charset{};
        charset[c.code * 8 + c.row] = c.bits;
        Image image(256, 256);
        RenderCharsetImage(image, charset, Palette{0x0000FF, 0x00FF00});
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const bool ink = x >= c.x && x < c.x + 2 && y >= c.y && y < c.y + 2;
                ASSERT_EQ(image.colourAt(x, y), ink ? 0x0000FFu : 0x00FF00u)
                    << "glyph " << c.code << " at " << x << "," << y;
            }
    }
}

TEST(DrawCharsetCursor, PaintsHalfTheCellAsACheckerboard) {
    for (int code : {0, 255, 37}) {
        const Selection selection = SelectionAt(code);
        Image surface(256, 256, 0x00445566);
        DrawCharsetCursor(surface, selection);
        int painted = 0;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const bool cursor = CursorPixel(selection, x, y);
                ASSERT_EQ(surface.colourAt(x, y), cursor ? kCursorColour : 0x00445566u)
                    << "code " << code << " at " << x << "," << y;
                painted += cursor;
            }
        EXPECT_EQ(painted, 128);
        EXPECT_EQ(surface.colourAt(16 * (code % 16), 16 * (code / 16)), 0x00445566u);
        EXPECT_EQ(surface.colourAt(16 * (code % 16) + 15, 16 * (code / 16) + 15), 0x00445566u);
    }
}

struct CanvasCase {
    int x, y;            // pointer
    int frameX, frameY;  // top-left of the expected outline
};

TEST(ShowCharsetHover, OutlinesTheCellUnderThePointer) {
    std::mt19937 random(12);
    const Charset charset = reference::RandomCharset(random);
    Image charsetImage(256, 256);
    RenderCharsetImage(charsetImage, charset, Palette{});
    const Selection selection = SelectionAt(18);
    const CanvasCase cases[] = {
        {17, 40, 16, 32}, {255, 255, 240, 240}, {0, 0, 0, 0},       {-15, -15, 0, 0},
        {-16, 5, -16, 0}, {256, 10, 256, 0},    {40, 300, 32, 288}, {34, 17, 32, 16},
    };
    for (const CanvasCase& c : cases) {
        Image surface = reference::Noise(256, 256, random);
        ShowCharsetHover(surface, charsetImage, selection, c.x, c.y);
        Image expected = WithCursor(charsetImage, selection);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                if (FramePixel(c.frameX, c.frameY, x, y))
                    expected.row(y)[x] = PixelOf(kHoverColour);
        ExpectSameImage(surface, expected,
                        "pointer " + std::to_string(c.x) + "," + std::to_string(c.y));
    }
}

// Over the current cell the green ring covers the cursor's outer pixels; the checkerboard
// shows inside it.
TEST(ShowCharsetHover, FramesTheCursorCell) {
    Image charsetImage(256, 256, kBlack);
    Image surface(256, 256);
    ShowCharsetHover(surface, charsetImage, SelectionAt(0), 8, 8);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool ring = x == 0 || y == 0 || x == 15 || y == 15;
            const Colour expected = ring ? kHoverColour : (x + y) % 2 ? kCursorColour : kBlack;
            ASSERT_EQ(surface.colourAt(x, y), expected) << x << "," << y;
        }
}

TEST(ShowDragPreview, HangsTheSourceCellFromThePointerUnderARedFrame) {
    std::mt19937 random(13);
    const Charset charset = reference::RandomCharset(random);
    Image charsetImage(256, 256);
    RenderCharsetImage(charsetImage, charset, Palette{0x00FFFF, 0x550000});
    const Selection selection = SelectionAt(0);
    // The pointer's own position, not snapped; the frame snaps to the cell under it. Cell -1
    // lies wholly off the surface.
    const CanvasCase cases[] = {
        {100, 50, 96, 48},    {4, 4, 0, 0},         {-10, -10, 0, 0},     {-16, 8, -16, 0},
        {250, 251, 240, 240}, {-40, -40, -32, -32}, {300, 300, 288, 288},
    };
    for (int source : {33, 0, 255})
        for (const CanvasCase& c : cases) {
            Drag drag;
            drag.DragState = 1;
            drag.DragSource = source;
            Image surface = reference::Noise(256, 256, random);
            ShowDragPreview(surface, charsetImage, selection, drag, c.x, c.y);
            Image expected = WithCursor(charsetImage, selection);
            for (int y = 0; y < 256; ++y)
                for (int x = 0; x < 256; ++x) {
                    const int i = x - c.x, j = y - c.y;
                    if (i >= 0 && i < 16 && j >= 0 && j < 16)
                        expected.row(y)[x] =
                            charsetImage.row(16 * (source / 16) + j)[16 * (source % 16) + i];
                    if (FramePixel(c.frameX, c.frameY, x, y))
                        expected.row(y)[x] = PixelOf(kDropTargetColour);
                }
            ExpectSameImage(surface, expected,
                            "source " + std::to_string(source) + " pointer " + std::to_string(c.x) +
                                "," + std::to_string(c.y));
        }
}

}  // namespace
}  // namespace pixlore
