#pragma once

#include <array>
#include <cstdint>

#include "charset/charset.h"

namespace pixlore {

// The eight transforms of one glyph; the values are those the commands are numbered by.
enum class GlyphOp {
    Invert = 0,
    Clear = 1,
    RevertLeftRight = 2,
    ShiftLeft = 3,
    ShiftRight = 4,
    ShiftUp = 5,
    ShiftDown = 6,
    RevertUpDown = 7,
};

// Entry i is i with its 8 bits in reverse order.
using BitReverseTable = std::array<std::uint32_t, 256>;
const BitReverseTable& BitReverse();

void TransformGlyph(std::uint8_t* glyph, GlyphOp op);

// Transforms glyphs low..high (both included, in increasing order).
void ApplyGlyphOperation(Charset& charset, GlyphOp op, int low, int high);

// Moves glyphs code..254 one place up, losing glyph 255, and empties glyph code.
void InsertGlyph(Charset& charset, int code);
// Moves glyphs code+1..255 one place down and empties glyph 255.
void DeleteGlyph(Charset& charset, int code);
void EraseAllCharset(Charset& charset);

// Sets or clears pixel (column, row) of a glyph; false when the pixel lies outside 0..7.
bool PaintGlyphPixel(Charset& charset, int code, int column, int row, bool ink);

}  // namespace pixlore
