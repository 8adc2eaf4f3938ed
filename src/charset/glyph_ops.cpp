#include "charset/glyph_ops.h"

#include <algorithm>
#include <cstring>

namespace pixlore {
namespace {

BitReverseTable BuildBitReverseTable() {
    BitReverseTable table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t result = 0;
        std::uint32_t value = i;
        for (int bit = 0; bit < 8; ++bit) {
            result = result * 2 + (value & 1);
            value /= 2;
        }
        table[i] = result;
    }
    return table;
}

std::uint8_t RotateLeft(std::uint8_t b) {
    return static_cast<std::uint8_t>((b << 1) | (b >> 7));
}
std::uint8_t RotateRight(std::uint8_t b) {
    return static_cast<std::uint8_t>((b >> 1) | (b << 7));
}

}  // namespace

const BitReverseTable& BitReverse() {
    static const BitReverseTable table = BuildBitReverseTable();
    return table;
}

void TransformGlyph(std::uint8_t* glyph, GlyphOp op) {
    switch (op) {
        case GlyphOp::Invert:
            for (int r = 0; r < kGlyphBytes; ++r)
                glyph[r] ^= 0xFF;
            break;
        case GlyphOp::Clear:
            std::memset(glyph, 0, kGlyphBytes);
            break;
        case GlyphOp::RevertLeftRight:
            for (int r = 0; r < kGlyphBytes; ++r)
                glyph[r] = static_cast<std::uint8_t>(BitReverse()[glyph[r]]);
            break;
        case GlyphOp::ShiftLeft:
            for (int r = 0; r < kGlyphBytes; ++r)
                glyph[r] = RotateLeft(glyph[r]);
            break;
        case GlyphOp::ShiftRight:
            for (int r = 0; r < kGlyphBytes; ++r)
                glyph[r] = RotateRight(glyph[r]);
            break;
        case GlyphOp::ShiftUp:
            std::rotate(glyph, glyph + 1, glyph + kGlyphBytes);
            break;
        case GlyphOp::ShiftDown:
            std::rotate(glyph, glyph + kGlyphBytes - 1, glyph + kGlyphBytes);
            break;
        case GlyphOp::RevertUpDown:
            std::reverse(glyph, glyph + kGlyphBytes);
            break;
    }
}

void ApplyGlyphOperation(Charset& charset, GlyphOp op, int low, int high) {
    low = std::clamp(low, 0, kGlyphCount - 1);
    high = std::clamp(high, 0, kGlyphCount - 1);
    for (int code = low; code <= high; ++code)
        TransformGlyph(GlyphAt(charset, code), op);
}

void InsertGlyph(Charset& charset, int code) {
    std::uint8_t* glyph = GlyphAt(charset, code);
    std::memmove(glyph + kGlyphBytes, glyph, (kGlyphCount - 1 - code) * kGlyphBytes);
    std::memset(glyph, 0, kGlyphBytes);
}

void DeleteGlyph(Charset& charset, int code) {
    std::uint8_t* glyph = GlyphAt(charset, code);
    std::memmove(glyph, glyph + kGlyphBytes, (kGlyphCount - 1 - code) * kGlyphBytes);
    std::memset(GlyphAt(charset, kGlyphCount - 1), 0, kGlyphBytes);
}

void EraseAllCharset(Charset& charset) {
    charset.fill(0);
}

bool PaintGlyphPixel(Charset& charset, int code, int column, int row, bool ink) {
    if (column < 0 || column > 7 || row < 0 || row > 7) return false;
    std::uint8_t& byte = GlyphAt(charset, code)[row];
    const auto bit = static_cast<std::uint8_t>(0x80 >> column);
    byte = ink ? (byte | bit) : (byte & ~bit);
    return true;
}

}  // namespace pixlore
