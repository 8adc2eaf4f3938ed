// Small models of the formats of untrusted input, written from the formats' descriptions and
// apart from the program's readers, and the checks that hold the readers against them.
#include "fuzz/model/exchange_model.h"

#include <zlib.h>

#include <algorithm>
#include <bit>
#include <cstdlib>

#include "charmap/charmap.h"
#include "files/bmp.h"
#include "files/glyph_file.h"
#include "files/map_file.h"
#include "files/recovery_file.h"
#include "formats/bmp_decode.h"
#include "formats/glyph_clipboard.h"
#include "formats/lay_glyphs.h"
#include "formats/picture_import.h"
#include "formats/png_decode.h"
#include "formats/png_encode.h"
#include "formats/prg.h"
#include "formats/psf.h"
#include "fuzz/model/format_model.h"

namespace pixlore::model {
namespace {

// The little-endian number of `bytes` bytes at `at`; bytes past the end count as 0.
std::uint64_t Number(const Bytes& b, std::uint64_t at, int bytes) {
    return bytes ? Number(b, at + 1, bytes - 1) << 8 | (at < b.size() ? b[at] : 0) : 0;
}

// An uncompressed Windows bitmap, or nothing when the reader must refuse it. Bit-field masks
// must be one run of bits (or none). A pixel whose index lies past the colour table refuses
// the picture.
std::optional<Image> Bmp(const Bytes& b, int maxSide) {
    const std::uint64_t info = Number(b, 14, 4), bits = Number(b, 28, 2), kind = Number(b, 30, 4);
    const std::int64_t width = static_cast<std::int32_t>(Number(b, 18, 4)),
                       stored = static_cast<std::int32_t>(Number(b, 22, 4)),
                       height = std::abs(stored);
    const bool fields = kind == 3 && (bits == 16 || bits == 32);
    const bool plain = kind == 0 && (bits == 1 || bits == 4 || (bits % 8 == 0 && bits - 8 <= 24));
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || info < 40 || 14 + info > b.size() ||
        Number(b, 26, 2) != 1 || width < 1 || width > maxSide || height < 1 || height > maxSide ||
        !(fields || plain) || (fields && b.size() < 66))
        return std::nullopt;
    // A 32-bit mask's lowest bit; 32 for none, so that shifting by it stays defined.
    auto low = [](std::uint64_t mask) { return std::countr_zero(mask | std::uint64_t{1} << 32); };
    std::uint64_t masks[3] = {0xFF0000, 0xFF00, 0xFF};
    for (int i = 0; i < 3; ++i) {
        if (bits == 16) masks[i] = 0x1Fu << (10 - 5 * i);
        if (fields) masks[i] = Number(b, 54 + 4 * i, 4);
        const std::uint64_t run = masks[i] >> low(masks[i]);
        if (run & (run + 1)) return std::nullopt;
    }
    std::vector<Colour> table;
    const std::uint64_t used = Number(b, 46, 4), entries = used || bits > 8 ? used : 1u << bits;
    if (bits <= 8 && (entries > (1u << bits) || 14 + info + 4 * entries > b.size()))
        return std::nullopt;
    for (std::uint64_t at = 14 + info; bits <= 8 && table.size() < entries; at += 4)
        table.push_back(RgbColour(b[at + 2], b[at + 1], b[at]));
    const std::uint64_t offset = Number(b, 10, 4), stride = (width * bits + 31) / 32 * 4;
    if (offset + stride * height > b.size()) return std::nullopt;
    // Each channel is scaled from its run of mask bits to 0..255, rounding down.
    auto channel = [&](std::uint64_t p, std::uint64_t m) {
        return m ? static_cast<int>(((p & m) >> low(m)) * 255 / (m >> low(m))) : 0;
    };
    Image image(static_cast<int>(width), static_cast<int>(height));
    for (int y = 0; y < height; ++y) {
        const std::uint64_t row = offset + stride * (stored < 0 ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::uint64_t bit = x * bits, p = Number(b, row + bit / 8, int(bits + 7) / 8) >>
                                                        (bits < 8 ? 8 - bits - bit % 8 : 0) &
                                                    ((std::uint64_t{1} << bits) - 1);
            if (bits <= 8 && p >= table.size()) return std::nullopt;
            SetPixel(image, x, y,
                     bits <= 8 ? table[p]
                               : RgbColour(channel(p, masks[0]), channel(p, masks[1]),
                                           channel(p, masks[2])));
        }
    }
    return image;
}

// The glyph bytes of a plain (not gzip-compressed) PSF1 or PSF2 font of 8 x 8 glyphs.
std::optional<Bytes> PsfGlyphs(const Bytes& b) {
    std::uint64_t start = 4, count = b.size() > 2 && b[2] & 1 ? 512 : 256;
    if (Number(b, 0, 4) == 0x864AB572) {
        start = Number(b, 8, 4), count = Number(b, 16, 4);
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

// The ink and paper rule, true where a pixel is ink: paper is the palette's paper when the
// picture holds no other colours than the palette's two, else its most common colour. Ink is
// the colour farthest in brightness from paper. A pixel is ink when it is not paper and no
// nearer in brightness to paper than to ink.
std::vector<bool> Ink(const Image& picture, Palette palette) {
    std::vector<Colour> pixels, firsts;  // every pixel; every colour once, in the order met
    for (int i = 0; i < picture.width() * picture.height(); ++i) {
        pixels.push_back(picture.colourAt(i % picture.width(), i / picture.width()));
        if (std::ranges::find(firsts, pixels.back()) == firsts.end())
            firsts.push_back(pixels.back());
    }
    auto ofPalette = [&](Colour c) { return c == palette.InkColor || c == palette.PaperColor; };
    auto count = [&](Colour c) { return std::ranges::count(pixels, c); };
    auto light = [](Colour c) { return 299 * RedOf(c) + 587 * GreenOf(c) + 114 * BlueOf(c); };
    auto from = [&](Colour a, Colour b) { return std::abs(light(a) - light(b)); };
    // max_element keeps the first of equals: on a tie the colour met first wins.
    const Colour paper =
        palette.InkColor != palette.PaperColor && std::ranges::all_of(pixels, ofPalette)
            ? palette.PaperColor
            : *std::ranges::max_element(firsts, {}, count);
    const Colour ink =
        *std::ranges::max_element(firsts, {}, [&](Colour c) { return from(c, paper); });
    std::vector<bool> inked;
    for (Colour c : pixels)
        inked.push_back(c != paper && from(c, ink) <= from(c, paper));
    return inked;
}

constexpr int kMaxSide = 1024;

// Whatever a reader accepted, our writer of the format writes and the reader reads back,
// which also refuses a picture of an impossible size.
std::string Accepted(const Decoded<Image>& got, Bytes (*encode)(const Image&),
                     Decoded<Image> (*decode)(const Bytes&, int)) {
    if (!got.ok()) return got.reason.empty() ? "refused without a reason" : "";
    return decode(encode(*got.value), kMaxSide).value == got.value ? "" : "the round trip differs";
}

std::string SameFont(const Decoded<PsfFont>& got, const std::optional<Bytes>& want) {
    if (!got.ok()) return !want && !got.reason.empty() ? "" : "refused: " + got.reason;
    const bool whole = got.value->glyphs.size() == 8u * got.value->glyphCount;
    return got.value->glyphs == want && whole ? "" : "the glyphs differ from the model";
}

// The ink and paper rule on a picture of up to 16 x 16 pixels of up to eight colours: the
// first byte gives the number of colours, the second the size, the third the palette, then
// come the colours, then the pixels. The charset picture's layout around the rule is a matter
// for the tests: a picture of its size costs too much here.
std::string CheckPictureImport(const Bytes& input) {
    auto at = [&](std::size_t i) { return i < input.size() ? input[i] : std::uint8_t{0}; };
    const int count = 1 + at(0) % 8, width = 1 + at(1) % 16, height = 1 + at(1) / 16;
    auto colour = [&](int i) { return RgbColour(at(3 + 3 * i), at(4 + 3 * i), at(5 + 3 * i)); };
    Image picture(width, height);
    for (int i = 0; i < width * height; ++i)
        SetPixel(picture, i % width, i / width, colour(at(3 + 3 * count + i) % count));
    const Palette palette{colour(at(2) % count), colour(at(2) / 16 % count)};
    return InkPixels(picture, palette) == Ink(picture, palette) ? "" : "the ink differs";
}

// A recovery file as it comes and with its checksum made to fit, so that the checks behind
// it are reached too: what is taken encodes to the same bytes.
std::string CheckRecoveryFile(Bytes input) {
    for (int pass = 0; pass < 2; ++pass) {
        const Decoded<Session> session = DecodeSession(input.data(), input.size());
        if (session.ok() && EncodeSession(*session.value) != input) return "the session differs";
        if (input.size() < 4) break;
        const uLong crc = crc32(0, input.data(), static_cast<uInt>(input.size() - 4));
        for (int i = 0; i < 4; ++i)
            input[input.size() - 4 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
    }
    return {};
}

// From the input's first five bytes: the current character, the map's size, a seed for what
// the charset and the map hold before, and what the loaders get: the rest of the input (kind
// 0, five times in eight), a blank name (1), a folder (2) or a missing name in it (3). The
// input is laid in memory as a glyph file and as a map file; the results and the saves are
// held against the model.
std::string CheckFileFormats(const Bytes& input) {
    auto at = [&](std::size_t i) { return i < input.size() ? input[i] : std::uint8_t{0}; };
    const int current = at(0), seed = at(3), kind = at(4) % 8 < 5 ? 0 : at(4) % 8 - 4;
    const Bytes content(input.begin() + std::min<std::size_t>(5, input.size()), input.end());
    const std::string name = kind == 1 ? "  " : kind == 2 ? "/proc" : "/proc/missing";
    Glyphs before;
    for (std::size_t i = 0; i < before.size(); ++i)
        before[i] = static_cast<std::uint8_t>(i * 7 + seed);
    Charset charset = before;
    if (kind == 0)
        LayGlyphRows(charset, current, content);
    else if (pixlore::LoadGlyphs(charset, current, name) !=
             (kind == 1 ? GlyphLoad::BlankName : GlyphLoad::NoFile))
        return "glyph file: wrong outcome";
    const Glyphs glyphs = kind == 0 ? model::LoadGlyphs(before, current, content) : before;
    if (charset != glyphs) return "glyph file: the charset differs from the model";
    for (int count : {768, 1024, 2048}) {
        const std::optional<Bytes> saved = model::SaveGlyphs(glyphs, current, count);
        if (GlyphFileFits(current, count) != saved.has_value() ||
            (saved && GlyphFileBytes(charset, current, count) != *saved))
            return "glyph file: a save of " + std::to_string(count) + " bytes differs";
    }
    CharMap map;
    Cells cells;
    for (std::size_t i = 0; i < map.cells.size(); ++i)
        cells.cell[i] = map.cells[i] = static_cast<std::uint8_t>(i * 13 + seed);
    cells.width = map.MapWidth = 1 + at(1) % CharMap::kMaxWidth;
    cells.height = map.MapHeight = 1 + at(2) % CharMap::kMaxHeight;
    const bool fits = kind == 0 && content.size() <= std::size_t(map.MapWidth * map.MapHeight);
    if ((kind == 0 ? LayMapCells(map, content)
                   : pixlore::LoadMap(map, name) != MapLoad::CannotOpen) != fits)
        return "map file: wrong outcome";
    const Cells expected = fits ? model::LoadMap(cells, content) : cells;
    if (!std::equal(expected.cell.begin(), expected.cell.end(), map.cells.begin()) ||
        map.MapWidth != cells.width || map.MapHeight != cells.height || map.PopupCellX != -1)
        return "map file: the map differs from the model";
    return MapFileBytes(map) == model::SaveMap(expected) ? "" : "map file: the save differs";
}

using Check = std::string (*)(const Bytes&);
const std::pair<const char*, Check> kChecks[] = {
    {"bmp",
     [](const Bytes& file) {
         const Decoded<Image> got = DecodeBmp(file, kMaxSide);
         if (got.value == Bmp(file, kMaxSide)) return Accepted(got, EncodeBmp, DecodeBmp);
         return got.ok() ? "the picture differs from the model" : "refused: " + got.reason;
     }},
    {"png",
     [](const Bytes& file) { return Accepted(DecodePng(file, kMaxSide), EncodePng, DecodePng); }},
    // Compressed fonts meet the model in the gzip target; here whatever they give must hold.
    {"psf",
     [](const Bytes& file) {
         const Decoded<PsfFont> got = DecodePsf(file);
         const bool packed = file.size() >= 2 && file[0] == 0x1F && file[1] == 0x8B && got.ok();
         return SameFont(got, packed ? std::optional(got.value->glyphs) : PsfGlyphs(file));
     }},
    // A gzip-compressed font holds the same glyphs as the plain one, and refuses a cut.
    {"psf_gzip",
     [](const Bytes& input) {
         if (input.empty()) return std::string();
         const Bytes plain(input.begin() + 1, input.end());
         Bytes packed = Gzip(plain, input[0] % 10);
         const std::string fault = SameFont(DecodePsf(packed), PsfGlyphs(plain));
         packed.resize(packed.size() - 1 - input[0] % packed.size());
         return fault.empty() && DecodePsf(packed).ok() ? "read a cut gzip stream" : fault;
     }},
    {"prg",
     [](const Bytes& file) {
         const Decoded<Prg> got = DecodePrg(file);
         const bool fits =
             file.size() >= 3 && (file[0] | file[1] << 8) + file.size() - 2 <= 0x10000;
         const bool same = got.ok() ? EncodePrg(got.value->loadAddress, got.value->data) == file
                                    : !got.reason.empty();
         return std::string(got.ok() == fits && same ? "" : "the program differs from the file");
     }},
    {"picture_import", CheckPictureImport},
    // Clipboard bytes as text and as our own type: a text reads back the same from the text a
    // copy writes of it; our own type gives whole glyphs, a charset at most.
    {"clipboard",
     [](const Bytes& input) {
         const auto own = GlyphsFromOwnBytes(input);
         const auto text = GlyphsFromText(std::string(input.begin(), input.end()));
         if (own && (own->empty() || own->size() % 8 != 0 || own->size() > kCharsetBytes))
             return std::string("our own type gave no whole glyphs");
         const bool same = !text || GlyphsFromText(ValuesText(*text, kGlyphBytes)) == text;
         return std::string(same ? "" : "the text differs");
     }},
    {"recovery_file", [](const Bytes& file) { return CheckRecoveryFile(file); }},
    {"file_formats", CheckFileFormats},
};

}  // namespace

Bytes Gzip(const Bytes& plain, int level) {
    z_stream zs{};
    // A small window and hash: a fuzz input is short, and each input costs their setting up.
    // Their bound on the packed size is deflateBound's, larger than compressBound's.
    deflateInit2(&zs, level, Z_DEFLATED, 16 + 9, 1, Z_DEFAULT_STRATEGY);
    Bytes packed(deflateBound(&zs, static_cast<uLong>(plain.size())));
    zs.next_in = const_cast<Bytef*>(plain.data()), zs.avail_in = static_cast<uInt>(plain.size());
    zs.next_out = packed.data(), zs.avail_out = static_cast<uInt>(packed.size());
    deflate(&zs, Z_FINISH);
    packed.resize(zs.total_out);
    deflateEnd(&zs);
    return packed;
}

std::string CheckDecoder(const std::string& name, const std::uint8_t* data, std::size_t size) {
    for (const auto& [which, check] : kChecks)
        if (name == which) return check(Bytes(data, data + size));
    return "no decoder " + name;
}

}  // namespace pixlore::model
