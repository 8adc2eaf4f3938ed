#include "files/bmp.h"

#include <gtest/gtest.h>

namespace pixlore {
namespace {

TEST(Bmp, CharsetPictureHasTheExactHeader) {
    const std::vector<std::uint8_t> bmp = EncodeBmp(Image(256, 256));
    ASSERT_EQ(bmp.size(), 196662u);
    const std::vector<std::uint8_t> header(bmp.begin(), bmp.begin() + 54);
    const std::vector<std::uint8_t> expected = {
        'B',  'M',  0x36, 0x00, 0x03, 0x00,        // file size 196662
        0,    0,    0,    0,                       // reserved
        54,   0,    0,    0,                       // pixel data offset
        40,   0,    0,    0,                       // information header size
        0,    1,    0,    0,                       // width 256
        0,    1,    0,    0,                       // height 256, bottom-up
        1,    0,                                   // planes
        24,   0,                                   // bits per pixel
        0,    0,    0,    0,                       // no compression
        0x00, 0x00, 0x03, 0x00,                    // image size 196608
        0,    0,    0,    0,    0,    0,    0, 0,  // resolutions
        0,    0,    0,    0,    0,    0,    0, 0,  // colours used, important
    };
    EXPECT_EQ(header, expected);
}

TEST(Bmp, RowsGoBottomUpInBlueGreenRedOrder) {
    Image image(256, 256, kBlack);
    SetPixel(image, 0, 0, RgbColour(0x11, 0x22, 0x33));    // top left
    SetPixel(image, 255, 0, RgbColour(0x44, 0x55, 0x66));  // top right
    SetPixel(image, 0, 255, RgbColour(0x77, 0x88, 0x99));  // bottom left
    SetPixel(image, 1, 254, RgbColour(0xAA, 0xBB, 0xCC));
    const std::vector<std::uint8_t> bmp = EncodeBmp(image);
    auto at = [&bmp](int fileRow, int x) {
        const std::size_t i = 54 + static_cast<std::size_t>(fileRow) * 768 + x * 3;
        return std::vector<std::uint8_t>(bmp.begin() + i, bmp.begin() + i + 3);
    };
    EXPECT_EQ(at(255, 0), (std::vector<std::uint8_t>{0x33, 0x22, 0x11}));
    EXPECT_EQ(at(255, 255), (std::vector<std::uint8_t>{0x66, 0x55, 0x44}));
    EXPECT_EQ(at(0, 0), (std::vector<std::uint8_t>{0x99, 0x88, 0x77}));
    EXPECT_EQ(at(1, 1), (std::vector<std::uint8_t>{0xCC, 0xBB, 0xAA}));
    EXPECT_EQ(at(0, 1), (std::vector<std::uint8_t>{0, 0, 0}));
}

TEST(Bmp, RowsOfOddWidthAreFilledToFourBytes) {
    Image image(3, 2, RgbColour(1, 2, 3));
    const std::vector<std::uint8_t> bmp = EncodeBmp(image);
    ASSERT_EQ(bmp.size(), 54u + 2 * 12);
    EXPECT_EQ(bmp[2], 54 + 24);
    EXPECT_EQ(bmp[34], 24);  // image size
    const std::vector<std::uint8_t> row(bmp.begin() + 54, bmp.begin() + 66);
    EXPECT_EQ(row, (std::vector<std::uint8_t>{3, 2, 1, 3, 2, 1, 3, 2, 1, 0, 0, 0}));
}

}  // namespace
}  // namespace pixlore
