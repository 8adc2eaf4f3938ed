// The redraws that draw only what changed, against full redraws: after every step of a random
// run each surface is the full redraw's picture, and so is a screen that was given only the
// areas the redraw reported, as the toolkit gives them.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "views/charset_display.h"
#include "views/glyph_display.h"
#include "views/glyph_view.h"
#include "views/map_display.h"
#include "views/map_view.h"

namespace pixlore {
namespace {

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
    Canvas<MapDisplay> mapCanvas(kMapCanvasWidth, kMapCanvasHeight);
    Canvas<CharsetDisplay> charsetCanvas(256, 256);
    Canvas<GlyphDisplay> glyph(128, 128);
    Image picture(256, 256), fullPicture(256, 256);
    for (int step = 0; step < 600; ++step) {
        SCOPED_TRACE(testing::Message() << "step " << step);
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
        if (k == 9) FillRect(mapCanvas.surface, 16 * cell.x, 16 * cell.y, 16, 16, 0x123456);
        if (k == 9) mapCanvas.display.markStale(cell, cell);
        if (k == 9 || k == 6) typing = pick(3) ? std::optional(pick(2) ? cell : hover) : typing;
        if (k == 4) typing.reset();
        const std::optional<Cell> outline = pick(2) ? std::optional(hover) : std::nullopt;
        RenderCharMapImage(mapCanvas.full, map, charset, palette);
        if (typing) DrawMapTextCursor(mapCanvas.full, *typing);
        if (outline) DrawMapHoverOutline(mapCanvas.full, *outline);
        mapCanvas.present(
            mapCanvas.display.update(mapCanvas.surface, map, charset, palette, outline, typing));
        RenderCharsetImage(fullPicture, charset, palette);
        DrawCharsetFrame(charsetCanvas.full, fullPicture, selection, feedback, {0, 0, 256, 256});
        charsetCanvas.display.renderPicture(picture, charset, palette);
        ASSERT_EQ(picture, fullPicture);
        charsetCanvas.present(
            charsetCanvas.display.showFrame(charsetCanvas.surface, picture, selection, feedback));
        RenderGlyphImage(glyph.full, GlyphAt(charset, selection.CurrentChar), palette);
        glyph.present(
            glyph.display.update(glyph.surface, GlyphAt(charset, selection.CurrentChar), palette));
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace pixlore
