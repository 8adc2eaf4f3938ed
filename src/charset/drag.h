#pragma once

#include "charset/charset.h"

namespace pixlore {

// A glyph dragged with the left button from one cell of the grid to another.
struct Drag {
    int DragState = 0;  // 0 no drag, 1 under way
    int DragSource = 0;
    int DragTarget = 0;
};

// A press on a cell of the grid starts a drag from it; a press while one is under way, or on
// the border past the last cell, starts nothing.
void StartDrag(Drag& drag, int x, int y);

enum class DropMode { Copy, Swap };

// Ends a drag at release point (x, y). True when glyphs were copied or swapped.
bool EndDrag(Drag& drag, Charset& charset, int x, int y, DropMode mode);

// Ends a drag whose release went elsewhere, changing nothing. True when one was under way.
bool AbandonDrag(Drag& drag);

}  // namespace pixlore
