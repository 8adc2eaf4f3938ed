#include "charset/drag.h"

#include <utility>

#include "charset/cell.h"

namespace pixlore {
namespace {

bool InGrid(Cell cell) {
    return cell.x >= 0 && cell.x <= 15 && cell.y >= 0 && cell.y <= 15;
}

}  // namespace

void StartDrag(Drag& drag, int x, int y) {
    if (drag.DragState != 0) return;
    const Cell cell = CellUnder(x, y);
    // A source off the grid would name a glyph beyond the charset.
    if (!InGrid(cell)) return;
    drag.DragState = 1;
    drag.DragSource = cell.y * 16 + cell.x;
}

bool EndDrag(Drag& drag, Charset& charset, int x, int y, DropMode mode) {
    if (drag.DragState != 1) return false;
    drag.DragState = 0;
    const Cell cell = CellUnder(x, y);
    // Off the grid no glyph has a code, and a release far off it would overflow one.
    if (!InGrid(cell)) return false;
    drag.DragTarget = cell.y * 16 + cell.x;
    if (drag.DragTarget == drag.DragSource) return false;
    std::uint8_t* source = GlyphAt(charset, drag.DragSource);
    std::uint8_t* target = GlyphAt(charset, drag.DragTarget);
    for (int r = 0; r < kGlyphBytes; ++r) {
        if (mode == DropMode::Swap)
            std::swap(source[r], target[r]);
        else
            target[r] = source[r];
    }
    return true;
}

bool AbandonDrag(Drag& drag) {
    if (drag.DragState != 1) return false;
    drag.DragState = 0;
    return true;
}

}  // namespace pixlore
