#include "formats/psf.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>

#include "tool_run.h"

namespace pixlore {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Psf1(int mode, int height, int glyphBytes) {
    Bytes b = {0x36, 0x04, static_cast<std::uint8_t>(mode), static_cast<std::uint8_t>(height)};
    for (int i = 0; i < glyphBytes; ++i)
        b.push_back(static_cast<std::uint8_t>(i * 13));
    return b;
}

void PutU32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

struct Psf2Header {
    std::uint32_t version = 0, headerSize = 32, flags = 0, length = 3, charSize = 8, height = 8,
                  width = 8;
};

Bytes Psf2(const Psf2Header& h, int glyphBytes) {
    Bytes b = {0x72, 0xB5, 0x4A, 0x86};
    for (std::uint32_t v :
         {h.version, h.headerSize, h.flags, h.length, h.charSize, h.height, h.width})
        PutU32(b, v);
    b.resize(std::max<std::size_t>(b.size(), h.headerSize), 0xEE);
    for (int i = 0; i < glyphBytes; ++i)
        b.push_back(static_cast<std::uint8_t>(200 - i));
    return b;
}

Bytes Gzip(const Bytes& raw) {
    z_stream zs{};
    deflateInit2(&zs, 9, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    Bytes out(deflateBound(&zs, raw.size()) + 32);
    zs.next_in = const_cast<Bytef*>(raw.data());
    zs.avail_in = static_cast<uInt>(raw.size());
    zs.next_out = out.data();
    zs.avail_out = static_cast<uInt>(out.size());
    deflate(&zs, Z_FINISH);
    out.resize(zs.total_out);
    deflateEnd(&zs);
    return out;
}

TEST(Psf, WritesPsf1With256GlyphsAndNoTable) {
    Charset charset{};
    for (int i = 0; i < kCharsetBytes; ++i)
        charset[i] = static_cast<std::uint8_t>(i ^ (i >> 8));
    const Bytes file = EncodePsf1(charset);
    ASSERT_EQ(file.size(), 4u + 2048u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 4), (Bytes{0x36, 0x04, 0x00, 0x08}));
    const auto font = DecodePsf(file);
    ASSERT_TRUE(font.ok()) << font.reason;
    EXPECT_EQ(font.value->glyphCount, 256);
    EXPECT_TRUE(std::equal(charset.begin(), charset.end(), font.value->glyphs.begin()));
    // And the same compressed.
    const auto packed = DecodePsf(Gzip(file));
    ASSERT_TRUE(packed.ok()) << packed.reason;
    EXPECT_EQ(packed.value->glyphs, font.value->glyphs);
}

TEST(Psf, ReadsEveryKindOf8x8Font) {
    struct Case {
        const char* what;
        Bytes file;
        int glyphs;
        std::size_t firstGlyphAt;
    };
    Psf2Header longHeader;
    longHeader.headerSize = 40;
    longHeader.flags = 1;  // a Unicode table follows; it is not needed
    Bytes withTable = Psf1(0x02, 8, 2048);
    withTable.insert(withTable.end(), {0x41, 0x00, 0xFF, 0xFF});
    const Case cases[] = {
        {"PSF1 256", Psf1(0, 8, 2048), 256, 4},
        {"PSF1 512", Psf1(0x01, 8, 4096), 512, 4},
        {"PSF1 with table", withTable, 256, 4},
        {"PSF2", Psf2({}, 24), 3, 32},
        {"PSF2 long header", Psf2(longHeader, 24), 3, 40},
        {"PSF2 gzip", Gzip(Psf2({}, 24)), 3, 32},
    };
    for (const Case& c : cases) {
        const auto font = DecodePsf(c.file);
        ASSERT_TRUE(font.ok()) << c.what << ": " << font.reason;
        EXPECT_EQ(font.value->glyphCount, c.glyphs) << c.what;
        ASSERT_EQ(font.value->glyphs.size(), 8u * c.glyphs) << c.what;
        const Bytes raw = c.file[0] == 0x1F ? Psf2({}, 24) : c.file;
        EXPECT_TRUE(std::equal(font.value->glyphs.begin(), font.value->glyphs.end(),
                               raw.begin() + static_cast<std::ptrdiff_t>(c.firstGlyphAt)))
            << c.what;
    }
}

TEST(Psf, RefusesWhatItCannotTakeWithAReason) {
    Psf2Header tall, wide, version, charSize, empty, shortHeader, huge;
    tall.height = 16, tall.charSize = 16;
    wide.width = 9, wide.charSize = 16;
    version.version = 1;
    charSize.charSize = 9;
    empty.length = 0;
    shortHeader.headerSize = 20;
    huge.length = 0x40000000;
    Bytes cutGzip = Gzip(Psf1(0, 8, 2048));
    cutGzip.resize(cutGzip.size() / 2);
    struct Case {
        const char* what;
        Bytes file;
        const char* reason;
    };
    const Case cases[] = {
        {"empty", {}, "it is not a PSF font"},
        {"text", {'h', 'e', 'l', 'l', 'o'}, "it is not a PSF font"},
        {"PSF1 8x16", Psf1(0, 16, 4096),
         "its glyphs are 8 x 16 pixels; only fonts of 8 x 8 pixels can be read"},
        {"PSF2 8x16", Psf2(tall, 48),
         "its glyphs are 8 x 16 pixels; only fonts of 8 x 8 pixels can be read"},
        {"PSF2 9x8", Psf2(wide, 48),
         "its glyphs are 9 x 8 pixels; only fonts of 8 x 8 pixels can be read"},
        {"PSF1 bad mode", Psf1(0x10, 8, 2048), "its header is damaged"},
        {"PSF2 version", Psf2(version, 24), "its header is damaged"},
        {"PSF2 char size", Psf2(charSize, 24), "its header is damaged"},
        {"PSF2 no glyphs", Psf2(empty, 0), "its header is damaged"},
        {"PSF2 short header size", Psf2(shortHeader, 24), "its header is damaged"},
        {"PSF1 header cut", {0x36, 0x04, 0x00}, "its header is cut short"},
        {"PSF2 header cut", Bytes{0x72, 0xB5, 0x4A, 0x86, 0, 0}, "its header is cut short"},
        {"PSF1 glyphs cut", Psf1(0, 8, 2047),
         "the font is cut short: its 256 glyphs need 2048 bytes and the file has 2047"},
        {"PSF1 512 cut", Psf1(0x01, 8, 2048),
         "the font is cut short: its 512 glyphs need 4096 bytes and the file has 2048"},
        {"PSF2 huge count", Psf2(huge, 24),
         "the font is cut short: its 1073741824 glyphs need 8589934592 bytes and the file has 24"},
        {"gzip cut", cutGzip, "its gzip data is damaged or cut short"},
        {"gzip of text", Gzip({'h', 'i'}), "it is not a PSF font"},
    };
    for (const Case& c : cases) {
        const auto font = DecodePsf(c.file);
        EXPECT_FALSE(font.ok()) << c.what;
        EXPECT_EQ(font.reason, c.reason) << c.what;
    }
}

TEST(Psf, RefusesGzipThatUnpacksBeyondAnyFont) {
    Bytes bomb = Psf1(0, 8, 2048);
    bomb.resize(17u << 20);
    const auto font = DecodePsf(Gzip(bomb));
    EXPECT_FALSE(font.ok());
    EXPECT_EQ(font.reason, "it unpacks to more than any font holds");
}

// Every 8 x 8 console font the system ships loads, with the glyphs its file holds (read back
// here through zlib's own gzip file reader); every other font is refused for its size only.
TEST(Psf, EveryShipped8x8ConsoleFontLoads) {
    const std::filesystem::path folder = "/usr/share/consolefonts";
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no console fonts installed";
    int loaded = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.find(".psf") == std::string::npos) continue;
        const auto font = DecodePsf(testing::ReadBytes(entry.path().string()));
        if (!font.ok()) {
            EXPECT_NE(font.reason.find("only fonts of 8 x 8 pixels"), std::string::npos)
                << name << ": " << font.reason;
            continue;
        }
        ++loaded;
        gzFile in = gzopen(entry.path().c_str(), "rb");
        ASSERT_NE(in, nullptr) << name;
        Bytes raw(1 << 20);
        raw.resize(
            static_cast<std::size_t>(gzread(in, raw.data(), static_cast<unsigned>(raw.size()))));
        gzclose(in);
        const std::size_t header = raw[0] == 0x36 ? 4 : raw[8];
        ASSERT_GE(raw.size(), header + font.value->glyphs.size()) << name;
        EXPECT_TRUE(std::equal(font.value->glyphs.begin(), font.value->glyphs.end(),
                               raw.begin() + static_cast<std::ptrdiff_t>(header)))
            << name;
    }
    // kbd and console-data ship 38 of them.
    EXPECT_GE(loaded, 30);
}

TEST(Psf, KbdReadsWhatWeWriteWithoutComplaint) {
    if (!testing::HaveTool("psfxtable")) GTEST_SKIP() << "kbd's psfxtable is not installed";
    testing::TempFolder folder;
    Charset charset{};
    for (int i = 0; i < kCharsetBytes; ++i)
        charset[i] = static_cast<std::uint8_t>(i * 29);
    testing::WriteBytes(folder / "ours.psf", EncodePsf1(charset));
    const std::string command = "psfxtable -i '" + folder / "ours.psf" + "' -o '" +
                                folder / "copy.psf" + "' >'" + folder / "log.txt" + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    const Bytes log = testing::ReadBytes(folder / "log.txt");
    EXPECT_TRUE(log.empty()) << std::string(log.begin(), log.end());
    const auto copy = DecodePsf(testing::ReadBytes(folder / "copy.psf"));
    ASSERT_TRUE(copy.ok()) << copy.reason;
    EXPECT_TRUE(std::equal(charset.begin(), charset.end(), copy.value->glyphs.begin()));
}

}  // namespace
}  // namespace pixlore
