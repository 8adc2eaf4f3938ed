#include "charset/builtin_charsets.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "charset/glyph_ops.h"
#include "reference_charsets.h"

namespace pixlore {
namespace {

struct MachineCase {
    const char* file;
    BuiltInCharset preset;
    bool inverseFill;
    Colour ink;
    Colour paper;
};

const MachineCase kMachines[] = {
    {"ibm-pc-cga.bin", BuiltInCharset::IbmPcCga, false, 0xFFFFFF, 0x000000},
    {"ibm-pc-866.bin", BuiltInCharset::IbmPc866, false, 0xFFFFFF, 0x000000},
    {"zx-spectrum.bin", BuiltInCharset::ZxSpectrum, false, 0x000000, 0xCBCBCB},
    {"zx80.bin", BuiltInCharset::Zx80, true, 0x000000, 0xFFFFFF},
    {"jupiter-ace.bin", BuiltInCharset::JupiterAce, true, 0xFFFFFF, 0x000000},
    {"c64-caps.bin", BuiltInCharset::C64Caps, false, 0xEB6D70, 0x9B2C2E},
    {"atari-xl.bin", BuiltInCharset::AtariXl, true, 0xFDAE61, 0x9D4E01},
    {"microsha.bin", BuiltInCharset::Microsha, true, 0xFFFFFF, 0x000000},
};

// A charset of varied bytes, so a byte written where it should not be (or left where it should
// be written) shows.
Charset Scribbled() {
    Charset charset;
    for (std::size_t i = 0; i < charset.size(); ++i)
        charset[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return charset;
}

const Palette kOddColours{0x123456, 0x654321};

Charset Loaded(BuiltInCharset preset, Charset charset = {}) {
    Palette palette;
    LoadBuiltInCharset(charset, palette, preset);
    return charset;
}

bool GlyphIs(const Charset& charset, int code, std::uint8_t row) {
    for (int r = 0; r < kGlyphBytes; ++r)
        if (GlyphAt(charset, code)[r] != row) return false;
    return true;
}

bool GlyphIsInverseOf(const Charset& charset, int code, int of) {
    for (int r = 0; r < kGlyphBytes; ++r)
        if (GlyphAt(charset, code)[r] != (GlyphAt(charset, of)[r] ^ 0xFF)) return false;
    return true;
}

TEST(LoadBuiltInCharset, WritesTheTableItsInverseAndTheColoursAndNothingElse) {
    for (const MachineCase& m : kMachines) {
        SCOPED_TRACE(m.file);
        const std::vector<std::uint8_t> reference = ReadReferenceCharset(m.file);
        ASSERT_FALSE(reference.empty());
        const std::size_t n = reference.size();
        const std::size_t written = m.inverseFill ? 2 * n : n;
        const Charset before = Scribbled();
        Charset charset = before;
        Palette palette = kOddColours;
        LoadBuiltInCharset(charset, palette, m.preset);

        for (std::size_t i = 0; i < charset.size(); ++i) {
            const std::uint8_t expected = i < n         ? reference[i]
                                          : i < written ? reference[i - n] ^ 0xFF
                                                        : before[i];
            ASSERT_EQ(charset[i], expected) << "byte " << i;
        }
        EXPECT_EQ(palette.InkColor, m.ink);
        EXPECT_EQ(palette.PaperColor, m.paper);
    }
}

TEST(LoadBuiltInCharset, MachineExamples) {
    // ZX80: its 64 glyphs, their inverse at 64..127, and nothing beyond.
    Charset drawn = Scribbled();
    Charset zx80 = Loaded(BuiltInCharset::Zx80, drawn);
    EXPECT_TRUE(GlyphIs(zx80, 64, 0xFF));
    EXPECT_TRUE(GlyphIsInverseOf(zx80, 100, 36));
    EXPECT_TRUE(std::equal(zx80.begin() + 128 * 8, zx80.end(), drawn.begin() + 128 * 8));

    // ZX Spectrum: no inverse half, so a glyph drawn at 200 survives.
    Charset spectrum{};
    PaintGlyphPixel(spectrum, 200, 3, 4, true);
    spectrum = Loaded(BuiltInCharset::ZxSpectrum, spectrum);
    EXPECT_EQ(GlyphAt(spectrum, 200)[4], 0x10);
    EXPECT_TRUE(GlyphIs(spectrum, 143, 0xFF));
    for (int code = 0; code <= 32; ++code)
        EXPECT_TRUE(GlyphIs(spectrum, code, 0)) << code;
    EXPECT_TRUE(GlyphIs(spectrum, 128, 0));

    const Charset atari = Loaded(BuiltInCharset::AtariXl);
    EXPECT_TRUE(GlyphIs(atari, 128, 0xFF));
    EXPECT_TRUE(GlyphIsInverseOf(atari, 161, 33));

    // C64's reverse @ differs from the exact inverse in row 5; the ROM's glyph is kept.
    const Charset c64 = Loaded(BuiltInCharset::C64Caps);
    EXPECT_EQ(GlyphAt(c64, 128)[5], 0x99);
    EXPECT_FALSE(GlyphIsInverseOf(c64, 128, 0));
    EXPECT_TRUE(GlyphIsInverseOf(c64, 129, 1));
}

TEST(LoadBuiltInCharset, HexNumbersRebuildsEveryGlyphInWhiteOnBlack) {
    Charset charset;
    charset.fill(0xFF);
    Palette palette = kOddColours;
    LoadBuiltInCharset(charset, palette, BuiltInCharset::C64Caps);
    LoadBuiltInCharset(charset, palette, BuiltInCharset::HexNumbers);
    EXPECT_EQ(palette, (Palette{0xFFFFFF, 0x000000}));

    const std::array<std::uint8_t, 8> zero = {0x00, 0x44, 0xAA, 0xEE, 0xAA, 0x44, 0x00, 0x00};
    const std::array<std::uint8_t, 8> x1a = {0x00, 0x44, 0xCA, 0x4E, 0x4A, 0xEA, 0x00, 0x00};
    const std::array<std::uint8_t, 8> xff = {0x00, 0xEE, 0x88, 0xCC, 0x88, 0x88, 0x00, 0x00};
    EXPECT_TRUE(std::equal(zero.begin(), zero.end(), GlyphAt(charset, 0)));
    EXPECT_TRUE(std::equal(x1a.begin(), x1a.end(), GlyphAt(charset, 0x1A)));
    EXPECT_TRUE(std::equal(xff.begin(), xff.end(), GlyphAt(charset, 0xFF)));

    // Nothing of the previous charset may show through: rows 0, 6 and 7 and the columns
    // between and after the digits stay empty in every glyph.
    for (int code = 0; code < kGlyphCount; ++code) {
        const std::uint8_t* glyph = GlyphAt(charset, code);
        EXPECT_EQ(glyph[0] | glyph[6] | glyph[7], 0) << code;
        for (int r = 1; r <= 5; ++r)
            EXPECT_EQ(glyph[r] & 0x11, 0) << code;
    }
}

// Each pair of digits drawn out, rows 1..5, so a wrong bit in any digit's shape shows.
TEST(LoadBuiltInCharset, HexNumbersDrawsEverySixteenDigits) {
    const int codes[] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    const char* const rows[] = {
        ".#...#.. .#..###. #.#.###. .##.###. .##..#.. .#..##.. .#..##.. ###.###.",
        "#.#.##.. #.#...#. #.#.#... #.....#. #.#.#.#. #.#.#.#. #.#.#.#. #...#...",
        "###..#.. ..#..#.. ###.##.. ##...#.. .#...##. ###.##.. #...#.#. ##..##..",
        "#.#..#.. .#....#. ..#...#. #.#.#... #.#...#. #.#.#.#. #.#.#.#. #...#...",
        ".#..###. ###.##.. ..#.##.. .#..#... ##..##.. #.#.##.. .#..##.. ###.#...",
    };
    const Charset charset = Loaded(BuiltInCharset::HexNumbers);
    for (int g = 0; g < 8; ++g)
        for (int r = 0; r < 5; ++r) {
            std::string shown;
            for (int column = 0; column < 8; ++column)
                shown += (GlyphAt(charset, codes[g])[r + 1] & (0x80 >> column)) ? '#' : '.';
            EXPECT_EQ(shown, std::string(rows[r] + 9 * g, 8)) << "glyph " << codes[g];
        }
}

}  // namespace
}  // namespace pixlore
