#include "formats/picture_import.h"

#include <string>
#include <unordered_map>
#include <utility>

#include "formats/bmp_decode.h"
#include "formats/png_decode.h"

namespace pixlore {
namespace {

// Far above the two sizes a charset picture has, and low enough that a small file with an
// absurd header cannot make a PNG reader allocate much before its data runs out.
constexpr int kMaxPictureSide = 1024;

// The colour of pixel (column, row) of glyph code, read from a picture of scale pixels per
// glyph pixel.
Colour GlyphPixel(const Image& picture, int scale, int code, int column, int row) {
    const int x = (code % 16 * 8 + column) * scale;
    const int y = (code / 16 * 8 + row) * scale;
    return picture.colourAt(x, y);
}

template <class Visit>
void ForEachGlyphPixel(const Image& picture, int scale, Visit visit) {
    for (int code = 0; code < kGlyphCount; ++code)
        for (int row = 0; row < 8; ++row)
            for (int column = 0; column < 8; ++column)
                visit(code, row, column, GlyphPixel(picture, scale, code, column, row));
}

Colour PaperOf(const std::vector<Colour>& pixels, Palette palette) {
    // Colours in the order they are met, so that a tie goes to the first.
    std::vector<std::pair<Colour, int>> counts;
    std::unordered_map<Colour, std::size_t> index;
    bool onlyPalette = palette.InkColor != palette.PaperColor;
    for (const Colour c : pixels) {
        const auto [it, added] = index.try_emplace(c, counts.size());
        if (added) counts.emplace_back(c, 0);
        ++counts[it->second].second;
        if (c != palette.InkColor && c != palette.PaperColor) onlyPalette = false;
    }
    if (onlyPalette) return palette.PaperColor;
    auto paper = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it->second > paper->second) paper = it;
    return paper->first;
}

}  // namespace

Decoded<Image> DecodePicture(const std::vector<std::uint8_t>& file) {
    if (IsPng(file)) return DecodePng(file, kMaxPictureSide);
    if (file.size() >= 2 && file[0] == 'B' && file[1] == 'M')
        return DecodeBmp(file, kMaxPictureSide);
    return Decoded<Image>::Fail("it is neither a BMP nor a PNG picture");
}

Decoded<Charset> CharsetFromPicture(const Image& picture, Palette palette) {
    const int w = picture.width(), h = picture.height();
    if (!(w == h && (w == 256 || w == 128)))
        return Decoded<Charset>::Fail("the picture is " + std::to_string(w) + " x " +
                                      std::to_string(h) +
                                      " pixels; a charset picture is 256 x 256 or 128 x 128");
    const int scale = w / 128;
    std::vector<Colour> pixels;
    ForEachGlyphPixel(picture, scale, [&](int, int, int, Colour c) { pixels.push_back(c); });
    const Colour paper = PaperOf(pixels, palette);
    Charset charset{};
    ForEachGlyphPixel(picture, scale, [&](int code, int row, int column, Colour c) {
        if (c != paper) GlyphAt(charset, code)[row] |= static_cast<std::uint8_t>(0x80 >> column);
    });
    return Decoded<Charset>::Ok(charset);
}

std::vector<bool> InkPixels(const Image& picture, Palette palette) {
    std::vector<Colour> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            colours.push_back(picture.colourAt(x, y));
    const Colour paper = PaperOf(colours, palette);
    std::vector<bool> ink;
    for (const Colour c : colours)
        ink.push_back(c != paper);
    return ink;
}

}  // namespace pixlore
