#include "views/charset_view.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <vector>

#include "charset/cell.h"
#include "views/glyph_cells.h"

namespace pixlore {

namespace {

constexpr std::array<std::int32_t, kGlyphCount> AllCodes() {
    std::array<std::int32_t, kGlyphCount> codes{};
    for (int n = 0; n < kGlyphCount; ++n)
        codes[n] = n;
    return codes;
}

}  // namespace

void RenderCharsetImage(Image& charsetImage, const Charset& charset, Palette palette) {
    static constexpr auto kCodes = AllCodes();
    DrawGlyphCells(charsetImage, charset, palette, kCodes.data(), 16, 16, 16);
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
    const int left = 16 * selection.CurrentColumn;
    const int top = 16 * selection.CurrentRow;
    for (int dy = 0; dy < 16; ++dy)
        for (int dx = 1 - (dy & 1); dx < 16; dx += 2)
            SetPixel(surface, left + dx, top + dy, kCursorColour);
}

void ComposeCharsetCanvas(Image& surface, const Image& charsetImage, const Selection& selection) {
    DrawImage(surface, charsetImage, 0, 0);
    DrawCharsetCursor(surface, selection);
}

void ShowCharsetHover(Image& surface, const Image& charsetImage, const Selection& selection, int x,
                      int y) {
    ComposeCharsetCanvas(surface, charsetImage, selection);
    const Cell cell = CellUnder(x, y);
    OutlineRect(surface, 16 * cell.x, 16 * cell.y, 16, 16, kHoverColour);
}

void ShowDragPreview(Image& surface, const Image& charsetImage, const Selection& selection,
                     const Drag& drag, int x, int y) {
    const Image dragImage =
        CopyRect(charsetImage, 16 * (drag.DragSource % 16), 16 * (drag.DragSource / 16), 16, 16);
    ComposeCharsetCanvas(surface, charsetImage, selection);
    DrawImage(surface, dragImage, x, y);
    const Cell cell = CellUnder(x, y);
    OutlineRect(surface, 16 * cell.x, 16 * cell.y, 16, 16, kDropTargetColour);
}

}  // namespace pixlore
