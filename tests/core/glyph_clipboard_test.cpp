// Glyphs through the clipboard: the text a copy writes and the numbers a paste reads, our own
// bytes, pictures by the ink-and-paper rule, the order of the forms and where a paste lands.
#include "formats/glyph_clipboard.h"

#include <gtest/gtest.h>

#include "views/charset_view.h"

namespace pixlore {
namespace {

using Bytes = std::vector<std::uint8_t>;
const Bytes kGlyph = {0x3C, 0x42, 0x81, 0x00, 0xFF, 0x01, 0x10, 0x3C};

Bytes Repeated(const Bytes& glyph, int times) {
    Bytes bytes;
    for (int i = 0; i < times; ++i)
        bytes.insert(bytes.end(), glyph.begin(), glyph.end());
    return bytes;
}

TEST(GlyphClipboard, TextNumbers) {
    struct Row {
        std::string text;
        std::optional<Bytes> glyphs;
    } rows[] = {
        {ValuesText(Repeated(kGlyph, 2), 8), Repeated(kGlyph, 2)},
        {"0x3c 0X42 0x81 0 255 1 16 60", kGlyph},
        {"60,66,129,0,255,1,16,60", kGlyph},
        {" $3c,,\t$42\r\n129 000 $ff $1 0x10 60, ", kGlyph},
        {"$3C $42 $81 0 255 1 16", std::nullopt},
        {"$3C $42 $81 0 256 1 16 60", std::nullopt},
        {"$3C $42 $81 0 -1 1 16 60", std::nullopt},
        {"$3C $42 $81 0 $ 1 16 60", std::nullopt},
        {"$3C $42 $81 0 0x 1 16 60", std::nullopt},
        {"$3C $42 $81 0 6A 1 16 60", std::nullopt},
        {".byte $3C,$42,$81,0,255,1,16,60", std::nullopt},
        {"", std::nullopt},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "text \"" << r.text.substr(0, 40) << "\"");
        EXPECT_EQ(GlyphsFromText(r.text), r.glyphs);
    }
    EXPECT_EQ(ValuesText(kGlyph, 8), "$3C, $42, $81, $00, $FF, $01, $10, $3C\n");
    // More than a charset of numbers: all are checked, a charset's worth is kept.
    std::string many;
    for (int i = 0; i < 2056; ++i)
        many += "7 ";
    EXPECT_EQ(GlyphsFromText(many), Bytes(kCharsetBytes, 7));
}

TEST(GlyphClipboard, OwnBytesAreWholeGlyphs) {
    for (const std::size_t size : {0, 7, 8, 12, 2048, 2056}) {
        SCOPED_TRACE(size);
        const bool whole = size == 8 || size == 2048;
        EXPECT_EQ(GlyphsFromOwnBytes(Bytes(size, 9)),
                  whole ? std::optional(Bytes(size, 9)) : std::nullopt);
    }
}

Image Halved(const Image& picture) {
    Image half(picture.width() / 2, picture.height() / 2);
    for (int y = 0; y < half.height(); ++y)
        for (int x = 0; x < half.width(); ++x)
            half.row(y)[x] = picture.row(2 * y)[2 * x];
    return half;
}

TEST(GlyphClipboard, PicturesByInkAndPaper) {
    Charset charset{};
    for (int i = 0; i < kCharsetBytes; ++i)
        charset[i] = static_cast<std::uint8_t>(i * 37 + i / 8);
    const Palette c64{RgbColour(0x6C, 0x5E, 0xB5), RgbColour(0x35, 0x28, 0x79)};
    const Image twenty = GlyphsPicture(charset, c64, {65, 84});
    Bytes twentyGlyphs(GlyphAt(charset, 65), GlyphAt(charset, 85));
    twentyGlyphs.resize(32 * 8);  // the rest of the second row is paper
    // Glyphs 0, 1, 16 and 17 at one pixel a glyph pixel: 16 x 16, but not in 2 x 2 blocks.
    Image whole(kCharsetImageSize, kCharsetImageSize);
    RenderCharsetImage(whole, charset, c64);
    Bytes four;
    for (const int code : {0, 1, 16, 17})
        for (int r = 0; r < 8; ++r)
            four.push_back(GlyphAt(charset, code)[r]);
    struct Row {
        const char* name;
        Image picture;
        Palette palette;
        std::optional<Bytes> glyphs;
    } rows[] = {
        {"copy of 20 glyphs", twenty, c64, twentyGlyphs},
        {"the same at half size", Halved(twenty), c64, twentyGlyphs},
        {"other colours: the most common is paper", twenty, Palette{}, twentyGlyphs},
        {"16 x 16 of four glyphs", CopyRect(Halved(whole), 0, 0, 16, 16), c64, four},
        {"one glyph all ink", Image(8, 8, kWhite), Palette{}, Bytes(8, 0xFF)},
        {"not whole cells", Image(12, 8), Palette{}, std::nullopt},
        {"too large", Image(8, 4104), Palette{}, std::nullopt},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(GlyphsFromPicture(r.picture, r.palette), r.glyphs);
    }
}

TEST(GlyphClipboard, FirstFormThatHoldsGlyphs) {
    const Bytes own(8, 1);
    const Image picture = Image(8, 8, kWhite);  // one glyph, all ink on the current palette
    struct Row {
        std::optional<Bytes> ownBytes;
        std::optional<Image> picture;
        std::optional<std::string> text;
        std::optional<Bytes> glyphs;
    } rows[] = {
        {own, picture, "2 2 2 2 2 2 2 2", own},
        {Bytes(5, 1), picture, "2 2 2 2 2 2 2 2", Bytes(8, 255)},
        {std::nullopt, Image(12, 8), "2 2 2 2 2 2 2 2", Bytes(8, 2)},
        {std::nullopt, std::nullopt, "hello", std::nullopt},
        {std::nullopt, std::nullopt, std::nullopt, std::nullopt},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text.value_or("no text"));
        EXPECT_EQ(GlyphsFromClipboard({r.ownBytes, r.picture, r.text}, Palette{}), r.glyphs);
    }
}

// Glyphs of 0xFF laid into an empty charset: which glyphs they cover.
TEST(GlyphClipboard, PasteStopsAtTheLastGlyph) {
    struct Row {
        int first, glyphs, low, high;
    } rows[] = {{0, 1, 0, 0}, {65, 3, 65, 67}, {250, 10, 250, 255}, {255, 2, 255, 255}};
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "from " << r.first);
        Charset charset{}, expected{};
        LayGlyphs(charset, r.first, Bytes(static_cast<std::size_t>(r.glyphs) * 8, 0xFF));
        std::fill(GlyphAt(expected, r.low), GlyphAt(expected, r.high) + 8, 0xFF);
        EXPECT_EQ(charset, expected);
    }
}

}  // namespace
}  // namespace pixlore
