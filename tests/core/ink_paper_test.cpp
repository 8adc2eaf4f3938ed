// The ink and paper rule on pictures of more than two colours: brightness decides.
#include <gtest/gtest.h>

#include <array>

#include "formats/picture_import.h"

namespace pixlore {
namespace {

Colour Grey(int v) {
    return RgbColour(v, v, v);
}

Colour Red(int v) {
    return RgbColour(v, 0, 0);
}

// Glyph 0's top row in eight colours on a black picture: its byte after the import.
TEST(InkAndPaper, SoftEdgesGoToTheNearerOfInkAndPaper) {
    struct Row {
        const char* what;
        std::array<Colour, 8> top;
        std::uint8_t ink;
    } rows[] = {
        {"faint noise and a soft edge in white",
         {kWhite, kWhite, Grey(1), Grey(1), Grey(128), Grey(127), kBlack, kBlack},
         0xC8},
        {"red glyphs and their dim edges",
         {Red(255), Red(255), Red(100), Red(200), kBlack, kBlack, kBlack, kBlack},
         0xD0},
        {"two colours: all but paper is ink",
         {Grey(1), Grey(1), kBlack, kBlack, kBlack, kBlack, kBlack, kBlack},
         0xC0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Image picture(128, 128, kBlack);
        for (int x = 0; x < 8; ++x)
            SetPixel(picture, x, 0, r.top[x]);
        Charset expected{};
        expected[0] = r.ink;
        const auto read = CharsetFromPicture(picture, Palette{});
        ASSERT_TRUE(read.ok()) << read.reason;
        EXPECT_EQ(*read.value, expected);
    }
}

}  // namespace
}  // namespace pixlore
