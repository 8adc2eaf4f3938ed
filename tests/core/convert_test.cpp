// pixlore-convert run as a build script runs it: exit code, message and the bytes written.
#include <sys/wait.h>

#include "formats/assembler_source.h"
#include "formats/c_source.h"
#include "formats/prg.h"
#include "formats/psf.h"
#include "support.h"

namespace pixlore {
namespace {

using testing::Bytes;
using testing::Pattern;
using testing::ReadBytes;

// The exit code and what went to the standard error; the standard output goes to out.txt.
std::pair<int, std::string> Convert(const testing::TempFolder& folder, const std::string& args) {
    const int status = std::system(
        ("cd " + folder.path() + " && " PIXLORE_CONVERT " " + args + " >out.txt 2>err.txt")
            .c_str());
    const Bytes err = ReadBytes(folder / "err.txt");
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, {err.begin(), err.end()}};
}

Bytes Text(const std::string& text) {
    return {text.begin(), text.end()};
}

// A wrong command line gives exit code 2, input that cannot be read or converted 1, and the
// message says why; nothing is written.
TEST(Convert, RefusesWithAReason) {
    testing::TempFolder folder;
    for (auto [name, size] : {std::pair{"in.fnt", 2048},
                              {"in.map", 960},
                              {"in.png", 8},
                              {"short.map", 959},
                              {"empty.fnt", 0}})
        testing::WriteBytes(folder / name, Pattern(size, 3));
    testing::WriteBytes(folder / "tall.psf", {0x36, 0x04, 0x00, 0x10});
    testing::WriteBytes(folder / "small.prg", {0x00, 0x20});
    std::filesystem::create_directory(folder / "dir.fnt");
    const std::pair<const char*, const char*> rows[] = {
        {"", "2 give one INPUT and one OUTPUT file (see --help)"},
        {"--bogus in.fnt out.s", "2 unknown option --bogus"},
        {"in.fnt out.s --label", "2 --label needs a value"},
        {"--range 300 in.fnt out.s",
         "2 --range must be two codes from 0 to 255 such as 32-127, not \"300\""},
        {"--range=32-x in.fnt out.s",
         "2 --range must be two codes from 0 to 255 such as 32-127, not \"32-x\""},
        {"--first -1 in.fnt out.s", "2 --first must be a code from 0 to 255, not \"-1\""},
        {"--directive byte in.fnt out.s",
         "2 --directive must be .byte, !byte, db or defb, not \"byte\""},
        {"--values octal in.fnt out.s", "2 --values must be $xx, 0xXX or decimal, not \"octal\""},
        {"--label 1a in.fnt out.s",
         "2 --label must be a letter or _ followed by letters, digits and _, not \"1a\""},
        {"--load-address 0x10000 in.fnt out.prg",
         "2 --load-address must be an address from 0 to $FFFF, not \"0x10000\""},
        {"--load-address 0xF801 in.fnt out.prg",
         "2 the data does not fit in memory from load address 63489"},
        {"--map 81x10 in.map out.s",
         "2 --map must be a size of at most 80 x 50 cells such as 40x24, not \"81x10\""},
        {"--map 40 in.map out.s",
         "2 --map must be a size of at most 80 x 50 cells such as 40x24, not \"40\""},
        {"--ink 12345 in.png out.fnt",
         "2 --ink must be a colour RRGGBB such as 6C5EB5, not \"12345\""},
        {"--from gif in.fnt out.s",
         "2 --from must be fnt, psf, bmp, png, prg, asm, c or map, not \"gif\""},
        {"in.fnt out.xyz", "2 cannot tell the format of out.xyz from its name; give --to"},
        {"in.xyz out.s", "2 cannot tell the format of in.xyz from its name; give --from"},
        {"--from asm in.fnt out.s", "2 asm files can be written but not read"},
        {"in.fnt out.map",
         "2 glyphs cannot be written as a map (give --map if the input is a map)"},
        {"in.map out.fnt", "2 a character map cannot be written as fnt"},
        {"--map 40x24 in.png out.s",
         "2 a character map is read from a map or prg file, not from png"},
        {"--first 32 in.map out.s",
         "2 --first and --range choose glyphs; they do not apply to a map"},
        {"--first 32 in.png out.s",
         "2 a picture always fills all 256 glyphs; --first does not apply"},
        {"--range 0-127 in.fnt out.png",
         "2 a png file always holds all 256 glyphs; --range does not apply"},
        {"missing.fnt out.s", "1 missing.fnt: there is no such file"},
        {"dir.fnt out.s", "1 dir.fnt: it is a folder"},
        {"empty.fnt out.s", "1 empty.fnt: it holds no glyphs"},
        {"tall.psf out.s",
         "1 tall.psf: its glyphs are 8 x 16 pixels; only fonts of 8 x 8 pixels can be read"},
        {"--from png tall.psf out.s", "1 tall.psf: it is neither a BMP nor a PNG picture"},
        {"short.map out.s",
         "1 short.map: it holds 959 cells, and a 40 x 24 map has 960 (give its size with --map)"},
        {"small.prg out.s", "1 small.prg: too short for a PRG file"},
        {"in.fnt no/out.s", "1 no/out.s: cannot write it: no file can be made in its folder"},
        {"in.fnt dir.fnt", "1 dir.fnt: cannot write it: it is a folder or not a regular file"},
    };
    for (auto [args, outcome] : rows) {
        const auto [code, err] = Convert(folder, args);
        EXPECT_EQ(std::to_string(code) + " " + err,
                  std::string(outcome).insert(2, "pixlore-convert: ") + "\n")
            << args;
    }
    for (const char* name : {"out.s", "out.prg", "out.fnt", "out.map", "out.xyz", "out.png"})
        EXPECT_FALSE(std::filesystem::exists(folder / name)) << name;
}

// Glyphs laid from --first on, the glyphs read (or --range) written; through every binary
// format and back; maps to source and PRG and back.
TEST(Convert, Converts) {
    testing::TempFolder folder;
    const Bytes charset = Pattern(2048, 3), zx = Pattern(768, 5), cells = Pattern(768, 9);
    testing::WriteBytes(folder / "in.fnt", charset);
    testing::WriteBytes(folder / "zx.fnt", zx);
    testing::WriteBytes(folder / "screen.map", cells);
    Charset zxAt32{};
    std::copy(zx.begin(), zx.end(), GlyphAt(zxAt32, 32));
    CharMap map;
    InitCharMap(map);
    SetMapSize(map, 32, 24);
    for (int i = 0; i < 768; ++i)
        map.at(i % 32, i / 32) = cells[i];
    const std::tuple<const char*, const char*, const char*, Bytes> rows[] = {
        {"in.fnt a.psf", "", "a.psf", EncodePsf1(testing::CharsetOf(charset))},
        {"a.psf b.prg", "", "b.prg", EncodePrg(0x2000, charset)},
        {"b.prg c.bmp", "", "", {}},
        {"--load-address 0 b.prg zero.prg", "", "zero.prg", EncodePrg(0, charset)},
        {"c.bmp c.png", "", "", {}},
        {"--ink 6C5EB5 --paper 352879 c.png d.png", "", "", {}},
        {"--ink 6C5EB5 --paper 352879 --to fnt d.png e.bin", "", "e.bin", charset},
        {"--first 32 zx.fnt zx-font.s", "", "zx-font.s",
         Text(AssemblerSource(GlyphBlock(zxAt32, {32, 127}),
                              {Directive::Byte, ValueStyle::Dollar, "zx_font"}))},
        {"--first 0x20 --range '$41-0x42' --load-address '$3800' zx.fnt ab.prg", "", "ab.prg",
         EncodePrg(0x3800, Bytes(zx.begin() + 33 * 8, zx.begin() + 35 * 8))},
        {"--first 200 zx.fnt tail.fnt",
         "pixlore-convert: note: zx.fnt holds 96 glyphs; from glyph 200 on only the first 56 fit\n",
         "tail.fnt", Bytes(zx.begin(), zx.begin() + 56 * 8)},
        {"--directive defb --values dec --label f --range 65 in.fnt f.h --to asm", "", "f.h",
         Text(AssemblerSource(GlyphBlock(testing::CharsetOf(charset), {65, 65}),
                              {Directive::Defb, ValueStyle::Decimal, "f"}))},
        {"--map 32x24 screen.map screen.prg", "", "screen.prg", EncodePrg(0x0400, cells)},
        {"--map 32X24 screen.prg copy.map", "", "copy.map", cells},
        {"--map=32x24 -- screen.map -map.c", "", "-map.c", Text(CSource(MapBlock(map), "_map"))},
        {"--map 32x24 --values 0x screen.map - --to asm", "", "out.txt",
         Text(AssemblerSource(MapBlock(map), {Directive::Byte, ValueStyle::ZeroX, "map"}))},
        {"-h", "", "", {}},
    };
    for (const auto& [args, err, output, written] : rows) {
        EXPECT_EQ(Convert(folder, args), std::pair(0, std::string(err))) << args;
        EXPECT_EQ(*output ? ReadBytes(folder / output) : written, written) << args;
    }
    const Bytes help = ReadBytes(folder / "out.txt");
    EXPECT_EQ(Bytes(help.begin(), help.begin() + 46),
              Text("Usage: pixlore-convert [OPTIONS] INPUT OUTPUT\n"));
}

}  // namespace
}  // namespace pixlore
