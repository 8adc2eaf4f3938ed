#include "views/charset_view.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "charset/cell.h"
#include "views/glyph_cells.h"

namespace pixlore {
namespace {

Rect CellArea(Cell cell, Rect bounds) {
    return ClipRect(16LL * cell.x, 16LL * cell.y, 16, 16, bounds);
}

void DrawCursor(Image& surface, const Selection& selection, Rect clip) {
    const Rect cell = CellArea({selection.CurrentColumn, selection.CurrentRow},
                               ClipRect(clip.x, clip.y, clip.w, clip.h, surface.bounds()));
    const long long left = 16LL * selection.CurrentColumn;
    const long long top = 16LL * selection.CurrentRow;
    const Pixel p = PixelOf(kCursorColour);
    for (int y = cell.y; y < cell.y + cell.h; ++y)
        for (int x = cell.x; x < cell.x + cell.w; ++x)
            if (((x - left) ^ (y - top)) & 1) surface.row(y)[x] = p;
}

}  // namespace

void RenderCharsetImage(Image& charsetImage, const Charset& charset, Palette palette) {
    DrawGlyphCells(charsetImage, charset, palette, AllCodes(), 16, 16, 16);
}

Image GlyphsPicture(const Charset& charset, Palette palette, CodeRange range) {
    const int count = range.high - range.low + 1;
    const int columns = std::min(count, 16), rows = (count + 15) / 16;
    std::vector<std::int32_t> codes(static_cast<std::size_t>(columns * rows));
    std::iota(codes.begin(), codes.end(), range.low);
    Image picture(16 * columns, 16 * rows);
    DrawGlyphCells(picture, charset, palette, codes.data(), columns, columns, rows);
    FillRect(picture, 16 * (count % 16), 16 * (rows - 1), 16 * (columns * rows - count), 16,
             palette.PaperColor);
    return picture;
}

void DrawCharsetCursor(Image& surface, const Selection& selection) {
    DrawCursor(surface, selection, surface.bounds());
}

void DrawCharsetFrame(Image& surface, const Image& charsetImage, const Selection& selection,
                      const CharsetFeedback& feedback, Rect clip) {
    DrawImage(surface, charsetImage, 0, 0, clip);
    DrawCursor(surface, selection, clip);
    if (feedback.kind == CharsetFeedback::Kind::None) return;
    if (feedback.kind == CharsetFeedback::Kind::Drag) {
        const int source = feedback.dragSource;
        const Image dragImage =
            CopyRect(charsetImage, 16 * (source % 16), 16 * (source / 16), 16, 16);
        DrawImage(surface, dragImage, feedback.x, feedback.y, clip);
    }
    const Cell cell = CellUnder(feedback.x, feedback.y);
    const Colour colour =
        feedback.kind == CharsetFeedback::Kind::Drag ? kDropTargetColour : kHoverColour;
    OutlineRect(surface, 16 * cell.x, 16 * cell.y, 16, 16, colour, clip);
}

Damage FeedbackAreas(const CharsetFeedback& feedback, Rect bounds) {
    Damage areas;
    if (feedback.kind == CharsetFeedback::Kind::None) return areas;
    areas.push_back(CellArea(CellUnder(feedback.x, feedback.y), bounds));
    if (feedback.kind == CharsetFeedback::Kind::Drag)
        areas.push_back(ClipRect(feedback.x, feedback.y, 16, 16, bounds));
    return areas;
}

bool SameFeedback(const CharsetFeedback& a, const CharsetFeedback& b) {
    if (a.kind != b.kind) return false;
    switch (a.kind) {
        case CharsetFeedback::Kind::None:
            return true;
        case CharsetFeedback::Kind::Hover:
            return CellUnder(a.x, a.y) == CellUnder(b.x, b.y);
        case CharsetFeedback::Kind::Drag:
            return a.x == b.x && a.y == b.y && a.dragSource == b.dragSource;
    }
    return false;
}

void ComposeCharsetCanvas(Image& surface, const Image& charsetImage, const Selection& selection) {
    DrawCharsetFrame(surface, charsetImage, selection, {}, surface.bounds());
}

void ShowCharsetHover(Image& surface, const Image& charsetImage, const Selection& selection, int x,
                      int y) {
    DrawCharsetFrame(surface, charsetImage, selection, {CharsetFeedback::Kind::Hover, x, y},
                     surface.bounds());
}

void ShowDragPreview(Image& surface, const Image& charsetImage, const Selection& selection,
                     const Drag& drag, int x, int y) {
    DrawCharsetFrame(surface, charsetImage, selection,
                     {CharsetFeedback::Kind::Drag, x, y, drag.DragSource}, surface.bounds());
}

}  // namespace pixlore
