// What goes to and comes from other programs: the codes of typed characters, the numbers of a
// pasted text, a pasted picture cut into glyphs, and the source text of an export.
#include "charset/text_codes.h"
#include "formats/assembler_source.h"
#include "formats/c_source.h"
#include "formats/export_settings.h"
#include "formats/glyph_clipboard.h"
#include "formats/identifier.h"
#include "formats/picture_import.h"
#include "support.h"
#include "views/charset_view.h"

namespace pixlore {
namespace {

using Bytes = std::vector<std::uint8_t>;

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

TEST(Exchange, TextNumbers) {
    const Bytes g = {1, 2, 3, 4, 5, 6, 7, 255};
    // clang-format off
    struct Row { std::string text; std::optional<Bytes> glyphs; } rows[] = {
        {ValuesText(g, 8), g}, {"1,2,3,4,5,6,7,255", g}, {" $1,,0x2\t3\r\n004 $05 0X6 7 $fF ", g},
        {"1 2 3 4 5 6 7", {}}, {"1 2 3 4 5 6 7 256", {}}, {"1 2 3 4 5 6 7 -1", {}},
        {"1 2 3 4 5 6 7 $", {}}, {"1 2 3 4 5 6 7 6A", {}}, {"db 1,2,3,4,5,6,7,8", {}}, {"", {}}};
    // clang-format on
    for (const Row& r : rows)
        EXPECT_EQ(GlyphsFromText(r.text), r.glyphs) << "text \"" << r.text << "\"";
}

// Our own form on the clipboard is taken only as whole glyphs, at most a charset of them.
TEST(Exchange, OwnBytes) {
    const std::pair<std::size_t, bool> rows[] = {{8, true},  {2048, true}, {0, false},
                                                 {9, false}, {7, false},   {2056, false}};
    for (auto [size, taken] : rows)
        EXPECT_EQ(GlyphsFromOwnBytes(Bytes(size, 0x5A)),
                  taken ? std::optional(Bytes(size, 0x5A)) : std::nullopt)
            << size;
}

// Pictures at one pixel a glyph pixel; the doubled ones come through the desktop test.
TEST(Exchange, PicturesCutIntoGlyphs) {
    const Charset charset = testing::CharsetOf(testing::Pattern(2048, 0));
    const Palette c64{RgbColour(0x6C, 0x5E, 0xB5), RgbColour(0x35, 0x28, 0x79)};
    const Image doubled = GlyphsPicture(charset, c64, {65, 84});  // 16 and 4 glyphs, 12 paper
    Image picture(doubled.width() / 2, doubled.height() / 2);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.row(y)[x] = doubled.row(2 * y)[2 * x];
    Bytes glyphs(GlyphAt(charset, 65), GlyphAt(charset, 85));
    glyphs.resize(32 * 8);
    EXPECT_EQ(GlyphsFromPicture(picture, c64), glyphs);
    EXPECT_EQ(GlyphsFromPicture(CopyRect(picture, 0, 0, 12, 8), c64), std::nullopt);
}

// Glyphs 65 and 66, and a 3 x 2 map whose spare column and a code above 255 must not show.
TEST(Export, SourceText) {
    Charset charset{};
    const std::uint8_t glyphs[16] = {0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x00, 0xFF,
                                     0xA0, 0x09, 0x0A, 0xF0, 1,    2,    3,    4};
    std::copy_n(glyphs, 16, GlyphAt(charset, 65));
    CharMap map;
    InitCharMap(map);
    SetMapSize(map, 3, 2);
    map.at(3, 0) = 99;
    map.at(2, 1) = 300;
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
         "FONT_COUNT 16\n"
         "const unsigned char font[16] = {\n    0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x00, 0xFF, /* "
         "65 */\n"
         "    0xA0, 0x09, 0x0A, 0xF0, 0x01, 0x02, 0x03, 0x04, /* 66 */\n};\n"},
        {CSource(cells, "screen"),
         "/* character map, 3 x 2 cells */\n#define SCREEN_COUNT 6\nconst unsigned char screen[6] "
         "= {\n"
         "    0x00, 0x01, 0x02,\n    0x01, 0x02, 0x2C,\n};\n"},
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

}  // namespace
}  // namespace pixlore
