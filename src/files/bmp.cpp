#include "files/bmp.h"

namespace pixlore {
namespace {

class LittleEndian {
  public:
    explicit LittleEndian(std::vector<std::uint8_t>& out) : out_(out) {}
    LittleEndian& u16(std::uint32_t v) { return put(v, 2); }
    LittleEndian& u32(std::uint32_t v) { return put(v, 4); }

  private:
    LittleEndian& put(std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    std::vector<std::uint8_t>& out_;
};

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Image& image) {
    const auto width = static_cast<std::uint32_t>(image.width());
    const auto height = static_cast<std::uint32_t>(image.height());
    const std::uint32_t stride = (width * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = stride * height;

    std::vector<std::uint8_t> out;
    out.reserve(kBmpHeaderBytes + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    LittleEndian(out)
        .u32(kBmpHeaderBytes + pixelBytes)  // file size
        .u16(0)                             // reserved
        .u16(0)
        .u32(kBmpHeaderBytes)  // pixel data offset
        .u32(40)               // information header size
        .u32(width)
        .u32(height)  // positive: bottom-up
        .u16(1)       // planes
        .u16(24)      // bits per pixel
        .u32(0)       // no compression
        .u32(pixelBytes)
        .u32(0)  // horizontal and vertical resolution
        .u32(0)
        .u32(0)  // colours used, important colours
        .u32(0);

    for (int y = image.height() - 1; y >= 0; --y) {
        const Pixel* row = image.row(y);
        for (int x = 0; x < image.width(); ++x) {
            out.push_back(static_cast<std::uint8_t>(row[x]));
            out.push_back(static_cast<std::uint8_t>(row[x] >> 8));
            out.push_back(static_cast<std::uint8_t>(row[x] >> 16));
        }
        out.resize(out.size() + (stride - width * 3));
    }
    return out;
}

}  // namespace pixlore
