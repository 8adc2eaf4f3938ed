// Files from anywhere: bombs through the converter, and the inputs kept from the fuzz runs
// (among them BMP bit-field masks and soft edges of many colours) against the models.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "formats/png_encode.h"
#include "fuzz/model/exchange_model.h"
#include "tool_run.h"

namespace pixlore {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(UntrustedFiles, BombsAreRefusedQuicklyAndWriteNothing) {
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
    int targets = 0;
    for (const auto& folder : std::filesystem::directory_iterator(PIXLORE_FUZZ_CORPUS)) {
        const std::string target = folder.path().filename();
        // The editor's event runs need the GUI support; every other folder is a decoder's.
        if (target == "editor_events") continue;
        ++targets;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const Bytes input = testing::ReadBytes(entry.path().string());
            EXPECT_EQ(model::CheckDecoder(target, input.data(), input.size()), "") << entry.path();
        }
    }
    EXPECT_EQ(targets, 9);
}

}  // namespace
}  // namespace pixlore
