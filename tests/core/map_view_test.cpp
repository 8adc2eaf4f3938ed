#include "views/map_view.h"

#include <gtest/gtest.h>

#include <random>

#include "reference_views.h"

namespace pixlore {
namespace {

CharMap RandomMap(std::mt19937& random, int width, int height) {
    CharMap map;
    for (auto& cell : map.cells)
        cell = static_cast<std::int32_t>(random() & 0xFF);
    map.MapWidth = width;
    map.MapHeight = height;
    return map;
}

// Every size draws its active area exactly as the block-by-block picture, and leaves the rest
// of the canvas as it was: the white of a new canvas, an earlier larger map, outlines.
TEST(RenderCharMapImage, MatchesTheBlockByBlockPictureAtEverySize) {
    std::mt19937 random(31);
    const std::pair<int, int> sizes[] = {{32, 24}, {40, 24}, {80, 50}, {64, 30}, {1, 1},
                                         {80, 1},  {1, 50},  {17, 33}, {79, 49}};
    const Image noise = reference::Noise(kMapCanvasWidth, kMapCanvasHeight, random);
    for (auto [width, height] : sizes) {
        const Charset charset = reference::RandomCharset(random);
        const Palette palette{reference::RandomColour(random), reference::RandomColour(random)};
        const CharMap map = RandomMap(random, width, height);
        Image surface = noise;
        RenderCharMapImage(surface, map, charset, palette);
        Image expected = noise;
        reference::CharMapImage(expected, map, charset, palette);
        ASSERT_EQ(surface, expected) << width << " x " << height;
    }
}

TEST(RenderCharMapImage, ShowsTheGlyphOfEachCellsCode) {
    Charset charset{};
    charset[65 * 8 + 2] = 0x40;  // one pixel of glyph 65: column 1, row 2
    CharMap map;
    InitCharMap(map);
    map.at(3, 5) = 65;
    Image surface(kMapCanvasWidth, kMapCanvasHeight, kWhite);
    RenderCharMapImage(surface, map, charset, Palette{0x0000FF, 0x00FF00});
    for (int y = 0; y < kMapCanvasHeight; ++y)
        for (int x = 0; x < kMapCanvasWidth; ++x) {
            Colour expected = kWhite;
            if (x < 640 && y < 384) {
                const bool ink = x >= 48 + 2 && x < 48 + 4 && y >= 80 + 4 && y < 80 + 6;
                expected = ink ? 0x0000FF : 0x00FF00;
            }
            ASSERT_EQ(surface.colourAt(x, y), expected) << x << "," << y;
        }
}

// Hovering accepts the active area plus the spare column and row just beyond it; positions
// -15..-1 truncate to cell 0.
TEST(MapHoverCell, AcceptsTheSpareColumnAndRow) {
    struct Case {
        int width, height, x, y;
        bool accepted;
        int cx, cy;
    };
    const Case cases[] = {
        {32, 24, 0, 0, true, 0, 0},        {32, 24, 47, 20, true, 2, 1},
        {32, 24, 512, 100, true, 32, 6},   {32, 24, 527, 100, true, 32, 6},
        {32, 24, 528, 100, false, 0, 0},   {32, 24, 100, 384, true, 6, 24},
        {32, 24, 100, 399, true, 6, 24},   {32, 24, 100, 400, false, 0, 0},
        {32, 24, 527, 399, true, 32, 24},  {32, 24, -15, -1, true, 0, 0},
        {32, 24, -16, 5, false, 0, 0},     {32, 24, 5, -16, false, 0, 0},
        {80, 50, 1295, 815, true, 80, 50}, {80, 50, 1296, 10, false, 0, 0},
        {1, 1, 31, 31, true, 1, 1},        {1, 1, 32, 0, false, 0, 0},
    };
    for (const Case& c : cases) {
        CharMap map;
        map.MapWidth = c.width;
        map.MapHeight = c.height;
        const auto cell = MapHoverCell(map, c.x, c.y);
        ASSERT_EQ(cell.has_value(), c.accepted) << c.x << "," << c.y << " on " << c.width;
        if (cell) {
            EXPECT_EQ(*cell, (Cell{c.cx, c.cy})) << c.x << "," << c.y;
        }
    }
}

TEST(DrawMapHoverOutline, FramesTheCellInRed) {
    for (Cell cell : {Cell{2, 1}, Cell{0, 0}, Cell{32, 24}, Cell{80, 50}}) {
        Image surface(kMapCanvasWidth, kMapCanvasHeight, kWhite);
        DrawMapHoverOutline(surface, cell);
        int red = 0;
        for (int y = 16 * cell.y - 1; y <= 16 * cell.y + 16; ++y)
            for (int x = 16 * cell.x - 1; x <= 16 * cell.x + 16; ++x) {
                if (x < 0 || y < 0 || x >= kMapCanvasWidth || y >= kMapCanvasHeight) continue;
                const int dx = x - 16 * cell.x, dy = y - 16 * cell.y;
                const bool frame = dx >= 0 && dx < 16 && dy >= 0 && dy < 16 &&
                                   (dx == 0 || dy == 0 || dx == 15 || dy == 15);
                EXPECT_EQ(surface.colourAt(x, y), frame ? kMapHoverColour : kWhite)
                    << x << "," << y;
                red += frame;
            }
        // Off the canvas (cell 80 or row 50) the frame is clipped away.
        EXPECT_EQ(red, cell.x < 80 && cell.y < 50 ? 60 : 0);
    }
    EXPECT_EQ(PixelOf(kMapHoverColour), 0xFFFF0000u);
}

TEST(MapHoverTitle, NamesTheCellAndItsCode) {
    CharMap map;
    InitCharMap(map);
    map.at(3, 5) = 65;
    map.at(80, 50) = 255;
    EXPECT_EQ(MapHoverTitle(map, {3, 5}), "Character map (3,5):65");
    EXPECT_EQ(MapHoverTitle(map, {0, 0}), "Character map (0,0):0");
    EXPECT_EQ(MapHoverTitle(map, {2, 1}), "Character map (2,1):3");
    EXPECT_EQ(MapHoverTitle(map, {40, 24}), "Character map (40,24):64");
    EXPECT_EQ(MapHoverTitle(map, {80, 50}), "Character map (80,50):255");
}

}  // namespace
}  // namespace pixlore
