// The source we write, fed to the real assemblers and the C compiler: each must give back
// exactly the bytes we exported. A tool that is not installed skips its cases.
#include <gtest/gtest.h>

#include "formats/assembler_source.h"
#include "formats/c_source.h"
#include "formats/export_block.h"
#include "tool_run.h"

namespace pixlore {
namespace {

using testing::HaveTool;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteText;

// Every byte value, in an order that is neither sorted nor repeating within a glyph.
Charset KnownCharset() {
    Charset charset{};
    for (int i = 0; i < kCharsetBytes; ++i)
        charset[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return charset;
}

CharMap KnownMap() {
    CharMap map;
    InitCharMap(map);
    SetMapSize(map, 40, 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 40; ++x)
            map.at(x, y) = (x * 7 + y * 41) % 256;
    return map;
}

struct Assembler {
    const char* tool;
    Directive directive;
    ValueStyle values;
    // How to turn in.asm into out.bin; the source is put after the prologue.
    const char* prologue;
    const char* command;
};

const Assembler kAssemblers[] = {
    {"ca65", Directive::Byte, ValueStyle::Dollar, "",
     "ca65 -o in.o in.asm && ld65 -t none -o out.bin in.o"},
    {"ca65", Directive::Byte, ValueStyle::Decimal, "",
     "ca65 -o in.o in.asm && ld65 -t none -o out.bin in.o"},
    {"acme", Directive::AcmeByte, ValueStyle::Dollar, "\t* = $1000\n",
     "acme -f plain -o out.bin in.asm"},
    {"acme", Directive::AcmeByte, ValueStyle::ZeroX, "\t* = $1000\n",
     "acme -f plain -o out.bin in.asm"},
    {"acme", Directive::AcmeByte, ValueStyle::Decimal, "\t* = $1000\n",
     "acme -f plain -o out.bin in.asm"},
    {"pasmo", Directive::Defb, ValueStyle::Dollar, "", "pasmo in.asm out.bin"},
    {"pasmo", Directive::Defb, ValueStyle::ZeroX, "", "pasmo in.asm out.bin"},
    {"pasmo", Directive::Db, ValueStyle::Dollar, "", "pasmo in.asm out.bin"},
    {"pasmo", Directive::Db, ValueStyle::Decimal, "", "pasmo in.asm out.bin"},
    {"nasm", Directive::Db, ValueStyle::Dollar, "", "nasm -f bin -o out.bin in.asm"},
    {"nasm", Directive::Db, ValueStyle::ZeroX, "", "nasm -f bin -o out.bin in.asm"},
    {"nasm", Directive::Db, ValueStyle::Decimal, "", "nasm -f bin -o out.bin in.asm"},
};

std::string Describe(const Assembler& a) {
    return std::string(a.tool) + " " + DirectiveText(a.directive) + " " + ValueStyleText(a.values);
}

void ExpectAssemblesTo(const Assembler& a, const ByteBlock& block, const std::string& label) {
    TempFolder folder;
    SourceOptions options{a.directive, a.values, label};
    WriteText(folder / "in.asm", a.prologue + AssemblerSource(block, options));
    const std::string command = "cd '" + folder.path() + "' && (" + a.command + ") >log.txt 2>&1";
    const int status = std::system(command.c_str());
    const std::vector<std::uint8_t> log = ReadBytes(folder / "log.txt");
    ASSERT_EQ(status, 0) << Describe(a) << ":\n" << std::string(log.begin(), log.end());
    EXPECT_EQ(ReadBytes(folder / "out.bin"), block.bytes) << Describe(a);
}

TEST(RealAssemblers, AssembleTheGlyphsAndTheMapToTheSameBytes) {
    int ran = 0;
    for (const Assembler& a : kAssemblers) {
        if (!HaveTool(a.tool)) continue;
        ExpectAssemblesTo(a, GlyphBlock(KnownCharset(), {0, 255}), "charset");
        ExpectAssemblesTo(a, GlyphBlock(KnownCharset(), {32, 127}), "zx_font");
        ExpectAssemblesTo(a, MapBlock(KnownMap()), "screen");
        ++ran;
    }
    if (ran == 0) GTEST_SKIP() << "none of ca65, acme, pasmo and nasm is installed";
}

TEST(RealCompiler, CompilesWithWarningsAsErrorsToTheSameArray) {
    if (!HaveTool("cc")) GTEST_SKIP() << "no C compiler";
    TempFolder folder;
    const ByteBlock glyphs = GlyphBlock(KnownCharset(), {0, 255});
    const ByteBlock map = MapBlock(KnownMap());
    WriteText(folder / "glyphs.h", CSource(glyphs, "glyphs"));
    WriteText(folder / "map.h", CSource(map, "screen"));
    WriteText(folder / "main.c",
              "#include <stdio.h>\n#include \"glyphs.h\"\n#include \"map.h\"\n"
              "_Static_assert(sizeof glyphs == GLYPHS_COUNT, \"count\");\n"
              "_Static_assert(sizeof screen == SCREEN_COUNT, \"count\");\n"
              "int main(void) {\n"
              "    fwrite(glyphs, 1, GLYPHS_COUNT, stdout);\n"
              "    fwrite(screen, 1, SCREEN_COUNT, stdout);\n"
              "    return 0;\n}\n");
    const std::string command = "cd '" + folder.path() +
                                "' && cc -std=c11 -Wall -Wextra -Werror -pedantic -o dump main.c "
                                ">log.txt 2>&1 && ./dump >out.bin";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::vector<std::uint8_t> expected = glyphs.bytes;
    expected.insert(expected.end(), map.bytes.begin(), map.bytes.end());
    EXPECT_EQ(ReadBytes(folder / "out.bin"), expected);
}

}  // namespace
}  // namespace pixlore
