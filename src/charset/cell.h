#pragma once

namespace pixlore {

// Every canvas is laid out in cells of 16 x 16 pixels.
constexpr int kCellPixels = 16;

struct Cell {
    int x = 0;
    int y = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// The cell under a pointer position. C++ division truncates toward zero, so -15..15 give 0:
// a pointer held just left of or above a canvas still counts as column or row 0.
constexpr Cell CellUnder(int x, int y) {
    return {x / kCellPixels, y / kCellPixels};
}

}  // namespace pixlore
