// What goes to and comes from other programs: the codes of typed characters, the numbers of a
// pasted text, a pasted picture cut into glyphs.
#include <gtest/gtest.h>

#include <numeric>

#include "charset/text_codes.h"
#include "formats/glyph_clipboard.h"
#include "formats/picture_import.h"
#include "temp_folder.h"
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
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(r.set) << " " << r.code);
        const auto code = CodeOfCharacter(r.set, r.c);
        EXPECT_EQ(code ? *code : -1, r.code);
    }
}

TEST(Exchange, TextNumbers) {
    const Bytes g = {1, 2, 3, 4, 5, 6, 7, 255};
    // clang-format off
    struct Row { std::string text; std::optional<Bytes> glyphs; } rows[] = {
        {ValuesText(g, 8), g}, {"1,2,3,4,5,6,7,255", g}, {" $1,,0x2\t3\r\n004 $05 0X6 7 $fF ", g},
        {"1 2 3 4 5 6 7", {}}, {"1 2 3 4 5 6 7 256", {}}, {"1 2 3 4 5 6 7 -1", {}},
        {"1 2 3 4 5 6 7 $", {}}, {"1 2 3 4 5 6 7 6A", {}}, {"db 1,2,3,4,5,6,7,8", {}}, {"", {}}};
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE("text \"" + r.text + "\"");
        EXPECT_EQ(GlyphsFromText(r.text), r.glyphs);
    }
}

// Our own form on the clipboard is taken only as whole glyphs, at most a charset of them.
TEST(Exchange, OwnBytes) {
    const std::pair<std::size_t, bool> rows[] = {{8, true},  {2048, true}, {0, false},
                                                 {9, false}, {7, false},   {2056, false}};
    for (auto [size, taken] : rows) {
        SCOPED_TRACE(size);
        const Bytes bytes(size, 0x5A);
        EXPECT_EQ(GlyphsFromOwnBytes(bytes), taken ? std::optional(bytes) : std::nullopt);
    }
}

// Pictures at one pixel a glyph pixel; the doubled ones come through the desktop test.
TEST(Exchange, PicturesCutIntoGlyphs) {
    Charset charset{};
    for (int i = 0; i < kCharsetBytes; ++i)
        charset[i] = static_cast<std::uint8_t>(i * 37 + i / 8);
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

}  // namespace
}  // namespace pixlore
