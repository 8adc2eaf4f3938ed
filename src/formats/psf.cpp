#include "formats/psf.h"

#include <algorithm>
#include <string>

#include "formats/byte_reader.h"
#include "formats/gzip.h"

namespace pixlore {
namespace {

constexpr std::uint8_t kPsf1Magic[2] = {0x36, 0x04};
constexpr std::uint8_t kPsf2Magic[4] = {0x72, 0xB5, 0x4A, 0x86};
constexpr int kPsf1Has512 = 0x01;
constexpr int kPsf1KnownModes = 0x07;
constexpr std::uint32_t kPsf2HeaderBytes = 32;
// The largest font worth unpacking: 64K glyphs of 32 x 32 pixels and a Unicode table.
constexpr std::size_t kMaxUnpacked = 16u << 20;

std::string SizeText(std::uint64_t width, std::uint64_t height) {
    return "its glyphs are " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels; only fonts of 8 x 8 pixels can be read";
}

Decoded<PsfFont> Glyphs(const std::vector<std::uint8_t>& b, std::size_t offset,
                        std::uint64_t count) {
    const std::uint64_t needed = count * kGlyphBytes;
    if (offset + needed > b.size())
        return Decoded<PsfFont>::Fail("the font is cut short: its " + std::to_string(count) +
                                      " glyphs need " + std::to_string(needed) +
                                      " bytes and the file has " +
                                      std::to_string(b.size() - offset));
    PsfFont font;
    font.glyphCount = static_cast<int>(count);
    font.glyphs.assign(b.begin() + static_cast<std::ptrdiff_t>(offset),
                       b.begin() + static_cast<std::ptrdiff_t>(offset + needed));
    return Decoded<PsfFont>::Ok(std::move(font));
}

Decoded<PsfFont> DecodePsf1(const std::vector<std::uint8_t>& b) {
    if (b.size() < 4) return Decoded<PsfFont>::Fail("its header is cut short");
    const int mode = b[2];
    if (mode & ~kPsf1KnownModes) return Decoded<PsfFont>::Fail("its header is damaged");
    if (b[3] != 8) return Decoded<PsfFont>::Fail(SizeText(8, b[3]));
    return Glyphs(b, 4, mode & kPsf1Has512 ? 512 : 256);
}

Decoded<PsfFont> DecodePsf2(const std::vector<std::uint8_t>& b) {
    if (b.size() < kPsf2HeaderBytes) return Decoded<PsfFont>::Fail("its header is cut short");
    const std::uint32_t version = LittleU32(b, 4), headerSize = LittleU32(b, 8),
                        length = LittleU32(b, 16);
    const std::uint32_t charSize = LittleU32(b, 20), height = LittleU32(b, 24),
                        width = LittleU32(b, 28);
    if (version != 0 || headerSize < kPsf2HeaderBytes || length == 0 ||
        charSize != std::uint64_t{height} * ((std::uint64_t{width} + 7) / 8))
        return Decoded<PsfFont>::Fail("its header is damaged");
    if (width != 8 || height != 8) return Decoded<PsfFont>::Fail(SizeText(width, height));
    if (headerSize > b.size()) return Decoded<PsfFont>::Fail("its header is cut short");
    return Glyphs(b, headerSize, length);
}

template <std::size_t N>
bool StartsWith(const std::vector<std::uint8_t>& b, const std::uint8_t (&magic)[N]) {
    if (b.size() < N) return false;
    for (std::size_t i = 0; i < N; ++i)
        if (b[i] != magic[i]) return false;
    return true;
}

Decoded<PsfFont> DecodeUnpacked(const std::vector<std::uint8_t>& b) {
    if (StartsWith(b, kPsf2Magic)) return DecodePsf2(b);
    if (StartsWith(b, kPsf1Magic)) return DecodePsf1(b);
    return Decoded<PsfFont>::Fail("it is not a PSF font");
}

}  // namespace

Decoded<PsfFont> DecodePsf(const std::vector<std::uint8_t>& file) {
    if (!IsGzip(file)) return DecodeUnpacked(file);
    const auto unpacked = Gunzip(file, kMaxUnpacked);
    if (!unpacked.ok()) return Decoded<PsfFont>::Fail(unpacked.reason);
    return DecodeUnpacked(*unpacked.value);
}

std::vector<std::uint8_t> EncodePsf1(const Charset& charset) {
    std::vector<std::uint8_t> out(4 + charset.size());
    out[0] = kPsf1Magic[0];
    out[1] = kPsf1Magic[1];
    out[2] = 0;  // 256 glyphs, no Unicode table
    out[3] = kGlyphBytes;
    std::copy(charset.begin(), charset.end(), out.begin() + 4);
    return out;
}

}  // namespace pixlore
