// The map as a picture: pixlore-convert draws a map file with a charset file, each cell the
// glyph's cell of the charset picture, in the colours given.
#include <gtest/gtest.h>

#include "formats/picture_import.h"
#include "tool_run.h"
#include "views/charset_view.h"
#include "views/map_view.h"

namespace pixlore {
namespace {

using namespace pixlore::testing;

TEST(MapPicture, ConverterDrawsTheMapWithTheCharset) {
    TempFolder folder;
    Charset charset{};
    const auto glyphs = Pattern(kCharsetBytes, 5);
    std::copy(glyphs.begin(), glyphs.end(), charset.begin());
    WriteBytes(folder / "font.fnt", glyphs);
    const std::vector<std::uint8_t> cells = {65, 0, 255, 7, 65, 128};
    WriteBytes(folder / "screen.map", cells);
    const Palette c64{RgbColour(0x6C, 0x5E, 0xB5), RgbColour(0x35, 0x28, 0x79)};
    struct Row {
        std::vector<std::string> args;
        int exitCode;  // 2 for a wrong command line
        Palette palette;
    } rows[] = {
        {{"--map", "3x2", "--charset", "font.fnt", "screen.map", "out.png"}, 0, Palette{}},
        {{"--map=3x2", "--charset=font.fnt", "--ink", "6C5EB5", "--paper", "352879", "screen.map",
          "out.bmp"},
         0,
         c64},
        {{"--map", "3x2", "screen.map", "out.png"}, 2, {}},
        {{"--map", "3x2", "--charset", "font.fnt", "screen.map", "out.s"}, 2, {}},
        {{"--charset", "font.fnt", "font.fnt", "out.png"}, 2, {}},
        {{"--map", "3x2", "--charset", "screen.map", "screen.map", "out.png"}, 2, {}},
        {{"--map", "3x2", "--charset", "gone.fnt", "screen.map", "out.png"}, 1, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.args[r.args.size() - 3] << " " << r.args.back());
        std::filesystem::remove(folder / r.args.back());
        const ToolRun run = RunConvert(folder, r.args);
        ASSERT_EQ(run.exitCode, r.exitCode) << run.err;
        if (r.exitCode != 0) {
            EXPECT_FALSE(std::filesystem::exists(folder / r.args.back()));
            continue;
        }
        Image whole(kCharsetImageSize, kCharsetImageSize), expected(48, 32);
        RenderCharsetImage(whole, charset, r.palette);
        for (std::size_t i = 0; i < cells.size(); ++i)
            DrawImage(expected, CopyRect(whole, 16 * (cells[i] % 16), 16 * (cells[i] / 16), 16, 16),
                      16 * static_cast<int>(i % 3), 16 * static_cast<int>(i / 3));
        const auto written = DecodePicture(ReadBytes(folder / r.args.back()));
        ASSERT_TRUE(written.ok()) << written.reason;
        EXPECT_EQ(*written.value, expected);
    }
}

}  // namespace
}  // namespace pixlore
