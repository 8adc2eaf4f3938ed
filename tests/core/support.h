#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "charset/charset.h"
#include "charset/palette.h"
#include "core/temp_folder.h"
#include "views/image.h"

namespace pixlore::testing {

using Bytes = std::vector<std::uint8_t>;

// Two pictures compared once; on a difference, where it starts.
inline ::testing::AssertionResult Same(const Image& a, const Image& b) {
    if (a.width() != b.width() || a.height() != b.height())
        return ::testing::AssertionFailure() << "sizes differ";
    for (int i = 0; i < a.width() * a.height(); ++i)
        if (a.data()[i] != b.data()[i])
            return ::testing::AssertionFailure()
                   << "pixel " << i % a.width() << "," << i / a.width() << " is " << std::hex
                   << a.data()[i] << ", not " << b.data()[i];
    return ::testing::AssertionSuccess();
}

// The literal render of glyph cells: the paper of the whole area, then one 2 x 2 ink block
// per set glyph pixel.
template <class CodeAt>
void DrawCells(Image& image, int columns, int rows, const Charset& charset, Palette palette,
               CodeAt codeAt) {
    FillRect(image, 0, 0, 16 * columns, 16 * rows, palette.PaperColor);
    for (int cy = 0; cy < rows; ++cy)
        for (int cx = 0; cx < columns; ++cx)
            for (int r = 0; r < 8; ++r)
                for (int b = 0; b < 8; ++b)
                    if (charset[codeAt(cx, cy) * 8 + r] & (0x80 >> b))
                        FillRect(image, 16 * cx + 2 * b, 16 * cy + 2 * r, 2, 2, palette.InkColor);
}

inline Charset CharsetOf(const Bytes& bytes) {
    Charset charset{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), charset.size()), charset.begin());
    return charset;
}

}  // namespace pixlore::testing
