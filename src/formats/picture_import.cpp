#include "formats/picture_import.h"

#include <algorithm>
#include <cstdlib>
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

int Brightness(Colour c) {
    return 299 * RedOf(c) + 587 * GreenOf(c) + 114 * BlueOf(c);
}

struct Tally {
    Colour colour;
    int count;
};

// Every colour of the picture with its count, in the order the colours are first met.
std::vector<Tally> CountColours(const Image& picture) {
    std::vector<Tally> tallies;
    std::unordered_map<Colour, std::size_t> index;
    std::size_t last = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Colour c = picture.colourAt(x, y);
            // Pictures come in runs of one colour: look up only where a run starts.
            if (tallies.empty() || tallies[last].colour != c) {
                const auto [it, added] = index.try_emplace(c, tallies.size());
                if (added) tallies.push_back({c, 0});
                last = it->second;
            }
            ++tallies[last].count;
        }
    }
    return tallies;
}

}  // namespace

std::vector<bool> InkPixels(const Image& picture, Palette palette) {
    const std::vector<Tally> tallies = CountColours(picture);
    Colour paper = palette.PaperColor;
    const bool ours = palette.InkColor != palette.PaperColor &&
                      std::all_of(tallies.begin(), tallies.end(), [&](const Tally& t) {
                          return t.colour == palette.InkColor || t.colour == palette.PaperColor;
                      });
    if (!ours && !tallies.empty())
        paper =
            std::max_element(tallies.begin(), tallies.end(), [](const Tally& a, const Tally& b) {
                return a.count < b.count;
            })->colour;
    // The glyphs' own colour stands out most from paper; soft edges and faint noise lie
    // between the two, however common they are.
    Colour ink = paper;
    int farthest = -1;
    for (const Tally& t : tallies) {
        if (std::abs(Brightness(t.colour) - Brightness(paper)) > farthest) {
            farthest = std::abs(Brightness(t.colour) - Brightness(paper));
            ink = t.colour;
        }
    }
    auto isInk = [&](Colour c) {
        const int b = Brightness(c);
        return c != paper && std::abs(b - Brightness(ink)) <= std::abs(b - Brightness(paper));
    };
    std::vector<bool> inked(static_cast<std::size_t>(picture.width()) * picture.height());
    Colour last = 0xFFFFFFFF;  // no colour of a picture: the first pixel decides
    bool lastInk = false;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Colour c = picture.colourAt(x, y);
            if (c != last) last = c, lastInk = isInk(c);
            inked[static_cast<std::size_t>(y) * picture.width() + x] = lastInk;
        }
    }
    return inked;
}

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
    // One pixel a glyph pixel: the top-left pixel of each block.
    const int scale = w / 128;
    Image glyphPixels(128, 128);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            glyphPixels.row(y)[x] = picture.row(y * scale)[x * scale];
    const std::vector<bool> ink = InkPixels(glyphPixels, palette);
    Charset charset{};
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            if (ink[static_cast<std::size_t>(y) * 128 + x])
                GlyphAt(charset, y / 8 * 16 + x / 8)[y % 8] |=
                    static_cast<std::uint8_t>(0x80 >> x % 8);
    return Decoded<Charset>::Ok(charset);
}

}  // namespace pixlore
