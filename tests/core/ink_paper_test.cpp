// The ink and paper rule on pictures of more than two colours: brightness decides.
#include <gtest/gtest.h>

#include <array>

#include "formats/picture_import.h"

namespace pixlore {
namespace {

// Glyph 0's top row in eight colours on a black picture: its byte after the import.
TEST(InkAndPaper, SoftEdgesGoToTheNearerOfInkAndPaper) {
    const Colour w = kWhite, k = kBlack, g1 = RgbColour(1, 1, 1), g127 = RgbColour(127, 127, 127),
                 g128 = RgbColour(128, 128, 128), r = RgbColour(255, 0, 0),
                 r100 = RgbColour(100, 0, 0), r200 = RgbColour(200, 0, 0);
    const struct Row {
        const char* what;
        std::array<Colour, 8> top;
        std::uint8_t ink;
    } rows[] = {
        {"faint noise and a soft edge in white", {w, w, g1, g1, g128, g127, k, k}, 0xC8},
        {"red glyphs and their dim edges", {r, r, r100, r200, k, k, k, k}, 0xD0},
        {"two colours: all but paper is ink", {g1, g1, k, k, k, k, k, k}, 0xC0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Image picture(128, 128, kBlack);
        for (int x = 0; x < 8; ++x)
            SetPixel(picture, x, 0, row.top[x]);
        Charset expected{};
        expected[0] = row.ink;
        EXPECT_EQ(CharsetFromPicture(picture, Palette{}).value, expected);
    }
}

}  // namespace
}  // namespace pixlore
