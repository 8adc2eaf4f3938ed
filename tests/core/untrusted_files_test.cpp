// Files from anywhere: BMP bit-field masks, hostile pictures and fonts through the converter,
// and the inputs kept from the fuzz runs against the models.
#include <gtest/gtest.h>
#include <zlib.h>

#include <chrono>
#include <filesystem>

#include "formats/bmp_decode.h"
#include "formats/png_encode.h"
#include "fuzz/model/exchange_model.h"
#include "tool_run.h"

namespace pixlore {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::size_t at, std::uint32_t v, int bytes = 4) {
    for (int i = 0; i < bytes; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> 8 * i);
}

// A BMP of one 32-bit pixel with bit-field masks (or what `fields` makes of it): the header,
// then `extra` (masks or a colour table), then the pixel row.
Bytes Bmp(std::vector<std::pair<int, std::uint32_t>> fields, Bytes extra, std::uint32_t row) {
    Bytes b(54 + extra.size() + 4);
    b[0] = 'B', b[1] = 'M';
    fields.insert(
        fields.begin(),
        {{10, 54 + extra.size()}, {14, 40}, {18, 1}, {22, 1}, {26, 1 | 32 << 16}, {30, 3}});
    for (auto [at, v] : fields)
        Put32(b, at, v);
    std::copy(extra.begin(), extra.end(), b.begin() + 54);
    Put32(b, b.size() - 4, row);
    return b;
}

Bytes RedMask(std::uint32_t mask) {
    Bytes masks(12);
    Put32(masks, 0, mask);
    return masks;
}

TEST(UntrustedFiles, BitFieldMasksScaleInFullAndMasksWithGapsAreRefused) {
    struct Row {
        std::uint32_t mask, pixel;
        std::string red;  // or the reason of the refusal
    } rows[] = {
        {0xFFFFFFFF, 0xFFFFFFFF, "255"},
        {0xFFFFFFFF, 0x80000000, "127"},
        {0xFFFFFFFE, 0xFFFFFFFE, "255"},
        {0x01FFFFFF, 0x01FFFFFF, "255"},
        {0x01FFFFFF, 0x00FFFFFF, "127"},
        {0x00FF0000, 0x00800000, "128"},
        {0, 0xFFFFFFFF, "0"},
        {0x0000F0F0, 0xFFFF, "its header is damaged"},
        {0x80000001, 1, "its header is damaged"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << std::hex << "mask " << r.mask << " pixel " << r.pixel);
        const auto read = DecodeBmp(Bmp({}, RedMask(r.mask), r.pixel), 16);
        EXPECT_EQ(read.ok() ? std::to_string(RedOf(read.value->colourAt(0, 0))) : read.reason,
                  r.red);
    }
}

// A PNG whose header claims another size, its checksum made good again.
Bytes PngClaiming(std::uint32_t width, std::uint32_t height) {
    Bytes png = EncodePng(Image(1, 1));
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = static_cast<std::uint8_t>(width >> (24 - 8 * i));
        png[20 + i] = static_cast<std::uint8_t>(height >> (24 - 8 * i));
    }
    const auto crc = static_cast<std::uint32_t>(crc32(0, &png[12], 17));
    for (int i = 0; i < 4; ++i)
        png[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    return png;
}

TEST(UntrustedFiles, HostileFilesAreRefusedQuicklyAndWriteNothing) {
    const struct Row {
        const char* name;
        Bytes file;
        std::string reason;
    } rows[] = {
        {"huge.png", PngClaiming(100000, 100000), "the picture is too large"},
        {"bomb.png", EncodePng(Image(1024, 1024)),
         "the picture is 1024 x 1024 pixels; a charset picture is 256 x 256 or 128 x 128"},
        {"bomb.psf.gz", model::Gzip(Bytes(17 << 20), 9), "it unpacks to more than any font holds"},
        {"header.bmp", Bmp({{14, 0xFFFFFFFE}}, RedMask(0xFF), 0), "its header is damaged"},
        {"negative.bmp", Bmp({{18, 0xFFFFFFFB}}, RedMask(0xFF), 0), "its header is damaged"},
        {"huge.bmp", Bmp({{22, 0x7FFFFFFF}}, RedMask(0xFF), 0), "the picture is too large"},
        {"lowest.bmp", Bmp({{22, 0x80000000}}, RedMask(0xFF), 0), "its header is damaged"},
        {"short.bmp", Bmp({{22, 100}}, RedMask(0xFF), 0), "the picture is cut short"},
        {"index.bmp", Bmp({{26, 1 | 1 << 16}, {30, 0}, {46, 1}}, Bytes(4), 0x80),
         "its colour table is damaged"},
    };
    testing::TempFolder folder;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        testing::WriteBytes(folder / r.name, r.file);
        testing::WriteText(folder / "out.fnt", "kept");
        const auto start = std::chrono::steady_clock::now();
        const auto run = testing::RunConvert(folder, {r.name, "out.fnt"});
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, std::string("pixlore-convert: ") + r.name + ": " + r.reason + "\n");
        EXPECT_EQ(testing::ReadBytes(folder / "out.fnt"), (Bytes{'k', 'e', 'p', 't'}));
    }
}

TEST(UntrustedFiles, KeptFuzzInputsAgreeWithTheModels) {
    for (const char* target :
         {"bmp", "png", "psf", "psf_gzip", "prg", "picture_import", "file_formats"}) {
        int inputs = 0;
        for (const auto& entry :
             std::filesystem::directory_iterator(std::string(PIXLORE_FUZZ_CORPUS "/") + target)) {
            const Bytes input = testing::ReadBytes(entry.path().string());
            EXPECT_EQ(model::CheckDecoder(target, input.data(), input.size()), "") << entry.path();
            ++inputs;
        }
        EXPECT_GT(inputs, 0) << target;
    }
}

}  // namespace
}  // namespace pixlore
