#include <gtest/gtest.h>

#include "formats/assembler_source.h"
#include "formats/c_source.h"
#include "formats/export_block.h"
#include "formats/identifier.h"

namespace pixlore {
namespace {

ByteBlock TwoGlyphs() {
    Charset charset{};
    const std::uint8_t a[8] = {0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x00, 0xFF};
    const std::uint8_t b[8] = {0xA0, 0x09, 0x0A, 0xF0, 1, 2, 3, 4};
    std::copy(a, a + 8, GlyphAt(charset, 65));
    std::copy(b, b + 8, GlyphAt(charset, 66));
    return GlyphBlock(charset, {65, 66});
}

TEST(AssemblerSource, LabelOneGlyphALineAndTheByteCount) {
    SourceOptions options;
    options.label = "font";
    EXPECT_EQ(AssemblerSource(TwoGlyphs(), options),
              "font:\n"
              "\t.byte $18, $3C, $66, $7E, $66, $66, $00, $FF\n"
              "\t.byte $A0, $09, $0A, $F0, $01, $02, $03, $04\n"
              "FONT_COUNT = 16\n");
    options.directive = Directive::Defb;
    options.values = ValueStyle::Decimal;
    EXPECT_EQ(AssemblerSource(TwoGlyphs(), options),
              "font:\n"
              "\tdefb 24, 60, 102, 126, 102, 102, 0, 255\n"
              "\tdefb 160, 9, 10, 240, 1, 2, 3, 4\n"
              "FONT_COUNT equ 16\n");
}

TEST(AssemblerSource, ValuesInEveryStyle) {
    struct Case {
        int value;
        ValueStyle style;
        Directive directive;
        const char* text;
    };
    const Case cases[] = {
        {0x00, ValueStyle::Dollar, Directive::Byte, "$00"},
        {0xFF, ValueStyle::Dollar, Directive::AcmeByte, "$FF"},
        {0x9F, ValueStyle::Dollar, Directive::Db, "$9F"},
        // x86 assemblers take $ followed by a letter for a symbol.
        {0xA0, ValueStyle::Dollar, Directive::Db, "$0A0"},
        {0xFF, ValueStyle::Dollar, Directive::Db, "$0FF"},
        {0xFF, ValueStyle::Dollar, Directive::Defb, "$FF"},
        {0x0A, ValueStyle::ZeroX, Directive::Db, "0x0A"},
        {0xC3, ValueStyle::ZeroX, Directive::Byte, "0xC3"},
        {7, ValueStyle::Decimal, Directive::Db, "7"},
        {255, ValueStyle::Decimal, Directive::Byte, "255"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueText(c.value, c.style, c.directive), c.text) << c.value;
}

TEST(AssemblerSource, MapRowsAreLinesOfTheMapWidth) {
    CharMap map;
    InitCharMap(map);
    SetMapSize(map, 3, 2);
    map.at(3, 0) = 99;   // the spare column is not written
    map.at(2, 1) = 300;  // only the low 8 bits of a cell are written
    SourceOptions options;
    options.label = "screen";
    options.directive = Directive::AcmeByte;
    options.values = ValueStyle::ZeroX;
    EXPECT_EQ(AssemblerSource(MapBlock(map), options),
              "screen:\n"
              "\t!byte 0x00, 0x01, 0x02\n"
              "\t!byte 0x01, 0x02, 0x2C\n"
              "SCREEN_COUNT = 6\n");
}

TEST(AssemblerSource, NamesOfDirectivesAndStylesRoundTrip) {
    for (Directive d : {Directive::Byte, Directive::AcmeByte, Directive::Db, Directive::Defb})
        EXPECT_EQ(DirectiveNamed(DirectiveText(d)), d);
    for (ValueStyle v : {ValueStyle::Dollar, ValueStyle::ZeroX, ValueStyle::Decimal})
        EXPECT_EQ(ValueStyleNamed(ValueStyleText(v)), v);
    EXPECT_FALSE(DirectiveNamed("byte").has_value());
    EXPECT_FALSE(ValueStyleNamed("octal").has_value());
}

TEST(CSource, DefineThenArrayOneGlyphALine) {
    EXPECT_EQ(CSource(TwoGlyphs(), "font"),
              "/* 2 glyphs of 8 x 8 pixels from code 65, 8 bytes each, top row first */\n"
              "#define FONT_COUNT 16\n"
              "const unsigned char font[16] = {\n"
              "    0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x00, 0xFF, /* 65 */\n"
              "    0xA0, 0x09, 0x0A, 0xF0, 0x01, 0x02, 0x03, 0x04, /* 66 */\n"
              "};\n");
}

TEST(Identifier, MadeFromTheFileName) {
    struct Case {
        const char* file;
        const char* identifier;
    };
    const Case cases[] = {
        {"/home/me/font.c", "font"},
        {"C:\\work\\zx font.h", "zx_font"},
        {"my-font.v2.s", "my_font_v2"},
        {"/tmp/8x8.c", "charset_8x8"},
        {"/tmp/int.c", "int_"},
        {"/tmp/.c", "_c"},
        {"/tmp/", "charset"},
        {"noext", "noext"},
        {"/a.b/\xc3\xa9t\xc3\xa9.c", "__t__"},
    };
    for (const Case& c : cases) {
        const std::string id = IdentifierFromFileName(c.file, "charset");
        EXPECT_EQ(id, c.identifier) << c.file;
        EXPECT_TRUE(IsIdentifier(id)) << c.file;
    }
}

TEST(Identifier, OnlyLettersDigitsAndUnderscoresAfterALetter) {
    for (const char* good : {"a", "_", "font_1", "Z9"})
        EXPECT_TRUE(IsIdentifier(good)) << good;
    for (const char* bad : {"", "1a", "a-b", "a b", "a.b", "\xc3\xa9"})
        EXPECT_FALSE(IsIdentifier(bad)) << bad;
    EXPECT_EQ(CountName("zx_Font"), "ZX_FONT_COUNT");
}

}  // namespace
}  // namespace pixlore
