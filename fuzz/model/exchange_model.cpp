#include "fuzz/model/exchange_model.h"

#include <zlib.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <map>

namespace pixlore::model {
namespace {

// The little-endian number of `bytes` bytes at `at`; bytes past the end count as 0.
std::uint64_t Number(const Bytes& b, std::uint64_t at, int bytes) {
    std::uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | (at + i < b.size() ? b[at + i] : 0);
    return v;
}

bool OneRun(std::uint64_t mask) {
    const std::uint64_t run = mask ? mask >> std::countr_zero(mask) : 0;
    return (run & (run + 1)) == 0;
}

int Scaled(std::uint64_t pixel, std::uint64_t mask) {
    if (!mask) return 0;
    const int low = std::countr_zero(mask);
    return static_cast<int>(((pixel & mask) >> low) * 255 / (mask >> low));
}

int Brightness(Colour c) {
    return 299 * RedOf(c) + 587 * GreenOf(c) + 114 * BlueOf(c);
}

}  // namespace

std::optional<Image> Bmp(const Bytes& b, int maxSide) {
    const std::uint64_t info = Number(b, 14, 4), bits = Number(b, 28, 2), kind = Number(b, 30, 4);
    const std::int64_t width = static_cast<std::int32_t>(Number(b, 18, 4));
    const std::int64_t storedHeight = static_cast<std::int32_t>(Number(b, 22, 4));
    const std::int64_t height = std::abs(storedHeight);
    const bool fields = kind == 3 && (bits == 16 || bits == 32);
    const bool plain = kind == 0 && (bits == 1 || bits == 4 || bits == 8 || bits == 16 ||
                                     bits == 24 || bits == 32);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || info < 40 || 14 + info > b.size() ||
        Number(b, 26, 2) != 1 || width < 1 || width > maxSide || height < 1 || height > maxSide ||
        !(fields || plain) || (fields && b.size() < 66))
        return std::nullopt;
    std::uint64_t masks[3] = {0xFF0000, 0xFF00, 0xFF};
    for (int i = 0; i < 3; ++i) {
        if (bits == 16) masks[i] = 0x1Fu << (10 - 5 * i);
        if (fields) masks[i] = Number(b, 54 + 4 * i, 4);
        if (!OneRun(masks[i])) return std::nullopt;
    }
    std::vector<Colour> table;
    const std::uint64_t used = Number(b, 46, 4), entries = used || bits > 8 ? used : 1u << bits;
    if (bits <= 8 && (entries > (1u << bits) || 14 + info + 4 * entries > b.size()))
        return std::nullopt;
    for (std::uint64_t at = 14 + info; bits <= 8 && table.size() < entries; at += 4)
        table.push_back(RgbColour(b[at + 2], b[at + 1], b[at]));
    const std::uint64_t offset = Number(b, 10, 4), stride = (width * bits + 31) / 32 * 4;
    if (offset + stride * height > b.size()) return std::nullopt;
    Image image(static_cast<int>(width), static_cast<int>(height));
    for (int y = 0; y < height; ++y) {
        const std::uint64_t row = offset + stride * (storedHeight < 0 ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::uint64_t bit = x * bits,
                                p = bits < 8 ? b[row + bit / 8] >> (8 - bits - bit % 8) &
                                                   ((1u << bits) - 1)
                                             : Number(b, row + bit / 8, static_cast<int>(bits / 8));
            if (bits <= 8 && p >= table.size()) return std::nullopt;
            SetPixel(image, x, y,
                     bits <= 8 ? table[p]
                               : RgbColour(Scaled(p, masks[0]), Scaled(p, masks[1]),
                                           Scaled(p, masks[2])));
        }
    }
    return image;
}

std::optional<Bytes> PsfGlyphs(const Bytes& b) {
    std::uint64_t start = 4, count = b.size() > 2 && b[2] & 1 ? 512 : 256;
    if (Number(b, 0, 4) == 0x864AB572) {
        start = Number(b, 8, 4);
        count = Number(b, 16, 4);
        if (b.size() < 32 || Number(b, 4, 4) != 0 || start < 32 || count == 0 ||
            Number(b, 20, 4) != 8 || Number(b, 24, 4) != 8 || Number(b, 28, 4) != 8)
            return std::nullopt;
    } else if (Number(b, 0, 2) != 0x0436 || b.size() < 4 || b[2] > 7 || b[3] != 8) {
        return std::nullopt;
    }
    if (start + 8 * count > b.size()) return std::nullopt;
    return Bytes(b.begin() + static_cast<std::ptrdiff_t>(start),
                 b.begin() + static_cast<std::ptrdiff_t>(start + 8 * count));
}

std::vector<bool> Ink(const Image& picture, Palette palette) {
    const int width = picture.width(), count = width * picture.height();
    auto at = [&](int i) { return picture.colourAt(i % width, i / width); };
    std::map<Colour, std::pair<int, int>> seen;  // colour: count, first position
    for (int i = 0; i < count; ++i)
        ++seen.try_emplace(at(i), 0, i).first->second.first;
    Colour paper = palette.PaperColor;
    const bool ours = palette.InkColor != palette.PaperColor &&
                      std::all_of(seen.begin(), seen.end(), [&](const auto& s) {
                          return s.first == palette.InkColor || s.first == palette.PaperColor;
                      });
    std::pair<int, int> best{-1, 0};
    for (const auto& [colour, countFirst] : seen)
        if (!ours && std::pair(countFirst.first, -countFirst.second) > best)
            best = {countFirst.first, -countFirst.second}, paper = colour;
    Colour ink = paper;
    best = {-1, 0};
    for (const auto& [colour, countFirst] : seen)
        if (std::pair(std::abs(Brightness(colour) - Brightness(paper)), -countFirst.second) > best)
            best = {std::abs(Brightness(colour) - Brightness(paper)), -countFirst.second},
            ink = colour;
    std::vector<bool> inked(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        inked[i] = at(i) != paper && std::abs(Brightness(at(i)) - Brightness(ink)) <=
                                         std::abs(Brightness(at(i)) - Brightness(paper));
    return inked;
}

Bytes Gzip(const Bytes& plain, int level) {
    Bytes packed(compressBound(static_cast<uLong>(plain.size())) + 32);
    z_stream zs{};
    // A small window and hash: a fuzz input is short, and each input costs their setting up.
    deflateInit2(&zs, level, Z_DEFLATED, 16 + 9, 1, Z_DEFAULT_STRATEGY);
    zs.next_in = const_cast<Bytef*>(plain.data());
    zs.avail_in = static_cast<uInt>(plain.size());
    zs.next_out = packed.data();
    zs.avail_out = static_cast<uInt>(packed.size());
    deflate(&zs, Z_FINISH);
    packed.resize(zs.total_out);
    deflateEnd(&zs);
    return packed;
}

}  // namespace pixlore::model
