// The three views against literal renders (the charset grid with its cursor and mouse frames,
// the enlarged glyph, the map), and their redraws of what changed against full redraws; and
// the character map's edits.
#include <algorithm>
#include <functional>
#include <random>

#include "charmap/charmap.h"
#include "support.h"
#include "views/charset_display.h"
#include "views/charset_view.h"
#include "views/glyph_display.h"
#include "views/glyph_view.h"
#include "views/map_display.h"
#include "views/map_view.h"

namespace pixlore {
namespace {

using namespace testing;

const Palette kPalette{0x336699, 0xCC0011};

// The charset picture in kPalette with the cursor's checkerboard on the current cell, if any:
// dx + dy odd.
Image CharsetCanvas(const Charset& charset, int current = -1) {
    Image image(256, 256);
    DrawCells(image, 16, 16, charset, kPalette, [](int x, int y) { return 16 * y + x; });
    for (int i = 0; current >= 0 && i < 256; ++i)
        if ((i % 16 + i / 16) % 2)
            SetPixel(image, current % 16 * 16 + i % 16, current / 16 * 16 + i / 16, kCursorColour);
    return image;
}

// The grid; the cursor; the hover frame round the cell under the pointer; and while dragging,
// the dragged cell hanging from the pointer itself, under a frame round the cell below.
TEST(CharsetView, PictureCursorHoverAndDrag) {
    const Charset charset = CharsetOf(Pattern(2048, 11));
    Image picture(256, 256, kWhite), plain = CharsetCanvas(charset);
    RenderCharsetImage(picture, charset, kPalette);
    ASSERT_TRUE(Same(picture, plain));
    const Selection selection{37, 5, 2};
    const int pointers[][4] = {{17, 40, 1, 2},    {255, 255, 15, 15}, {-15, -15, 0, 0},
                               {85, 37, 5, 2},    {-16, 5, -1, 0},    {256, 10, 16, 0},
                               {-40, -40, -2, -2}};
    for (auto [x, y, cellX, cellY] : pointers) {
        Image surface(256, 256, kWhite), expected = CharsetCanvas(charset, 37);
        ComposeCharsetCanvas(surface, picture, selection);
        EXPECT_TRUE(Same(surface, expected));
        ShowCharsetHover(surface, picture, selection, x, y);
        OutlineRect(expected, 16 * cellX, 16 * cellY, 16, 16, kHoverColour);
        EXPECT_TRUE(Same(surface, expected)) << x << "," << y;
        for (int source : {0, 200, 255}) {
            ShowDragPreview(surface, picture, selection, {1, source, 0}, x, y);
            expected = CharsetCanvas(charset, 37);
            DrawImage(expected, CopyRect(plain, source % 16 * 16, source / 16 * 16, 16, 16), x, y);
            OutlineRect(expected, 16 * cellX, 16 * cellY, 16, 16, kDropTargetColour);
            EXPECT_TRUE(Same(surface, expected)) << x << "," << y << " from " << source;
        }
    }
}

// Dotted lines along x, y = 0, 16, ..., 112, white on even and black on odd coordinates, over
// 15 x 15 squares of ink or paper with a paper line right of and below each.
TEST(GlyphView, EnlargedGlyph) {
    const std::uint8_t glyph[8] = {128, 192, 96, 49, 2, 0, 15, 1};
    Image surface(128, 128, 0x123456), expected(128, 128);
    RenderGlyphImage(surface, glyph, kPalette);
    for (int i = 0; i < 128 * 128; ++i) {
        const int x = i % 128, y = i / 128;
        const bool ink = x % 16 < 15 && y % 16 < 15 && glyph[y / 16] & (0x80 >> (x / 16));
        Colour c = ink ? kPalette.InkColor : kPalette.PaperColor;
        if (x % 16 == 0) c = y % 2 ? kBlack : kWhite;
        if (y % 16 == 0) c = x % 2 ? kBlack : kWhite;
        SetPixel(expected, x, y, c);
    }
    EXPECT_TRUE(Same(surface, expected));
}

// The active area cell by cell, whatever lies beyond it left as it was; the pointer hovers
// over the active area and the spare column and row.
TEST(MapView, CellsAndHover) {
    std::mt19937 random(31);
    Image noise(kMapCanvasWidth, kMapCanvasHeight);
    for (int i = 0; i < 1280 * 800; ++i)
        noise.data()[i] = 0xFF000000 | static_cast<Pixel>(random());
    for (auto [width, height] : {std::pair{40, 24}, {80, 50}, {1, 1}, {17, 33}}) {
        CharMap map;
        for (auto& cell : map.cells)
            cell = static_cast<std::int32_t>(random() & 0xFF);
        SetMapSize(map, width, height);
        const Charset charset = CharsetOf(Pattern(2048, width));
        Image surface = noise, expected = noise;
        RenderCharMapImage(surface, map, charset, kPalette);
        DrawCells(expected, width, height, charset, kPalette,
                  [&](int x, int y) { return map.at(x, y); });
        EXPECT_TRUE(Same(surface, expected)) << width << " x " << height;
    }
    CharMap map;
    SetMapSize(map, 32, 24);
    const int rows[][4] = {{0, 0, 0, 0},      {47, 20, 2, 1},    {527, 399, 32, 24},
                           {528, 100, -1, 0}, {100, 400, -1, 0}, {-15, -1, 0, 0},
                           {-16, 5, -1, 0},   {5, -16, -1, 0}};
    for (auto [x, y, cellX, cellY] : rows)
        EXPECT_EQ(MapHoverCell(map, x, y).value_or(Cell{-1, 0}), (Cell{cellX, cellY}))
            << x << "," << y;
    Image surface(48, 32, kWhite), expected = surface;
    DrawMapHoverOutline(surface, {2, 1});
    OutlineRect(expected, 32, 16, 16, 16, kMapHoverColour);
    EXPECT_TRUE(Same(surface, expected));
}

// The redraws that draw only what changed, against full redraws: after every step of a random
// run each surface is the full redraw's picture, and so is a screen that was given only the
// areas the redraw reported, as the toolkit gives them.
template <class Display>
struct Canvas {
    Display display;
    Image surface, screen, full;
    Canvas(int w, int h) : surface(w, h, kWhite), screen(surface), full(surface) {}
    void present(const Damage& damage) {
        for (const Rect& r : damage)
            DrawImage(screen, CopyRect(surface, r.x, r.y, r.w, r.h), r.x, r.y);
        ASSERT_EQ(surface, full);
        ASSERT_EQ(screen, full);
    }
};

TEST(Displays, DrawWhatFullRedrawsDrawAndReportIt) {
    std::mt19937 random(15);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    Charset charset{};
    Palette palette;
    CharMap map;
    InitCharMap(map);
    Selection selection;
    Cell hover;
    std::optional<Cell> typing;
    CharsetFeedback feedback;
    Canvas<MapDisplay> mapped(kMapCanvasWidth, kMapCanvasHeight);
    Canvas<CharsetDisplay> grid(256, 256);
    Canvas<GlyphDisplay> glyph(128, 128);
    Image picture(256, 256), fullPicture(256, 256);
    for (int step = 0; step < 600; ++step) {
        SCOPED_TRACE(::testing::Message() << "step " << step);
        const int k = pick(10), x = pick(300) - 30, y = pick(300) - 30, code = x & 0xFF;
        const Cell cell{pick(map.MapWidth), pick(map.MapHeight)};
        if (k == 0) charset[8 * (pick(2) ? code : feedback.dragSource) + pick(8)] ^= 1 << pick(8);
        if (k == 1) std::ranges::for_each(charset, [&](auto& row) { row ^= pick(9) ? 0 : 0xFF; });
        if (k == 2) PaintMapCell(map, x / 4, y / 6, pick(256));
        if (k == 3) SetMapSize(map, 1 + pick(CharMap::kMaxWidth), 1 + pick(CharMap::kMaxHeight));
        if (k == 4 && pick(10) == 0) palette.InkColor = random() & 0xFFFFFF;
        if (k == 5) selection = {static_cast<std::uint8_t>(code), code % 16, code / 16};
        if (k == 6) hover = Cell{pick(2) ? x / 4 : hover.x, y / 6};
        if (k == 7) feedback = {feedback.kind, pick(2) ? x : feedback.x, y, feedback.dragSource};
        if (k == 8) feedback = {CharsetFeedback::Kind(pick(3)), feedback.x, feedback.y, code};
        // Something drawn over a cell of the map, handed back for redrawing.
        if (k == 9) FillRect(mapped.surface, 16 * cell.x, 16 * cell.y, 16, 16, 0x123456);
        if (k == 9) mapped.display.markStale(cell, cell);
        if (k == 9 || k == 6) typing = pick(3) ? std::optional(pick(2) ? cell : hover) : typing;
        if (k == 4) typing.reset();
        const std::optional<Cell> outline = pick(2) ? std::optional(hover) : std::nullopt;
        RenderCharMapImage(mapped.full, map, charset, palette);
        if (typing) DrawMapTextCursor(mapped.full, *typing);
        if (outline) DrawMapHoverOutline(mapped.full, *outline);
        mapped.present(
            mapped.display.update(mapped.surface, map, charset, palette, outline, typing));
        RenderCharsetImage(fullPicture, charset, palette);
        DrawCharsetFrame(grid.full, fullPicture, selection, feedback, {0, 0, 256, 256});
        grid.display.renderPicture(picture, charset, palette);
        ASSERT_EQ(picture, fullPicture);
        grid.present(grid.display.showFrame(grid.surface, picture, selection, feedback));
        RenderGlyphImage(glyph.full, GlyphAt(charset, selection.CurrentChar), palette);
        glyph.present(
            glyph.display.update(glyph.surface, GlyphAt(charset, selection.CurrentChar), palette));
        if (HasFatalFailure()) return;
    }
}

// The character map's edits on a map whose cells (0..5, 0..4) show as letters, row after row:
// "abcdef ghijkl mnopqr stuvwx yzABCD". On a 4 x 3 map they are the active area, the spare
// column and row, and a column and row beyond. Other cells that change follow as "x,y:code".
CharMap Lettered(int width, int height) {
    CharMap map;
    for (int i = 0; i < CharMap::kColumns * CharMap::kRows; ++i)
        map.cells[i] = i % 81 < 6 && i / 81 < 5 ? i / 81 * 6 + i % 81 + 1 : i * 7 & 0xFF;
    SetMapSize(map, width, height);
    return map;
}

std::string Shown(const CharMap& map) {
    const CharMap before = Lettered(1, 1);
    std::string shown = std::to_string(map.MapWidth) + "x" + std::to_string(map.MapHeight);
    for (int i = 0; i < CharMap::kColumns * CharMap::kRows; ++i) {
        const int x = i % 81, y = i / 81, code = map.cells[i];
        if (x < 6 && y < 5)
            shown +=
                std::string(x == 0, ' ') + ".abcdefghijklmnopqrstuvwxyzABCD#"[std::min(code, 31)];
        if ((x >= 6 || y >= 5) && code != before.cells[i])
            shown += " " + std::to_string(x) + "," + std::to_string(y) + ":" + std::to_string(code);
    }
    return shown;
}

std::function<void(CharMap&)> Popup(bool (*command)(CharMap&), int x, int y) {
    return [=](CharMap& map) {
        map.PopupCellX = x, map.PopupCellY = y;
        EXPECT_EQ(command(map), x >= 0 && y >= 0);
        EXPECT_EQ(map.PopupCellX + map.PopupCellY, x >= 0 && y >= 0 ? -2 : x + y);
    };
}

TEST(CharMap, Edits) {
    const struct {
        int width, height;
        std::function<void(CharMap&)> edit;
        const char* after;
    } rows[] = {
        {4, 3, Popup(InsertChar, 1, 1), "4x3 abcdef g.hijl mnopqr stuvwx yzABCD"},
        {4, 3, Popup(InsertChar, 4, 1), "4x3 abcdef ghij.l mnopqr stuvwx yzABCD"},
        {80, 50, Popup(InsertChar, 79, 49),
         "80x50 abcdef ghijkl mnopqr stuvwx yzABCD 79,49:0 80,49:176"},
        {4, 3, Popup(DeleteChar, 1, 1), "4x3 abcdef gij.kl mnopqr stuvwx yzABCD"},
        {80, 50, Popup(DeleteChar, 78, 50),
         "80x50 abcdef ghijkl mnopqr stuvwx yzABCD 78,50:231 79,50:0"},
        {4, 3, Popup(InsertRow, 0, 1), "4x3 abcdef .....l ghijkr mnopqx yzABCD"},
        {4, 3, Popup(InsertRow, 0, 4), "4x3 abcdef ghijkl mnopqr stuvwx yzABCD"},
        {4, 3, Popup(DeleteRow, 0, 1), "4x3 abcdef mnopql .....r stuvwx yzABCD"},
        {4, 3, Popup(DeleteRow, 0, 3), "4x3 abcdef ghijkl mnopqr stuvwx yzABCD"},
        {4, 3, Popup(InsertColumn, 1, 2), "4x3 a.bcdf g.hijl m.nopr s.tuvx yzABCD"},
        {4, 3, Popup(InsertColumn, 5, 0), "4x3 abcdef ghijkl mnopqr stuvwx yzABCD"},
        {4, 3, Popup(DeleteColumn, 1, 4), "4x3 acd.ef gij.kl mop.qr suv.wx yzABCD"},
        {4, 3, Popup(DeleteColumn, 80, 0), "4x3 abcdef ghijkl mnopqr stuvwx yzABCD"},
        {4, 3, Popup(InsertRow, -1, 2), "4x3 abcdef ghijkl mnopqr stuvwx yzABCD"},
        {4, 3, Popup(DeleteColumn, 2, -1), "4x3 abcdef ghijkl mnopqr stuvwx yzABCD"},
        // Painting reaches the spare column and row and no further; fill covers the active
        // area; a size changes nothing else, and only the four sizes of screens are taken.
        {4, 3, [](CharMap& m) { PaintMapCell(m, 2, 1, 259); },
         "4x3 abcdef ghcjkl mnopqr stuvwx yzABCD"},
        {4, 3, [](CharMap& m) { PaintMapCell(m, 4, 3, 3); },
         "4x3 abcdef ghijkl mnopqr stuvcx yzABCD"},
        {4, 3,
         [](CharMap& m) { EXPECT_FALSE(PaintMapCell(m, 5, 0, 3) || PaintMapCell(m, 0, 4, 3)); },
         "4x3 abcdef ghijkl mnopqr stuvwx yzABCD"},
        {4, 3, [](CharMap& m) { FillMap(m, 256 + 5); }, "4x3 eeeeef eeeekl eeeeqr stuvwx yzABCD"},
        {4, 3, [](CharMap& m) { SetMapSize(m, 80, 50); },
         "80x50 abcdef ghijkl mnopqr stuvwx yzABCD"},
        {4, 3, [](CharMap& m) { SetMapSize(m, 81, 50), SetMapSize(m, 0, 3), SetMapSize(m, 8, 51); },
         "4x3 abcdef ghijkl mnopqr stuvwx yzABCD"},
    };
    for (const auto& r : rows) {
        CharMap map = Lettered(r.width, r.height);
        r.edit(map);
        EXPECT_EQ(Shown(map), r.after);
    }
}

}  // namespace
}  // namespace pixlore
