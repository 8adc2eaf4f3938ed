#include "formats/png_decode.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "formats/byte_reader.h"

namespace pixlore {
namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

struct Header {
    int width = 0, height = 0, depth = 0, colourType = 0;
    bool interlaced = false;
    int channels() const {
        switch (colourType) {
            case 2:
                return 3;
            case 4:
                return 2;
            case 6:
                return 4;
            default:
                return 1;
        }
    }
    int bitsPerPixel() const { return channels() * depth; }
    std::size_t rowBytes(int w) const {
        return (std::size_t{static_cast<unsigned>(w)} * bitsPerPixel() + 7) / 8;
    }
};

struct Chunks {
    Header header;
    std::vector<Colour> palette;
    std::vector<std::uint8_t> data;  // the IDAT chunks joined
};

bool DepthAllowed(int colourType, int depth) {
    switch (colourType) {
        case 0:
            return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
        case 3:
            return depth == 1 || depth == 2 || depth == 4 || depth == 8;
        case 2:
        case 4:
        case 6:
            return depth == 8 || depth == 16;
        default:
            return false;
    }
}

std::string ReadHeader(const std::uint8_t* p, std::uint32_t length, int maxSide, Header& h) {
    if (length != 13) return "its header is damaged";
    const std::uint32_t width = BigU32(p), height = BigU32(p + 4);
    h.depth = p[8];
    h.colourType = p[9];
    if (width == 0 || height == 0 || !DepthAllowed(h.colourType, h.depth) || p[10] != 0 ||
        p[11] != 0 || p[12] > 1)
        return "its header is damaged";
    if (width > static_cast<std::uint32_t>(maxSide) || height > static_cast<std::uint32_t>(maxSide))
        return "the picture is too large";
    h.width = static_cast<int>(width);
    h.height = static_cast<int>(height);
    h.interlaced = p[12] == 1;
    return {};
}

std::string ReadChunks(const std::vector<std::uint8_t>& b, int maxSide, Chunks& c) {
    std::size_t at = sizeof kSignature;
    bool haveHeader = false;
    while (at + 12 <= b.size()) {
        const std::uint32_t length = BigU32(&b[at]);
        if (length > b.size() - at - 12) break;
        const std::uint8_t* type = &b[at + 4];
        const std::uint8_t* data = type + 4;
        if (BigU32(data + length) != crc32(0, type, length + 4)) return "a chunk is damaged";
        if (std::memcmp(type, "IHDR", 4) == 0) {
            std::string why = ReadHeader(data, length, maxSide, c.header);
            if (!why.empty()) return why;
            haveHeader = true;
        } else if (!haveHeader) {
            return "its header is damaged";
        } else if (std::memcmp(type, "PLTE", 4) == 0) {
            for (std::uint32_t i = 0; i + 2 < length; i += 3)
                c.palette.push_back(RgbColour(data[i], data[i + 1], data[i + 2]));
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            c.data.insert(c.data.end(), data, data + length);
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            return {};
        }
        at += 12 + length;
    }
    return "the picture is cut short";
}

// The seven passes of Adam7; a picture that is not interlaced is one pass over every pixel.
struct Pass {
    int x0, y0, dx, dy;
};
constexpr Pass kWhole[1] = {{0, 0, 1, 1}};
constexpr Pass kAdam7[7] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                            {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

int PassSize(int size, int start, int step) {
    return size > start ? (size - start + step - 1) / step : 0;
}

std::size_t UnpackedSize(const Header& h, const Pass* passes, int count) {
    std::size_t total = 0;
    for (int i = 0; i < count; ++i) {
        const int w = PassSize(h.width, passes[i].x0, passes[i].dx);
        const int rows = PassSize(h.height, passes[i].y0, passes[i].dy);
        if (w > 0) total += static_cast<std::size_t>(rows) * (1 + h.rowBytes(w));
    }
    return total;
}

bool Inflate(const std::vector<std::uint8_t>& in, std::vector<std::uint8_t>& out) {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) return false;
    zs.next_in = const_cast<Bytef*>(in.data());
    zs.avail_in = static_cast<uInt>(in.size());
    zs.next_out = out.data();
    zs.avail_out = static_cast<uInt>(out.size());
    const int status = inflate(&zs, Z_FINISH);
    const bool complete = zs.total_out == out.size() &&
                          (status == Z_STREAM_END || status == Z_OK || status == Z_BUF_ERROR);
    inflateEnd(&zs);
    return complete;
}

int Paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

// Undoes the filter of one row in place; prior is the previous row of the pass (or null).
bool Unfilter(int type, std::uint8_t* row, const std::uint8_t* prior, std::size_t n, int bpp) {
    for (std::size_t i = 0; i < n; ++i) {
        const int a = i >= static_cast<std::size_t>(bpp) ? row[i - bpp] : 0;
        const int b = prior ? prior[i] : 0;
        const int c = prior && i >= static_cast<std::size_t>(bpp) ? prior[i - bpp] : 0;
        int add = 0;
        switch (type) {
            case 0:
                return true;
            case 1:
                add = a;
                break;
            case 2:
                add = b;
                break;
            case 3:
                add = (a + b) / 2;
                break;
            case 4:
                add = Paeth(a, b, c);
                break;
            default:
                return false;
        }
        row[i] = static_cast<std::uint8_t>(row[i] + add);
    }
    return true;
}

// Sample number i of a row, scaled to 0..255.
int Sample(const std::uint8_t* row, std::size_t i, int depth) {
    if (depth == 8) return row[i];
    if (depth == 16) return row[2 * i];
    const std::size_t bit = i * depth;
    const int v = (row[bit / 8] >> (8 - depth - bit % 8)) & ((1 << depth) - 1);
    return v * 255 / ((1 << depth) - 1);
}

Colour ColourAt(const std::uint8_t* row, int x, const Chunks& c) {
    const Header& h = c.header;
    const std::size_t first = static_cast<std::size_t>(x) * h.channels();
    if (h.colourType == 3) {
        const std::size_t bit = static_cast<std::size_t>(x) * h.depth;
        const std::size_t index = (row[bit / 8] >> (8 - h.depth - bit % 8)) & ((1 << h.depth) - 1);
        return index < c.palette.size() ? c.palette[index] : kBlack;
    }
    const int r = Sample(row, first, h.depth);
    if (h.colourType == 0 || h.colourType == 4) return RgbColour(r, r, r);
    return RgbColour(r, Sample(row, first + 1, h.depth), Sample(row, first + 2, h.depth));
}

bool DecodePasses(const Chunks& c, std::uint8_t* data, Image& image) {
    const Header& h = c.header;
    const int bpp = std::max(1, h.bitsPerPixel() / 8);
    const Pass* passes = h.interlaced ? kAdam7 : kWhole;
    for (int p = 0; p < (h.interlaced ? 7 : 1); ++p) {
        const int w = PassSize(h.width, passes[p].x0, passes[p].dx);
        const int rows = w ? PassSize(h.height, passes[p].y0, passes[p].dy) : 0;
        const std::size_t n = h.rowBytes(w);
        const std::uint8_t* prior = nullptr;
        for (int r = 0; r < rows; ++r) {
            std::uint8_t* row = data + 1;
            if (!Unfilter(data[0], row, prior, n, bpp)) return false;
            Pixel* out = image.row(passes[p].y0 + r * passes[p].dy);
            for (int x = 0; x < w; ++x)
                out[passes[p].x0 + x * passes[p].dx] = PixelOf(ColourAt(row, x, c));
            prior = row;
            data += 1 + n;
        }
    }
    return true;
}

}  // namespace

bool IsPng(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() >= sizeof kSignature &&
           std::memcmp(bytes.data(), kSignature, sizeof kSignature) == 0;
}

Decoded<Image> DecodePng(const std::vector<std::uint8_t>& file, int maxSide) {
    if (!IsPng(file)) return Decoded<Image>::Fail("it is not a PNG picture");
    Chunks c;
    const std::string why = ReadChunks(file, maxSide, c);
    if (!why.empty()) return Decoded<Image>::Fail(why);
    if (c.header.colourType == 3 && c.palette.empty())
        return Decoded<Image>::Fail("its colour table is missing");
    std::vector<std::uint8_t> raw(
        UnpackedSize(c.header, c.header.interlaced ? kAdam7 : kWhole, c.header.interlaced ? 7 : 1));
    if (!Inflate(c.data, raw))
        return Decoded<Image>::Fail("its image data is damaged or cut short");
    Image image(c.header.width, c.header.height);
    if (!DecodePasses(c, raw.data(), image))
        return Decoded<Image>::Fail("its image data is damaged");
    return Decoded<Image>::Ok(std::move(image));
}

}  // namespace pixlore
