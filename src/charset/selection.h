#pragma once

#include <cstdint>
#include <string>

namespace pixlore {

// The current character and its cell in the 16 x 16 grid; the three always change together.
struct Selection {
    std::uint8_t CurrentChar = 0;
    int CurrentColumn = 0;
    int CurrentRow = 0;
};

// Selects the cell under pointer position (x, y). A position whose cell lies outside the
// grid (the canvas border past the last cell) selects nothing and returns false.
bool SelectCharAt(Selection& selection, int x, int y);

// Selects code (0..255), its cell and all.
void SelectChar(Selection& selection, int code);

// Moves the cursor by (dx, dy); callers keep it inside the grid.
void MoveCursor(Selection& selection, int dx, int dy);

// Virtual-key codes the grid acts on.
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;
constexpr int kKeyInsert = 45;
constexpr int kKeyDelete = 46;

// An arrow key moves the cursor one cell, stopping at the edges; true when it moved.
bool ArrowKey(Selection& selection, int key);

// "65($41)'A'": the code in decimal and hex, and from 32 on its character.
std::string StatusText(int code);

}  // namespace pixlore
