#pragma once

// Slow, literal renderings of the views, one fill or one 2 x 2 block at a time, that the fast
// renderers must match pixel for pixel.

#include <random>

#include "charmap/charmap.h"
#include "charset/charset.h"
#include "charset/palette.h"
#include "views/image.h"

namespace pixlore::reference {

// The paper fill of a w x h cell area, then one 2 x 2 ink block per set glyph pixel.
template <class CodeAt>
void DrawCells(Image& image, int columns, int rows, const Charset& charset, Palette palette,
               CodeAt codeAt) {
    FillRect(image, 0, 0, 16 * columns, 16 * rows, palette.PaperColor);
    for (int cy = 0; cy < rows; ++cy)
        for (int cx = 0; cx < columns; ++cx) {
            const int code = codeAt(cx, cy);
            for (int r = 0; r < 8; ++r)
                for (int b = 0; b < 8; ++b)
                    if (charset[code * 8 + r] & (0x80 >> b))
                        FillRect(image, 16 * cx + 2 * b, 16 * cy + 2 * r, 2, 2, palette.InkColor);
        }
}

inline Image CharsetImage(const Charset& charset, Palette palette) {
    Image image(256, 256, 0x00ABCDEF);
    DrawCells(image, 16, 16, charset, palette, [](int cx, int cy) { return 16 * cy + cx; });
    return image;
}

inline void CharMapImage(Image& surface, const CharMap& map, const Charset& charset,
                         Palette palette) {
    DrawCells(surface, map.MapWidth, map.MapHeight, charset, palette,
              [&map](int cx, int cy) { return map.at(cx, cy); });
}

inline Charset RandomCharset(std::mt19937& random) {
    Charset charset;
    for (auto& byte : charset)
        byte = static_cast<std::uint8_t>(random());
    return charset;
}

inline Colour RandomColour(std::mt19937& random) {
    return static_cast<Colour>(random() & 0xFFFFFF);
}

// A surface no renderer would draw: every pixel different from its neighbours.
inline Image Noise(int width, int height, std::mt19937& random) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.row(y)[x] = PixelOf(RandomColour(random));
    return image;
}

}  // namespace pixlore::reference
