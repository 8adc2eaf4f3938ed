// pixlore-convert run as a process: exit codes, messages and the bytes it writes.
#include <gtest/gtest.h>

#include <filesystem>

#include "charset/charset.h"
#include "formats/prg.h"
#include "formats/psf.h"
#include "tool_run.h"

namespace pixlore {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::RunConvert;
using testing::TempFolder;

Bytes Pattern(std::size_t size, int seed) {
    Bytes b(size);
    for (std::size_t i = 0; i < size; ++i)
        b[i] = static_cast<std::uint8_t>(i * seed + i / 7);
    return b;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ConvertCli, HelpNamesEveryFormatAndOption) {
    TempFolder folder;
    for (const char* flag : {"--help", "-h"}) {
        const auto run = RunConvert(folder, {flag});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.err.empty());
        EXPECT_TRUE(Contains(run.out, "Usage: pixlore-convert [OPTIONS] INPUT OUTPUT"));
        for (const char* word : {"fnt", "psf", "bmp", "png", "prg", "asm", "map", "--first",
                                 "--range", "--directive", "--values", "--label", "--load-address",
                                 "--map", "--ink", "--paper", "--from", "--to"})
            EXPECT_TRUE(Contains(run.out, word)) << word;
    }
}

// A wrong command line: exit code 2, one line naming the problem, and no output file.
TEST(ConvertCli, RefusesWrongCommandLines) {
    TempFolder folder;
    testing::WriteBytes(folder / "in.fnt", Pattern(2048, 3));
    testing::WriteBytes(folder / "in.map", Pattern(960, 5));
    testing::WriteBytes(folder / "in.png", Bytes{0x89, 'P', 'N', 'G'});
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{}, "give one INPUT and one OUTPUT file (see --help)"},
        {{"in.fnt"}, "give one INPUT and one OUTPUT file"},
        {{"--bogus", "in.fnt", "out.s"}, "unknown option --bogus"},
        {{"in.fnt", "out.s", "--label"}, "--label needs a value"},
        {{"--range", "300", "in.fnt", "out.s"},
         "--range must be two codes from 0 to 255 such as 32-127, not \"300\""},
        {{"--range=32-x", "in.fnt", "out.s"}, "--range must be two codes"},
        {{"--first", "-1", "in.fnt", "out.s"}, "--first must be a code from 0 to 255, not \"-1\""},
        {{"--directive", "byte", "in.fnt", "out.s"},
         "--directive must be .byte, !byte, db or defb, not \"byte\""},
        {{"--values", "octal", "in.fnt", "out.s"}, "--values must be $xx, 0xXX or decimal"},
        {{"--label", "1abc", "in.fnt", "out.s"}, "--label must be a letter or _"},
        {{"--load-address", "0x10000", "in.fnt", "out.prg"},
         "--load-address must be an address from 0 to $FFFF"},
        {{"--load-address", "$F900", "in.fnt", "out.prg"},
         "the data does not fit in memory from load address 63744"},
        {{"--map", "81x10", "in.map", "out.s"}, "--map must be a size of at most 80 x 50 cells"},
        {{"--ink", "12345", "in.png", "out.fnt"}, "--ink must be a colour RRGGBB"},
        {{"--from", "gif", "in.fnt", "out.s"},
         "--from must be fnt, psf, bmp, png, prg, asm, c or map"},
        {{"in.fnt", "out.xyz"}, "cannot tell the format of out.xyz from its name; give --to"},
        {{"--from", "asm", "in.fnt", "out.s"}, "asm files can be written but not read"},
        {{"in.fnt", "out.map"},
         "glyphs cannot be written as a map (give --map if the input is a map)"},
        {{"in.map", "out.psf"}, "a character map cannot be written as psf"},
        {{"--map", "40x24", "in.png", "out.s"},
         "a character map is read from a map or prg file, not from png"},
        {{"--first", "32", "in.map", "out.s"},
         "--first and --range choose glyphs; they do not apply to a map"},
        {{"--first", "32", "in.png", "out.s"},
         "a picture always fills all 256 glyphs; --first does not apply"},
        {{"--range", "0-127", "in.fnt", "out.psf"},
         "a psf file always holds all 256 glyphs; --range does not apply"},
    };
    for (const Case& c : cases) {
        const auto run = RunConvert(folder, c.args);
        const std::string what = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(run.exitCode, 2) << what << ": " << run.err;
        EXPECT_TRUE(Contains(run.err, std::string("pixlore-convert: ") + c.message)) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    for (const char* name : {"out.s", "out.prg", "out.psf", "out.fnt", "out.map", "out.xyz"})
        EXPECT_FALSE(std::filesystem::exists(folder / name)) << name;
}

// Input that cannot be read or converted: exit code 1, the file and the reason, no output.
TEST(ConvertCli, ReportsBadInputAndLeavesNoOutput) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "dir.fnt");
    testing::WriteBytes(folder / "empty.fnt", Bytes{});
    testing::WriteBytes(folder / "tall.psf", Bytes{0x36, 0x04, 0x00, 0x10});
    testing::WriteText(folder / "text.psf", "hello");
    testing::WriteBytes(folder / "short.map", Pattern(959, 1));
    testing::WriteBytes(folder / "small.prg", Bytes{0x00, 0x20});
    testing::WriteBytes(folder / "in.fnt", Pattern(2048, 3));
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"missing.fnt", "out.s"}, "missing.fnt: there is no such file"},
        {{"dir.fnt", "out.s"}, "dir.fnt: it is a folder"},
        {{"empty.fnt", "out.s"}, "empty.fnt: it holds no glyphs"},
        {{"tall.psf", "out.s"},
         "tall.psf: its glyphs are 8 x 16 pixels; only fonts of 8 x 8 pixels can be read"},
        {{"text.psf", "out.s"}, "text.psf: it is not a PSF font"},
        {{"--from", "png", "text.psf", "out.s"}, "text.psf: it is neither a BMP nor a PNG picture"},
        {{"short.map", "out.s"},
         "short.map: it holds 959 cells, and a 40 x 24 map has 960 (give its size with --map)"},
        {{"small.prg", "out.s"}, "small.prg: too short for a PRG file"},
        {{"in.fnt", "no/such/folder/out.s"},
         "no/such/folder/out.s: cannot write it: no file can be made in its folder"},
    };
    for (const Case& c : cases) {
        const auto run = RunConvert(folder, c.args);
        EXPECT_EQ(run.exitCode, 1) << c.args.front() << ": " << run.err;
        EXPECT_EQ(run.err, std::string("pixlore-convert: ") + c.message + "\n");
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "out.s"));
}

TEST(ConvertCli, GlyphsRoundTripThroughEveryBinaryFormat) {
    TempFolder folder;
    const Bytes charset = Pattern(2048, 11);
    testing::WriteBytes(folder / "in.fnt", charset);
    const std::vector<std::vector<std::string>> steps = {
        {"in.fnt", "a.psf"},
        {"a.psf", "b.prg"},
        {"b.prg", "c.bmp"},
        {"c.bmp", "c.png"},
        {"--ink", "6C5EB5", "--paper", "352879", "c.png", "d.png"},
        {"--ink", "6C5EB5", "--paper", "352879", "d.png", "e.bin"},
        {"e.bin", "out.fnt"},
    };
    for (const auto& step : steps) {
        const auto run = RunConvert(folder, step);
        ASSERT_EQ(run.exitCode, 0) << step.front() << ": " << run.err;
        EXPECT_TRUE(run.err.empty()) << run.err;
    }
    EXPECT_EQ(testing::ReadBytes(folder / "out.fnt"), charset);
    const auto psf = DecodePsf(testing::ReadBytes(folder / "a.psf"));
    ASSERT_TRUE(psf.ok());
    EXPECT_EQ(psf.value->glyphs, charset);
    EXPECT_EQ(testing::ReadBytes(folder / "b.prg"), EncodePrg(0x2000, charset));
    EXPECT_EQ(testing::ReadBytes(folder / "c.bmp").size(),
              196662u);  // as "Characters image" saves it
}

TEST(ConvertCli, GlyphsGoWhereFirstSaysAndTheGlyphsReadAreWritten) {
    TempFolder folder;
    const Bytes zx = Pattern(768, 5);
    testing::WriteBytes(folder / "zx.fnt", zx);
    auto run = RunConvert(folder, {"--first", "32", "zx.fnt", "zx-font.s"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto source = testing::ReadBytes(folder / "zx-font.s");
    const std::string text(source.begin(), source.end());
    EXPECT_EQ(text.rfind("zx_font:\n\t.byte $", 0), 0u) << text;
    EXPECT_TRUE(Contains(text, "\nZX_FONT_COUNT = 768\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 96 + 2);

    run = RunConvert(folder, {"--first", "32", "--range", "$41-0x42", "--load-address", "$3800",
                              "zx.fnt", "ab.prg"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Bytes ab(zx.begin() + (0x41 - 32) * 8, zx.begin() + (0x43 - 32) * 8);
    EXPECT_EQ(testing::ReadBytes(folder / "ab.prg"), EncodePrg(0x3800, ab));

    // Past the end of the charset only what fits is taken, and the user is told.
    run = RunConvert(folder, {"--first", "200", "zx.fnt", "tail.fnt"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(
        run.err,
        "pixlore-convert: note: zx.fnt holds 96 glyphs; from glyph 200 on only the first 56 fit\n");
    EXPECT_EQ(testing::ReadBytes(folder / "tail.fnt"), Bytes(zx.begin(), zx.begin() + 56 * 8));
}

TEST(ConvertCli, MapsGoToSourceAndPrgAndBack) {
    TempFolder folder;
    const Bytes cells = Pattern(32 * 24, 9);
    testing::WriteBytes(folder / "screen.map", cells);
    auto run = RunConvert(folder, {"--map", "32x24", "screen.map", "screen.prg"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(testing::ReadBytes(folder / "screen.prg"), EncodePrg(0x0400, cells));

    run = RunConvert(folder, {"--map", "32x24", "screen.prg", "copy.map"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(testing::ReadBytes(folder / "copy.map"), cells);

    run = RunConvert(folder, {"--map=32x24", "--directive", "!byte", "--values", "decimal",
                              "--label", "title", "screen.map", "-", "--to", "asm"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind("title:\n\t!byte " + std::to_string(cells[0]) + ", ", 0), 0u);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), ','), 24 * 31);
    EXPECT_TRUE(Contains(run.out, "\nTITLE_COUNT = 768\n"));
}

TEST(ConvertCli, ShippedConsoleFontWith512GlyphsGivesItsFirst256) {
    const std::string font = "/usr/share/consolefonts/lat9wbrl-08.psf.gz";
    if (!std::filesystem::exists(font)) GTEST_SKIP() << font << " is not installed";
    TempFolder folder;
    const auto run = RunConvert(folder, {font, "lat9w.h"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Contains(run.err, "holds 512 glyphs; from glyph 0 on only the first 256 fit"));
    const auto c = testing::ReadBytes(folder / "lat9w.h");
    EXPECT_TRUE(Contains({c.begin(), c.end()},
                         "#define LAT9W_COUNT 2048\nconst unsigned char lat9w[2048] = {"));
}

}  // namespace
}  // namespace pixlore
