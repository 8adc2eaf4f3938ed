#include "formats/picture_import.h"

#include <gtest/gtest.h>

#include "views/charset_view.h"

namespace pixlore {
namespace {

Charset Pattern(int seed) {
    Charset charset{};
    for (int i = 0; i < kCharsetBytes; ++i)
        charset[i] = static_cast<std::uint8_t>(i * seed + i / 8);
    return charset;
}

Image PictureOf(const Charset& charset, Palette palette) {
    Image picture(kCharsetImageSize, kCharsetImageSize);
    RenderCharsetImage(picture, charset, palette);
    return picture;
}

// The charset at one picture pixel a glyph pixel.
Image SmallPictureOf(const Charset& charset, Palette palette) {
    const Image big = PictureOf(charset, palette);
    Image small(128, 128);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            small.row(y)[x] = big.row(2 * y)[2 * x];
    return small;
}

TEST(PictureImport, OurOwnPictureRoundTripsInAnyColours) {
    const Palette c64{RgbColour(0x6C, 0x5E, 0xB5), RgbColour(0x35, 0x28, 0x79)};
    Charset inked = Pattern(7);
    inked.fill(0xFF);  // all ink: the palette, not the counts, must decide
    GlyphAt(inked, 3)[2] = 0x7E;
    for (const Palette palette : {Palette{}, c64, Palette{kBlack, kWhite}}) {
        for (const Charset& charset : {Pattern(7), Pattern(131), inked, Charset{}}) {
            const auto big = CharsetFromPicture(PictureOf(charset, palette), palette);
            ASSERT_TRUE(big.ok()) << big.reason;
            EXPECT_EQ(*big.value, charset);
            const auto small = CharsetFromPicture(SmallPictureOf(charset, palette), palette);
            ASSERT_TRUE(small.ok()) << small.reason;
            EXPECT_EQ(*small.value, charset);
        }
    }
}

TEST(PictureImport, OtherColoursMakeTheMostCommonOnePaper) {
    const Palette drawn{RgbColour(10, 200, 30), RgbColour(90, 0, 90)};
    const Palette current{};  // white on black: not in the picture
    Charset sparse{};
    GlyphAt(sparse, 65)[0] = 0x81;
    GlyphAt(sparse, 255)[7] = 0x01;
    auto read = CharsetFromPicture(PictureOf(sparse, drawn), current);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read.value, sparse);

    // Mostly ink: the ink colour is the most common, so it is taken for paper.
    Charset dense = sparse;
    for (auto& byte : dense)
        byte = static_cast<std::uint8_t>(~byte);
    read = CharsetFromPicture(PictureOf(dense, drawn), current);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read.value, sparse);

    // Only the current ink is in the picture, paper is not: the counts decide.
    read = CharsetFromPicture(PictureOf(sparse, {kWhite, RgbColour(1, 2, 3)}), current);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read.value, sparse);
}

TEST(PictureImport, EveryColourButPaperIsInkAndATieGoesToTheFirstColour) {
    Image picture(128, 128, RgbColour(5, 5, 5));
    // Three colours: the left half red, glyph 0's first pixel blue, the rest grey.
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 64; ++x)
            SetPixel(picture, x, y, RgbColour(255, 0, 0));
    SetPixel(picture, 127, 127, RgbColour(0, 0, 255));
    // Red and grey tie but for one pixel: grey has 8191 against red's 8192.
    const auto read = CharsetFromPicture(picture, Palette{});
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(GlyphAt(*read.value, 0)[0], 0x00);    // red: paper
    EXPECT_EQ(GlyphAt(*read.value, 8)[0], 0xFF);    // grey: ink
    EXPECT_EQ(GlyphAt(*read.value, 255)[7], 0xFF);  // blue: ink

    Image tie(128, 128, RgbColour(5, 5, 5));
    for (int y = 0; y < 128; ++y)
        for (int x = 64; x < 128; ++x)
            SetPixel(tie, x, y, RgbColour(255, 0, 0));
    const auto tied = CharsetFromPicture(tie, Palette{});
    ASSERT_TRUE(tied.ok());
    EXPECT_EQ(GlyphAt(*tied.value, 0)[0], 0x00);  // grey, met first, is paper
    EXPECT_EQ(GlyphAt(*tied.value, 8)[0], 0xFF);
}

TEST(PictureImport, RefusesOtherSizes) {
    for (const auto& [w, h] : {std::pair{256, 128}, {255, 255}, {512, 512}, {16, 16}, {128, 256}}) {
        const auto read = CharsetFromPicture(Image(w, h), Palette{});
        EXPECT_FALSE(read.ok());
        EXPECT_EQ(read.reason, "the picture is " + std::to_string(w) + " x " + std::to_string(h) +
                                   " pixels; a charset picture is 256 x 256 or 128 x 128");
    }
}

}  // namespace
}  // namespace pixlore
