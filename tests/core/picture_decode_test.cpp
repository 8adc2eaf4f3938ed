// The BMP and PNG readers against small pictures written by an independent script
// (tests/data/pictures/make_pictures.py): the pixel at (x, y) of each 13 x 7 picture has
// colour (3 * x + y) % n of its list.
#include <gtest/gtest.h>
#include <zlib.h>

#include "formats/picture_import.h"
#include "tool_run.h"

namespace pixlore {
namespace {

const std::vector<Colour> kRgb4 = {RgbColour(0, 0, 0), RgbColour(255, 255, 255),
                                   RgbColour(255, 0, 0), RgbColour(0, 255, 255)};
const std::vector<Colour> kRgb2 = {kRgb4[0], kRgb4[1]};

std::vector<Colour> Grays(std::initializer_list<int> levels) {
    std::vector<Colour> out;
    for (int g : levels)
        out.push_back(RgbColour(g, g, g));
    return out;
}

std::string PicturePath(const std::string& name) {
    return std::string(PIXLORE_TEST_DATA) + "/pictures/" + name;
}

TEST(PictureDecode, EveryBmpAndPngLayoutGivesThePattern) {
    const std::vector<Colour> gray8 = Grays({0, 100, 200, 255});
    const std::pair<const char*, std::vector<Colour>> cases[] = {
        {"bmp1.bmp", kRgb2},
        {"bmp4.bmp", kRgb4},
        {"bmp8.bmp", kRgb4},
        {"bmp16.bmp", kRgb4},
        {"bmp16-565.bmp", kRgb4},
        {"bmp24.bmp", kRgb4},
        {"bmp24-topdown.bmp", kRgb4},
        {"bmp32.bmp", kRgb4},
        {"bmp32-bitfields.bmp", kRgb4},
        {"gray1.png", Grays({0, 255})},
        {"gray2.png", Grays({0, 85, 170, 255})},
        {"gray4.png", Grays({0, 17, 34, 255})},
        {"gray8.png", gray8},
        {"gray16.png", gray8},
        {"rgb8.png", kRgb4},
        {"rgb16.png", kRgb4},
        {"palette1.png", kRgb2},
        {"palette2.png", kRgb4},
        {"palette4.png", kRgb4},
        {"palette8.png", kRgb4},
        {"grayalpha8.png", gray8},
        {"grayalpha16.png", gray8},
        {"rgba8.png", kRgb4},
        {"rgba16.png", kRgb4},
        {"rgb8-sub.png", kRgb4},
        {"rgb8-up.png", kRgb4},
        {"rgb8-average.png", kRgb4},
        {"rgb8-paeth.png", kRgb4},
        {"rgb8-interlaced.png", kRgb4},
        {"palette2-interlaced.png", kRgb4},
    };
    for (const auto& [name, colours] : cases) {
        const auto picture = DecodePicture(testing::ReadBytes(PicturePath(name)));
        ASSERT_TRUE(picture.ok()) << name << ": " << picture.reason;
        ASSERT_EQ(picture.value->width(), 13) << name;
        ASSERT_EQ(picture.value->height(), 7) << name;
        int wrong = 0;
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 13; ++x)
                wrong += picture.value->colourAt(x, y) != colours[(3 * x + y) % colours.size()];
        EXPECT_EQ(wrong, 0) << name;
    }
}

std::vector<std::uint8_t> WithByte(std::vector<std::uint8_t> b, std::size_t at, std::uint8_t v) {
    b.at(at) = v;
    return b;
}

// Changes a byte of a PNG chunk and gives the chunk its right checksum again.
std::vector<std::uint8_t> WithPngByte(std::vector<std::uint8_t> b, std::size_t chunk,
                                      std::size_t at, std::uint8_t v) {
    b.at(at) = v;
    const std::uint32_t length =
        b[chunk] << 24 | b[chunk + 1] << 16 | b[chunk + 2] << 8 | b[chunk + 3];
    const auto crc = static_cast<std::uint32_t>(crc32(0, &b[chunk + 4], length + 4));
    for (int i = 0; i < 4; ++i)
        b[chunk + 8 + length + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    return b;
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> b, std::size_t size) {
    b.resize(size);
    return b;
}

TEST(PictureDecode, RefusesDamagedAndUnsupportedPictures) {
    const auto bmp = testing::ReadBytes(PicturePath("bmp24.bmp"));
    const auto png = testing::ReadBytes(PicturePath("rgb8.png"));
    const auto bmp8 = testing::ReadBytes(PicturePath("bmp8.bmp"));
    struct Case {
        const char* what;
        std::vector<std::uint8_t> file;
        const char* reason;
    };
    const Case cases[] = {
        {"empty", {}, "it is neither a BMP nor a PNG picture"},
        {"GIF", {'G', 'I', 'F', '8', '9', 'a'}, "it is neither a BMP nor a PNG picture"},
        {"BMP cut in the pixels", Cut(bmp, bmp.size() - 1), "the picture is cut short"},
        {"BMP cut in the header", Cut(bmp, 30), "it is not a BMP picture"},
        {"BMP run-length", WithByte(bmp, 30, 1),
         "only uncompressed BMP pictures of 1, 4, 8, 16, 24 or 32 bits a pixel can be read"},
        {"BMP 2 bits", WithByte(bmp, 28, 2),
         "only uncompressed BMP pictures of 1, 4, 8, 16, 24 or 32 bits a pixel can be read"},
        {"BMP zero width", WithByte(WithByte(bmp, 18, 0), 19, 0), "its header is damaged"},
        {"BMP huge", WithByte(bmp, 21, 0x10), "the picture is too large"},
        {"BMP colour table too long", WithByte(bmp8, 47, 1), "its colour table is damaged"},
        {"PNG bad checksum", WithByte(png, 20, 0x7F), "a chunk is damaged"},
        {"PNG cut", Cut(png, png.size() - 20), "the picture is cut short"},
        {"PNG bad depth", WithPngByte(png, 8, 24, 3), "its header is damaged"},
        {"PNG interlace 2", WithPngByte(png, 8, 28, 2), "its header is damaged"},
        {"PNG huge", WithPngByte(png, 8, 17, 0x20), "the picture is too large"},
        {"PNG damaged pixels", WithPngByte(png, 33, 41, 0xFF),
         "its image data is damaged or cut short"},
        {"PNG no header", Cut(png, 8), "the picture is cut short"},
    };
    for (const Case& c : cases) {
        const auto picture = DecodePicture(c.file);
        EXPECT_FALSE(picture.ok()) << c.what;
        EXPECT_EQ(picture.reason, c.reason) << c.what;
    }
}

}  // namespace
}  // namespace pixlore
