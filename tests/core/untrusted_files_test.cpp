// Files from anywhere: BMP bit-field masks, hostile pictures and fonts through the converter,
// and the inputs kept from the fuzz runs against the models.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "formats/bmp_decode.h"
#include "formats/png_encode.h"
#include "fuzz/model/exchange_model.h"
#include "tool_run.h"

namespace pixlore {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A BMP of one 32-bit pixel at 66 under bit-field masks at 54 (red 0xFF, green and blue
// none), after `fields` (offset, 32-bit value) change it.
Bytes Bmp(std::vector<std::pair<int, std::uint32_t>> fields) {
    fields.insert(fields.begin(),
                  {{10, 66}, {14, 40}, {18, 1}, {22, 1}, {26, 1 | 32 << 16}, {30, 3}, {54, 0xFF}});
    Bytes b(70, 0);
    b[0] = 'B', b[1] = 'M';
    for (auto [at, v] : fields)
        for (int i = 0; i < 4; ++i)
            b[at + i] = static_cast<std::uint8_t>(v >> 8 * i);
    return b;
}

TEST(UntrustedFiles, BitFieldMasksScaleInFullAndMasksWithGapsAreRefused) {
    const struct Row {
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
        const auto read = DecodeBmp(Bmp({{54, r.mask}, {66, r.pixel}}), 16);
        EXPECT_EQ(read.ok() ? std::to_string(RedOf(read.value->colourAt(0, 0))) : read.reason,
                  r.red);
    }
}

TEST(UntrustedFiles, HostileFilesAreRefusedQuicklyAndWriteNothing) {
    const struct Row {
        std::string name;
        Bytes file;
        std::string reason;
    } rows[] = {
        // A PNG header of 100000 x 100000 pixels, its checksum good, and no pixels.
        {"huge.png",
         {0x89, 'P',  'N',  'G', 13, 10,   26,   10, 0, 0, 0, 13, 'I',  'H',  'D',  'R', 0,
          1,    0x86, 0xA0, 0,   1,  0x86, 0xA0, 8,  2, 0, 0, 0,  0x27, 0x30, 0x9C, 0x9F},
         "the picture is too large"},
        {"bomb.png", EncodePng(Image(1024, 1024)),
         "the picture is 1024 x 1024 pixels; a charset picture is 256 x 256 or 128 x 128"},
        {"bomb.psf.gz", model::Gzip(Bytes(17 << 20), 9), "it unpacks to more than any font holds"},
        {"header.bmp", Bmp({{14, 0xFFFFFFFE}}), "its header is damaged"},
        {"negative.bmp", Bmp({{18, 0xFFFFFFFB}}), "its header is damaged"},
        {"huge.bmp", Bmp({{22, 0x7FFFFFFF}}), "the picture is too large"},
        {"lowest.bmp", Bmp({{22, 0x80000000}}), "its header is damaged"},
        {"short.bmp", Bmp({{22, 100}}), "the picture is cut short"},
        {"index.bmp", Bmp({{10, 58}, {26, 1 | 1 << 16}, {30, 0}, {46, 1}, {54, 0}, {58, 0x80}}),
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
        EXPECT_EQ(run.err, "pixlore-convert: " + r.name + ": " + r.reason + "\n");
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
