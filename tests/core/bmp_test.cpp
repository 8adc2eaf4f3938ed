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

}  // namespace
}  // namespace pixlore
