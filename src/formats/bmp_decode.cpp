// Written here, not taken from a library: the libraries Debian has that read BMP come with a
// whole image stack, and the uncompressed layouts accepted here are few and small. Every
// input is untrusted, so each size and offset is checked before use, in 64 bits, and the
// reader is fuzzed against an independent model of the format (the bmp fuzz target).
#include "formats/bmp_decode.h"

#include <bit>
#include <cstdlib>

#include "formats/byte_reader.h"

namespace pixlore {
namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kRgb = 0, kBitFields = 3;

// One colour channel under a bit-field mask, one run of up to 32 bits, scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint64_t max = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (!m) return;
        shift = std::countr_zero(m);
        max = m >> shift;
    }
    int of(std::uint32_t pixel) const {
        return max ? static_cast<int>(std::uint64_t{(pixel & mask) >> shift} * 255 / max) : 0;
    }
};

// A mask with gaps between its bits cannot scale to 0..255.
bool OneRun(std::uint32_t mask) {
    const std::uint32_t run = mask ? mask >> std::countr_zero(mask) : 0;
    return (run & (run + 1)) == 0;
}

struct Layout {
    int width = 0, height = 0, bits = 0;
    bool topDown = false;
    std::uint32_t compression = 0, dataOffset = 0, stride = 0;
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};  // 16 bits: 5-5-5
    std::vector<Colour> table;
};

bool BitsSupported(int bits, std::uint32_t compression) {
    if (compression == kBitFields) return bits == 16 || bits == 32;
    return compression == kRgb &&
           (bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32);
}

std::string ReadColourTable(const std::vector<std::uint8_t>& b, std::uint32_t infoSize,
                            std::uint32_t used, Layout& l) {
    const std::size_t start = std::size_t{kFileHeaderBytes} + infoSize;
    const std::uint32_t count = used ? used : 1u << l.bits;
    if (count > (1u << l.bits) || start + 4 * std::size_t{count} > b.size())
        return "its colour table is damaged";
    for (std::uint32_t i = 0; i < count; ++i)
        l.table.push_back(RgbColour(b[start + 4 * i + 2], b[start + 4 * i + 1], b[start + 4 * i]));
    return {};
}

std::string ReadLayout(const std::vector<std::uint8_t>& b, int maxSide, Layout& l) {
    if (b.size() < kFileHeaderBytes + 40 || b[0] != 'B' || b[1] != 'M')
        return "it is not a BMP picture";
    const std::uint32_t infoSize = LittleU32(b, 14);
    if (infoSize < 40 || std::size_t{kFileHeaderBytes} + infoSize > b.size())
        return "its header is damaged";
    const auto width = static_cast<std::int32_t>(LittleU32(b, 18));
    const auto height = static_cast<std::int32_t>(LittleU32(b, 22));
    l.bits = static_cast<int>(LittleU16(b, 28));
    l.compression = LittleU32(b, 30);
    if (width <= 0 || height == 0 || height == INT32_MIN || LittleU16(b, 26) != 1)
        return "its header is damaged";
    if (!BitsSupported(l.bits, l.compression))
        return "only uncompressed BMP pictures of 1, 4, 8, 16, 24 or 32 bits a pixel can be read";
    if (width > maxSide || std::abs(height) > maxSide) return "the picture is too large";
    l.width = width;
    l.height = std::abs(height);
    l.topDown = height < 0;
    l.dataOffset = LittleU32(b, 10);
    l.stride = (static_cast<std::uint32_t>(l.width) * l.bits + 31) / 32 * 4;
    if (l.compression == kBitFields) {
        if (b.size() < kFileHeaderBytes + 52) return "its header is damaged";
        for (int i = 0; i < 3; ++i) {
            l.masks[i] = LittleU32(b, 54 + 4 * i);
            if (!OneRun(l.masks[i])) return "its header is damaged";
        }
    } else if (l.bits == 32) {
        l.masks[0] = 0xFF0000, l.masks[1] = 0xFF00, l.masks[2] = 0xFF;
    }
    if (l.bits <= 8) {
        std::string why = ReadColourTable(b, infoSize, LittleU32(b, 46), l);
        if (!why.empty()) return why;
    }
    if (std::uint64_t{l.dataOffset} + std::uint64_t{l.stride} * l.height > b.size())
        return "the picture is cut short";
    return {};
}

// False when the pixel's index lies past the colour table.
bool PixelAt(const std::uint8_t* row, int x, const Layout& l, const Channel (&rgb)[3],
             Colour& colour) {
    if (l.bits == 24) {
        colour = RgbColour(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    } else if (l.bits > 8) {
        const std::uint32_t p = l.bits == 16
                                    ? row[2 * x] | row[2 * x + 1] << 8
                                    : row[4 * x] | row[4 * x + 1] << 8 | row[4 * x + 2] << 16 |
                                          static_cast<std::uint32_t>(row[4 * x + 3]) << 24;
        colour = RgbColour(rgb[0].of(p), rgb[1].of(p), rgb[2].of(p));
    } else {
        const int perByte = 8 / l.bits;
        const int shift = 8 - l.bits * (x % perByte + 1);
        const std::size_t index = (row[x / perByte] >> shift) & ((1 << l.bits) - 1);
        if (index >= l.table.size()) return false;
        colour = l.table[index];
    }
    return true;
}

}  // namespace

Decoded<Image> DecodeBmp(const std::vector<std::uint8_t>& file, int maxSide) {
    Layout l;
    const std::string why = ReadLayout(file, maxSide, l);
    if (!why.empty()) return Decoded<Image>::Fail(why);
    const Channel rgb[3] = {Channel(l.masks[0]), Channel(l.masks[1]), Channel(l.masks[2])};
    Image image(l.width, l.height);
    for (int y = 0; y < l.height; ++y) {
        const int stored = l.topDown ? y : l.height - 1 - y;
        const std::uint8_t* row = file.data() + l.dataOffset + std::size_t{l.stride} * stored;
        Pixel* out = image.row(y);
        for (int x = 0; x < l.width; ++x) {
            Colour colour = kBlack;
            if (!PixelAt(row, x, l, rgb, colour))
                return Decoded<Image>::Fail("its colour table is damaged");
            out[x] = PixelOf(colour);
        }
    }
    return Decoded<Image>::Ok(std::move(image));
}

}  // namespace pixlore
