// pixlore-convert run as a build script runs it: for each command line the exit code, the
// message, and the bytes of one file afterwards (none where nothing may be written).
#include <sys/wait.h>
#include <unistd.h>

#include <numeric>

#include "files/bmp.h"
#include "files/map_file.h"
#include "formats/assembler_source.h"
#include "formats/c_source.h"
#include "formats/png_encode.h"
#include "formats/prg.h"
#include "formats/psf.h"
#include "support.h"
#include "views/charset_view.h"

namespace pixlore {
namespace {

using namespace testing;

// What a command prints on its standard error, the output going to out.txt, with its exit code
// at the end.
std::string Output(const std::string& command) {
    FILE* pipe = popen((command + " </dev/null 2>&1 >out.txt").c_str(), "r");
    std::string out(1 << 16, '\0');
    out.resize(std::fread(out.data(), 1, out.size(), pipe));
    return out + "exit " + std::to_string(WEXITSTATUS(pclose(pipe)));
}

Bytes Text(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(Convert, CommandLines) {
    TempFolder folder;
    const std::pair<const char*, int> sizes[] = {
        {"in.fnt", 2048}, {"in.map", 960}, {"in.png", 8}, {"short.map", 959}, {"empty.fnt", 0}};
    for (auto [name, size] : sizes)
        WriteBytes(folder / name, Pattern(size, 3));
    WriteBytes(folder / "small.prg", {0x00, 0x20});
    // A PNG header of 100000 x 100000 pixels, its checksum good, and no pixels.
    WriteBytes(folder / "huge.png",
               {0x89, 'P',  'N',  'G', 13, 10,   26,   10, 0, 0, 0, 13, 'I',  'H',  'D',  'R', 0,
                1,    0x86, 0xA0, 0,   1,  0x86, 0xA0, 8,  2, 0, 0, 0,  0x27, 0x30, 0x9C, 0x9F});
    std::filesystem::create_directory(folder / "dir.fnt");
    std::filesystem::create_directory(folder / "sub");
    ASSERT_EQ(symlink("target.fnt", (folder / "link.fnt").c_str()), 0);
    ASSERT_EQ(symlink("target.fnt", (folder / "sub/rel.fnt").c_str()), 0);
    ASSERT_EQ(symlink("none/x.fnt", (folder / "nowhere.fnt").c_str()), 0);
    const Bytes charset = Pattern(2048, 3), zx = Pattern(768, 5), cells = Pattern(768, 9);
    WriteBytes(folder / "zx.fnt", zx);
    WriteBytes(folder / "screen.map", cells);
    WriteBytes(folder / "a.prg", EncodePrg(0x3800, charset));
    WriteBytes(folder / "top.prg", EncodePrg(0xFF80, Pattern(128, 3)));
    Charset zxAt32{};
    std::copy(zx.begin(), zx.end(), GlyphAt(zxAt32, 32));
    CharMap map;
    SetMapSize(map, 32, 24);
    LayMapCells(map, cells);
    Bytes codes(32);  // a 16 x 2 map of codes 65..96 is the charset view's picture of them
    std::iota(codes.begin(), codes.end(), 65);
    WriteBytes(folder / "ab.map", codes);
    struct Row {
        const char* args;
        int code;
        std::string message;    // a part of the message; none at all when empty
        std::string file = "";  // gzip checks and unpacks a .gz file first
        Bytes bytes = {};
    } rows[] = {
        {"", 2, "give one INPUT and one OUTPUT file (see --help)"},
        {"--bogus in.fnt out.s", 2, "unknown option --bogus"},
        {"in.fnt out.s --label", 2, "--label needs a value"},
        {"--range 300 in.fnt out.s", 2,
         "--range must be two codes from 0 to 255 such as 32-127, not \"300\""},
        {"--first -1 in.fnt out.s", 2, "--first must be a code from 0 to 255, not \"-1\""},
        {"--directive byte in.fnt out.s", 2,
         "--directive must be .byte, !byte, db or defb, not \"byte\""},
        {"--label 1a in.fnt out.s", 2,
         "--label must be a letter or _ followed by letters, digits and _, not \"1a\""},
        {"--load-address 0x10000 in.fnt out.prg", 2,
         "--load-address must be an address from 0 to $FFFF, not \"0x10000\""},
        {"--load-address 0xF801 in.fnt out.prg", 2,
         "the data does not fit in memory from load address 63489"},
        {"--map 81x10 in.map out.s", 2,
         "--map must be a size of at most 80 x 50 cells such as 40x24, not \"81x10\""},
        {"--ink 12345 in.png out.fnt", 2,
         "--ink must be a colour RRGGBB such as 6C5EB5, not \"12345\""},
        {"--from gif in.fnt out.s", 2,
         "--from must be fnt, psf, bmp, png, prg, asm, c or map, not \"gif\""},
        {"in.fnt out.xyz", 2, "cannot tell the format of out.xyz from its name; give --to"},
        {"--from asm in.fnt out.s", 2, "asm files can be written but not read"},
        {"in.fnt out.map", 2,
         "glyphs cannot be written as a map (give --map if the input is a map)"},
        {"in.map out.fnt", 2, "a character map cannot be written as fnt"},
        {"--map 40x24 in.png out.s", 2,
         "a character map is read from a map or prg file, not from png"},
        {"--first 32 in.map out.s", 2,
         "--first and --range choose glyphs; they do not apply to a map"},
        {"--first 32 in.png out.s", 2,
         "a picture always fills all 256 glyphs; --first does not apply"},
        {"--range 0-127 in.fnt out.png", 2,
         "a png file always holds all 256 glyphs; --range does not apply"},
        {"missing.fnt out.s", 1, "missing.fnt: there is no such file"},
        {"empty.fnt out.s", 1, "empty.fnt: it holds no glyphs"},
        {"short.map out.s", 1,
         "short.map: it holds 959 cells, and a 40 x 24 map has 960 (give its size with --map)"},
        {"small.prg out.s", 1, "small.prg: too short for a PRG file"},
        // Refused before its pixels are read, and what was written before stays.
        {"huge.png in.fnt", 1, "pixlore-convert: huge.png: the picture is too large\nexit 1",
         "in.fnt", charset},
        {"in.fnt no/out.s", 1, "no/out.s: cannot write it: no file can be made in its folder"},
        {"in.fnt dir.fnt", 1, "dir.fnt: cannot write it: it is a folder or not a regular file"},
        {"in.fnt a.psf", 0, "", "a.psf", EncodePsf1(CharsetOf(charset))},
        {"a.psf b.prg", 0, "", "b.prg", EncodePrg(0x2000, charset)},
        {"b.prg c.bmp", 0, "", ""},
        {"--load-address 0 b.prg zero.prg", 0, "", "zero.prg", EncodePrg(0, charset)},
        {"c.bmp c.png", 0, "", ""},
        {"--ink 6C5EB5 --paper 352879 c.png d.png", 0, "", ""},
        {"--ink 6C5EB5 --paper 352879 --to fnt d.png e.bin", 0, "", "e.bin", charset},
        {"--first 32 zx.fnt zx-font.s", 0, "", "zx-font.s",
         Text(AssemblerSource(GlyphBlock(zxAt32, {32, 127}),
                              {Directive::Byte, ValueStyle::Dollar, "zx_font"}))},
        {"--first 0x20 --range '$41-0x42' --load-address '$3800' zx.fnt ab.prg", 0, "", "ab.prg",
         EncodePrg(0x3800, Bytes(zx.begin() + 33 * 8, zx.begin() + 35 * 8))},
        {"--first 200 zx.fnt tail.fnt", 0,
         "note: zx.fnt holds 96 glyphs; from glyph 200 on only the first 56 fit", "tail.fnt",
         Bytes(zx.begin(), zx.begin() + 56 * 8)},
        {"--directive defb --values dec --label f --range 65 in.fnt f.h --to asm", 0, "", "f.h",
         Text(AssemblerSource(GlyphBlock(CharsetOf(charset), {65, 65}),
                              {Directive::Defb, ValueStyle::Decimal, "f"}))},
        {"--map 32x24 screen.map screen.prg", 0, "", "screen.prg", EncodePrg(0x0400, cells)},
        {"--map 32X24 screen.prg copy.map", 0, "", "copy.map", cells},
        {"--map=32x24 -- screen.map -map.c", 0, "", "-map.c", Text(CSource(MapBlock(map), "_map"))},
        {"--map 32x24 --values 0x screen.map - --to asm", 0, "", "out.txt",
         Text(AssemblerSource(MapBlock(map), {Directive::Byte, ValueStyle::ZeroX, "map"}))},
        // A PRG keeps its bytes where they load; a range from glyph 32 on loads 256 bytes on.
        {"--range 32-127 a.prg c.prg", 0, "", "c.prg",
         EncodePrg(0x3900, Bytes(charset.begin() + 256, charset.begin() + 1024))},
        {"--range 0-16 top.prg over.prg", 2, "do not fit in memory where the input PRG puts them",
         "over.prg"},
        {"--label int a.prg e.c", 2, "--label int is a keyword of C", "e.c"},
        {"a.prg f.psf.gz", 0, "", "f.psf.gz", EncodePsf1(CharsetOf(charset))},
        {"f.psf.gz g.fnt", 0, "", "g.fnt", charset},
        // Through a dangling link onto its target, never over the link itself.
        {"a.prg link.fnt", 0, "", "target.fnt", charset},
        {"a.prg sub/rel.fnt", 0, "", "sub/target.fnt", charset},
        {"a.prg nowhere.fnt", 1, "no file can be made in its folder", "nowhere.fnt"},
        // Numbers only as decimal, $hex or 0xhex; colours only as six hex digits.
        {"--first '$0x10' a.prg h.s", 2, "--first must be a code", "h.s"},
        {"--load-address 0X1000 a.prg h.prg", 2, "--load-address must", "h.prg"},
        {"--paper '#000000' a.prg h.s", 2, "--paper must be a colour", "h.s"},
        // A map drawn with a charset.
        {"--map 16x2 --charset in.fnt ab.map m.png", 0, "", "m.png",
         EncodePng(GlyphsPicture(CharsetOf(charset), {}, {65, 96}))},
        {"--map=16x2 --charset=in.fnt --ink=0000FF ab.map m.bmp", 0, "", "m.bmp",
         EncodeBmp(GlyphsPicture(CharsetOf(charset), {255 << 16}, {65, 96}))},
        {"--map 16x2 ab.map no.png", 2, "cannot be written as png without --charset", "no.png"},
        {"--charset in.fnt in.fnt not.png", 2, "give a map INPUT", "not.png"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.args);
        const std::string err = Output("cd " + folder.path() + " && " PIXLORE_CONVERT " " + r.args);
        EXPECT_TRUE(err.ends_with("exit " + std::to_string(r.code)) &&
                    (r.message.empty() ? err.rfind("exit ") == 0
                                       : err.find(r.message) != std::string::npos))
            << err;
        std::string file = folder / r.file;
        if (file.ends_with(".gz")) {
            const std::string quoted = "'" + file + "'";  // a temporary folder's name
            EXPECT_EQ(std::system(("gzip -t " + quoted + " && gzip -dk " + quoted).c_str()), 0);
            file.resize(file.size() - 3);
        }
        EXPECT_EQ(r.file.empty() ? r.bytes : ReadBytes(file), r.bytes);
    }
    for (const char* name : {"out.s", "out.prg", "out.fnt", "out.map", "out.xyz", "out.png"})
        EXPECT_FALSE(std::filesystem::exists(folder / name)) << name;
}

}  // namespace
}  // namespace pixlore
