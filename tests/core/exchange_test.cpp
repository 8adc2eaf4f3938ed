// What goes to and comes from other programs: the codes of typed characters, the numbers of a
// pasted text, a pasted picture cut into glyphs, and the source text of an export; and what the
// import reads: PC screen fonts and BMP or PNG pictures of a charset, each taken whole or
// refused with a reason, and the inputs kept from the fuzz runs.
#include "charset/text_codes.h"
#include "formats/assembler_source.h"
#include "formats/c_source.h"
#include "formats/export_settings.h"
#include "formats/glyph_clipboard.h"
#include "formats/identifier.h"
#include "formats/picture_import.h"
#include "formats/psf.h"
#include "fuzz/model/exchange_model.h"
#include "support.h"
#include "views/charset_view.h"

namespace pixlore {
namespace {

using namespace testing;

TEST(Exchange, WellKnownTextCodes) {
    using enum TextCodes;
    // clang-format off
    struct Row { TextCodes set; char32_t c; int code; } rows[] = {  // code -1: the set has none
        {Windows1252, U'A', 65}, {Windows1252, U'€', 0x80}, {Windows1252, U'é', 0xE9},
        {Windows1252, U'\u0081', -1}, {Ibm866, U'А', 0x80}, {Ibm866, U'р', 0xE0},
        {Ibm866, U'Ё', 0xF0}, {Ibm866, U'é', -1}, {C64Screen, U'@', 0}, {C64Screen, U'a', 1},
        {C64Screen, U' ', 32}, {C64Screen, U'_', -1}, {AtariScreen, U' ', 0},
        {AtariScreen, U'A', 33}, {AtariScreen, U'a', 97}, {Zx80Zx81, U' ', 0}, {Zx80Zx81, U'0', 28},
        {Zx80Zx81, U'A', 38}, {Zx80Zx81, U'!', -1}, {Microsha, U'А', 97}, {Microsha, U'я', 113}};
    // clang-format on
    for (const Row& r : rows)
        EXPECT_EQ(std::optional<int>(CodeOfCharacter(r.set, r.c)).value_or(-1), r.code)
            << int(r.set) << " " << r.code;
}

TEST(Exchange, PastedNumbersAndOwnBytes) {
    const Bytes g = {1, 2, 3, 4, 5, 6, 9, 255};
    // clang-format off
    struct Row { std::string text; std::optional<Bytes> glyphs; } rows[] = {
        {ValuesText(g, 8), g}, {"1,2,3,4,5,6,9,255", g}, {" $1,,0x2\t3\r\n004 $05 0X6 9 $fF ", g},
        {"1 2 3 4 5 6 7", {}}, {"1 2 3 4 5 6 7 256", {}}, {"1 2 3 4 5 6 7 -1", {}},
        {"1 2 3 4 5 6 7 $", {}}, {"1 2 3 4 5 6 7 6A", {}}, {"db 1,2,3,4,5,6,7,8", {}}, {"", {}}};
    // clang-format on
    for (const Row& r : rows)
        EXPECT_EQ(GlyphsFromText(r.text), r.glyphs) << "text \"" << r.text << "\"";
    // Our own form on the clipboard is taken only as whole glyphs, at most a charset of them.
    const std::pair<std::size_t, bool> own[] = {{8, true},  {2048, true}, {0, false},
                                                {9, false}, {7, false},   {2056, false}};
    for (auto [size, taken] : own)
        EXPECT_EQ(GlyphsFromOwnBytes(Bytes(size, 0x5A)),
                  taken ? std::optional(Bytes(size, 0x5A)) : std::nullopt)
            << size;
}

// Pictures at one pixel a glyph pixel; the doubled ones come through the desktop test.
TEST(Exchange, PicturesCutIntoGlyphs) {
    const Charset charset = CharsetOf(Pattern(2048, 0));
    const Palette c64{RgbColour(0x6C, 0x5E, 0xB5), RgbColour(0x35, 0x28, 0x79)};
    const Image doubled = GlyphsPicture(charset, c64, {65, 84});  // 16 and 4 glyphs, 12 paper
    Image picture(doubled.width() / 2, doubled.height() / 2);
    for (int i = 0; i < picture.width() * picture.height(); ++i)
        picture.data()[i] = doubled.row(i / picture.width() * 2)[i % picture.width() * 2];
    Bytes glyphs(GlyphAt(charset, 65), GlyphAt(charset, 85));
    glyphs.resize(32 * 8);
    EXPECT_EQ(GlyphsFromPicture(picture, c64), glyphs);
    EXPECT_EQ(GlyphsFromPicture(CopyRect(picture, 0, 0, 12, 8), c64), std::nullopt);
}

// Glyphs 65 and 66, and a 3 x 2 map whose spare column and a code above 255 must not show.
TEST(Export, SourceText) {
    Charset charset{};
    std::copy_n("\x18\x3C\x66\x7E\x66\x66\x00\xFF\xA0\x09\x0A\xF0\x01\x02\x03\x04", 16,
                GlyphAt(charset, 65));
    CharMap map;
    InitCharMap(map);
    SetMapSize(map, 3, 2);
    map.at(3, 0) = 99, map.at(2, 1) = 300;
    const ByteBlock two = GlyphBlock(charset, {65, 66}), cells = MapBlock(map);
    SetMapSize(map, 1, 2);  // a line of one value each
    const std::pair<std::string, const char*> rows[] = {
        {AssemblerSource(two, {Directive::Byte, ValueStyle::Dollar, "font"}),
         "font:\n\t.byte $18, $3C, $66, $7E, $66, $66, $00, $FF\n\t.byte $A0, $09, $0A, $F0, $01, "
         "$02, $03, $04\nFONT_COUNT = 16\n"},
        // x86 assemblers take $ and a letter for a symbol: "db" writes such a value with a 0.
        {AssemblerSource(two, {Directive::Db, ValueStyle::Dollar, "f"}),
         "f:\n\tdb $18, $3C, $66, $7E, $66, $66, $00, $0FF\n\tdb $0A0, $09, $0A, $0F0, $01, $02, "
         "$03, $04\nF_COUNT equ 16\n"},
        {AssemblerSource(two, {Directive::Defb, ValueStyle::Decimal, "f"}),
         "f:\n\tdefb 24, 60, 102, 126, 102, 102, 0, 255\n\tdefb 160, 9, 10, 240, 1, 2, 3, "
         "4\nF_COUNT equ 16\n"},
        {AssemblerSource(cells, {Directive::AcmeByte, ValueStyle::ZeroX, "screen"}),
         "screen:\n\t!byte 0x00, 0x01, 0x02\n\t!byte 0x01, 0x02, 0x2C\nSCREEN_COUNT = 6\n"},
        {AssemblerSource(MapBlock(map), {Directive::Byte, ValueStyle::Decimal, "m"}),
         "m:\n\t.byte 0\n\t.byte 1\nM_COUNT = 2\n"},
        {CSource(MapBlock(map), "m"),
         "/* character map, 1 x 2 cells */\n#define M_COUNT 2\nconst unsigned char m[2] = {\n    "
         "0x00,\n    0x01,\n};\n"},
        {CSource(two, "font"),
         "/* 2 glyphs of 8 x 8 pixels from code 65, 8 bytes each, top row first */\n#define "
         "FONT_COUNT 16\nconst unsigned char font[16] = {\n    0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, "
         "0x00, 0xFF, /* 65 */\n    0xA0, 0x09, 0x0A, 0xF0, 0x01, 0x02, 0x03, 0x04, /* 66 "
         "*/\n};\n"},
        {CSource(cells, "screen"),
         "/* character map, 3 x 2 cells */\n#define SCREEN_COUNT 6\nconst unsigned char screen[6] "
         "= {\n    0x00, 0x01, 0x02,\n    0x01, 0x02, 0x2C,\n};\n"},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(text, expected);
}

// Without a label the name comes from the file: its base name without the extension, every
// other character "_", never starting with a digit nor a C keyword. The file gets its format's
// extension unless it has one of them.
TEST(Export, NamesFromFiles) {
    const std::pair<const char*, const char*> rows[] = {
        {"/home/me/font.c", "font"},    {"C:\\work\\zx font.h", "zx_font"},
        {"my-font.v2.s", "my_font_v2"}, {"/tmp/8x8.c", "charset_8x8"},
        {"/tmp/int.c", "int_"},         {"/tmp/.c", "_c"},
        {"/tmp/", "charset"},           {"/a.b/\xc3\xa9t\xc3\xa9.c", "__t__"}};
    for (auto [file, identifier] : rows)
        EXPECT_EQ(std::pair(IdentifierFromFileName(file, "charset"), IsIdentifier(identifier)),
                  std::pair(std::string(identifier), true));
    for (const char* bad : {"", "1a", "a-b", "a b", "\xc3\xa9"})
        EXPECT_FALSE(IsIdentifier(bad)) << bad;
    const std::tuple<const char*, ExportFormat, const char*> names[] = {
        {"a", ExportFormat::Assembler, "a.s"},       {"a.ASM", ExportFormat::Assembler, "a.ASM"},
        {"a.inc", ExportFormat::Assembler, "a.inc"}, {"a.a65", ExportFormat::Assembler, "a.a65"},
        {"a.c", ExportFormat::Assembler, "a.c.s"},   {"a.H", ExportFormat::C, "a.H"},
        {"a.s", ExportFormat::C, "a.s.c"},           {"a", ExportFormat::Prg, "a.prg"}};
    for (auto [chosen, format, name] : names)
        EXPECT_EQ(WithExportExtension(chosen, format), name);
}

// A PSF1 font: mode, glyph height and glyph bytes; or, with a header of 7 numbers (version,
// header size, flags, glyph count, bytes a glyph, height, width), a PSF2 font.
Bytes Psf(std::vector<std::uint32_t> header, int glyphBytes) {
    Bytes b = header.size() == 2 ? Bytes{0x36, 0x04} : Bytes{0x72, 0xB5, 0x4A, 0x86};
    for (std::uint32_t v : header)
        for (std::size_t i = 0; i < (header.size() == 2 ? 1 : 4); ++i)
            b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    b.resize(std::max<std::size_t>(b.size(), header.size() == 7 ? header[1] : 0), 0xEE);
    for (int i = 0; i < glyphBytes; ++i)
        b.push_back(static_cast<std::uint8_t>(i * 13));
    return b;
}

TEST(Psf, ReadsEvery8x8FontAndRefusesTheRestWithAReason) {
    Bytes cut = model::Gzip(Psf({0, 8}, 2048), 1), bomb = Psf({0, 8}, 2048);
    cut.resize(cut.size() / 2), bomb.resize(17u << 20);
    // The fonts the kept fuzz inputs hold are read against the model; they lack a PSF2 header
    // longer than its 32 bytes.
    const Bytes font = Psf({0, 40, 1, 3, 8, 8, 8}, 24);
    for (const Bytes& file : {font, model::Gzip(font, 1)}) {
        const auto read = DecodePsf(file).value.value_or(PsfFont{});
        EXPECT_EQ(std::pair(read.glyphCount, read.glyphs),
                  std::pair(3, Bytes(font.begin() + 40, font.end())));
    }
    const std::string only = "; only fonts of 8 x 8 pixels can be read";
    const std::pair<Bytes, std::string> refused[] = {
        {{}, "it is not a PSF font"},
        {Psf({0, 16}, 4096), "its glyphs are 8 x 16 pixels" + only},
        {Psf({0, 32, 0, 3, 16, 8, 9}, 48), "its glyphs are 9 x 8 pixels" + only},
        {Psf({0x10, 8}, 2048), "its header is damaged"},
        {Psf({0, 32, 0, 0, 8, 8, 8}, 0), "its header is damaged"},
        {{0x36, 0x04, 0x00}, "its header is cut short"},
        {{0x72, 0xB5, 0x4A, 0x86, 0, 0}, "its header is cut short"},
        {Psf({0, 8}, 2047),
         "the font is cut short: its 256 glyphs need 2048 bytes and the file has 2047"},
        {Psf({0, 32, 0, 1 << 30, 8, 8, 8}, 24),
         "the font is cut short: its 1073741824 glyphs need 8589934592 bytes and the file has 24"},
        {cut, "its gzip data is damaged or cut short"},
        {model::Gzip(bomb, 1), "it unpacks to more than any font holds"}};
    for (const auto& [file, reason] : refused)
        EXPECT_EQ(DecodePsf(file).reason, reason) << file.size();
}

// Small pictures written by an independent script (tests/data/pictures/make_pictures.py):
// pixel (x, y) of each 13 x 7 picture has colour (3 * x + y) % n of its list.
TEST(PictureDecode, EveryLayoutGivesThePattern) {
    const std::vector<Colour> colours[] = {
        {kBlack, kWhite, 0x0000FF, 0xFFFF00}, {kBlack, kWhite},
        {kBlack, 0x646464, 0xC8C8C8, kWhite}, {kBlack, 0x555555, 0xAAAAAA, kWhite},
        {kBlack, 0x111111, 0x222222, kWhite}, {kBlack, kWhite, 0x0000FF, kBlack}};
    // clang-format off
    const std::pair<const char*, int> rows[] = {
        {"bmp1.bmp", 1}, {"bmp4.bmp", 0}, {"bmp8.bmp", 0}, {"bmp16.bmp", 0}, {"bmp16-565.bmp", 0},
        {"bmp24.bmp", 0}, {"bmp24-topdown.bmp", 0}, {"bmp32.bmp", 0}, {"bmp32-bitfields.bmp", 0},
        {"gray1.png", 1}, {"gray2.png", 3}, {"gray4.png", 4}, {"gray8.png", 2}, {"gray16.png", 2},
        {"rgb8.png", 0}, {"rgb16.png", 0}, {"palette1.png", 1}, {"palette2.png", 0},
        {"palette4.png", 0}, {"palette8.png", 0}, {"grayalpha8.png", 2}, {"grayalpha16.png", 2},
        {"rgba8.png", 0}, {"rgba16.png", 0}, {"rgb8-sub.png", 0}, {"rgb8-up.png", 0},
        {"rgb8-average.png", 0}, {"rgb8-paeth.png", 0}, {"rgb8-interlaced.png", 0},
        {"palette2-interlaced.png", 0}};
    // clang-format on
    auto decode = [](std::string name) {
        return DecodePicture(ReadBytes(PIXLORE_TEST_DATA "/pictures/" + name));
    };
    for (auto [name, which] : rows) {
        const std::vector<Colour>& list = colours[which];
        Image expected(13, 7);
        for (int p = 0; p < 13 * 7; ++p)
            SetPixel(expected, p % 13, p / 13, list[(3 * (p % 13) + p / 13) % list.size()]);
        const auto picture = decode(name);
        EXPECT_TRUE(Same(picture.value.value_or(Image()), expected))
            << name << " " << picture.reason;
    }
    EXPECT_EQ(decode("rgb8-cut-pixels.png").reason, "its image data is damaged or cut short");
    EXPECT_EQ(decode("bmp8-rle.bmp").reason,
              "only uncompressed BMP pictures of 1, 4, 8, 16, 24 or 32 bits a pixel can be read");
}

// A picture of 128 or 256 pixels a side gives its charset back, glyph by glyph. Which pixels
// are ink is the ink and paper rule's, which the picture_import fuzz target holds against its
// model.
TEST(PictureImport, CharsetFromPicture) {
    const Palette c64{0xB55E6C, 0x79283C};
    const Charset numbered = CharsetOf(Pattern(2048, 7));
    Image big(256, 256);
    RenderCharsetImage(big, numbered, c64);
    for (int scale : {1, 2}) {
        Image picture(128 * scale, 128 * scale);
        for (int i = 0; i < 128 * scale * 128 * scale; ++i)
            picture.data()[i] =
                big.row(i / (128 * scale) * 2 / scale)[i % (128 * scale) * 2 / scale];
        EXPECT_EQ(CharsetFromPicture(picture, c64).value.value(), numbered) << scale;
    }
    for (auto [w, h] : {std::pair{256, 128}, {255, 255}, {512, 512}, {128, 256}})
        EXPECT_EQ(CharsetFromPicture(Image(w, h), {}).reason,
                  "the picture is " + std::to_string(w) + " x " + std::to_string(h) +
                      " pixels; a charset picture is 256 x 256 or 128 x 128");
}

// The inputs kept from the decoders' fuzz runs (among them BMP bit-field masks and soft edges
// of many colours) against the models.
TEST(UntrustedFiles, KeptFuzzInputsAgreeWithTheModels) {
    int targets = 0;
    for (const auto& folder : std::filesystem::directory_iterator(PIXLORE_FUZZ_CORPUS)) {
        const std::string target = folder.path().filename();
        if (target == "editor_events") continue;  // replayed by the GUI tests
        ++targets;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const Bytes input = ReadBytes(entry.path().string());
            EXPECT_EQ(model::CheckDecoder(target, input.data(), input.size()), "") << entry.path();
        }
    }
    EXPECT_EQ(targets, 9);
}

}  // namespace
}  // namespace pixlore
