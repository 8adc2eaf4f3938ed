// The model of the file formats against their written behaviour, then the program's loaders
// and savers against the model: fixed-seed random files and the kept fuzz corpus.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "fuzz/model/format_check.h"
#include "fuzz/model/format_model.h"
#include "temp_folder.h"

namespace pixlore {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

model::Glyphs Numbered() {
    model::Glyphs glyphs;
    for (std::size_t i = 0; i < glyphs.size(); ++i)
        glyphs[i] = static_cast<std::uint8_t>(i % 251);
    return glyphs;
}

TEST(FormatModel, GlyphFileLaysInFromTheCurrentCharAsFarAsTheCharsetReaches) {
    const model::Glyphs before = Numbered();
    const model::Bytes file(2048, 0xAA);
    const model::Glyphs at32 = model::LoadGlyphs(before, 32, file);
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + 256, at32.begin()));
    EXPECT_TRUE(std::all_of(at32.begin() + 256, at32.end(), [](auto b) { return b == 0xAA; }));
    const model::Glyphs three = model::LoadGlyphs(before, 255, {1, 2, 3});
    EXPECT_EQ(model::Bytes(three.begin() + 2040, three.end()),
              (model::Bytes{1, 2, 3, before[2043], before[2044], before[2045], before[2046],
                            before[2047]}));
    EXPECT_FALSE(model::SaveGlyphs(before, 161, 768));
    EXPECT_EQ(model::SaveGlyphs(before, 160, 768)->size(), 768u);
    EXPECT_FALSE(model::SaveGlyphs(before, 1, 2048));
}

TEST(FormatModel, MapFileFollowsTheActiveWidthAndIsRefusedWhenTooLong) {
    model::Cells before;
    before.width = 80;
    before.height = 50;
    const model::Cells wide = model::LoadMap(before, model::Bytes(960, 7));
    EXPECT_EQ(wide.at(79, 11), 7);
    EXPECT_EQ(wide.at(0, 12), 0);
    before.width = 40;
    before.height = 24;
    EXPECT_EQ(model::LoadMap(before, model::Bytes(960, 7)).at(39, 23), 7);
    EXPECT_EQ(model::LoadMap(before, model::Bytes(961, 7)).at(0, 0), 0);
    EXPECT_EQ(model::SaveMap(model::LoadMap(before, model::Bytes(960, 9))), model::Bytes(960, 9));
}

TEST(FormatModel, SavedNamesGetTheirExtensionOnce) {
    const struct {
        const char* chosen;
        const char* saved;
    } cases[] = {{"font", "font.fnt"}, {"a.FNT", "a.FNT"}, {"a.txt", "a.txt.fnt"},
                 {".fnt", ".fnt"},     {"fnt", "fnt.fnt"}, {"x.fnt ", "x.fnt .fnt"}};
    for (const auto& c : cases)
        EXPECT_EQ(model::SavedName(c.chosen, ".fnt"), c.saved) << c.chosen;
}

TEST(FileFormats, RandomFilesAtRandomPlacesAgreeWithTheModel) {
    TempFolder folder;
    std::mt19937 random(7011);
    const std::size_t sizes[] = {5, 6, 13, 773, 965, 1029, 1925, 2053, 2054, 4005, 4006, 6000};
    for (int i = 0; i < 96; ++i) {
        std::vector<std::uint8_t> input(sizes[i % std::size(sizes)] + random() % 3);
        for (std::uint8_t& b : input)
            b = static_cast<std::uint8_t>(random());
        const std::string fault =
            model::CheckFileFormats(input.data(), input.size(), folder.path());
        ASSERT_EQ(fault, "") << "input " << i;
    }
}

TEST(FileFormats, KeptCorpusAgreesWithTheModel) {
    TempFolder folder;
    int inputs = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(PIXLORE_FUZZ_CORPUS "/file_formats")) {
        const std::vector<std::uint8_t> input = ReadBytes(entry.path().string());
        EXPECT_EQ(model::CheckFileFormats(input.data(), input.size(), folder.path()), "")
            << entry.path().filename();
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}

}  // namespace
}  // namespace pixlore
