// pixlore-convert run as a process: for each command line the exit code, the message and the
// bytes of one file afterwards (none when it must not be written).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "formats/prg.h"
#include "formats/psf.h"
#include "tool_run.h"

namespace pixlore {

using Bytes = std::vector<std::uint8_t>;

TEST(ConvertCommandLines, ExitCodeMessageAndBytes) {
    testing::TempFolder folder;
    const Bytes glyphs = testing::Pattern(kCharsetBytes, 5);
    Charset charset{};
    std::copy(glyphs.begin(), glyphs.end(), charset.begin());
    const Bytes glyphs32to127(glyphs.begin() + 32 * 8, glyphs.begin() + 128 * 8);
    testing::WriteBytes(folder / "a.prg", EncodePrg(0x3800, glyphs));
    std::filesystem::create_directory(folder / "sub");
    ASSERT_EQ(symlink("target.fnt", (folder / "link.fnt").c_str()), 0);
    ASSERT_EQ(symlink("target.fnt", (folder / "sub/rel.fnt").c_str()), 0);
    ASSERT_EQ(symlink("none/x.fnt", (folder / "nowhere.fnt").c_str()), 0);
    struct Row {
        std::vector<std::string> args;
        int exitCode;
        std::string file;  // read after the run; gzip checks and unpacks a .gz file first
        Bytes bytes;
        std::string message = "";
    } rows[] = {
        // A PRG keeps its bytes where they load; a range from glyph 32 on loads 256 bytes on.
        {{"a.prg", "b.prg"}, 0, "b.prg", EncodePrg(0x3800, glyphs)},
        {{"--range", "32-127", "a.prg", "c.prg"}, 0, "c.prg", EncodePrg(0x3900, glyphs32to127)},
        {{"--load-address", "0x1000", "a.prg", "d.prg"}, 0, "d.prg", EncodePrg(0x1000, glyphs)},
        // C reserves its keywords for itself.
        {{"--label", "int", "a.prg", "e.c"}, 2, "e.c", {}, "--label int is a keyword of C"},
        // Packed under a .gz name, and read back.
        {{"a.prg", "f.psf.gz"}, 0, "f.psf.gz", EncodePsf1(charset)},
        {{"f.psf.gz", "g.fnt"}, 0, "g.fnt", glyphs},
        // Through a dangling link onto its target, never over the link itself.
        {{"a.prg", "link.fnt"}, 0, "target.fnt", glyphs},
        {{"a.prg", "sub/rel.fnt"}, 0, "sub/target.fnt", glyphs},
        {{"a.prg", "nowhere.fnt"}, 1, "nowhere.fnt", {}, "no file can be made in its folder"},
        // Numbers only as decimal, $hex or 0xhex; colours only as six hex digits.
        {{"--first", "$0x10", "a.prg", "h.s"}, 2, "h.s", {}, "--first must be a code"},
        {{"--first", "\t16", "a.prg", "h.s"}, 2, "h.s", {}, "--first must be a code"},
        {{"--load-address", "0X1000", "a.prg", "h.prg"}, 2, "h.prg", {}, "--load-address must"},
        {{"--ink", "0x1234", "a.prg", "h.s"}, 2, "h.s", {}, "--ink must be a colour"},
        {{"--paper", "#000000", "a.prg", "h.s"}, 2, "h.s", {}, "--paper must be a colour"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.args[0] + " " + r.args[1] + " ... " + r.file);
        const auto run = testing::RunConvert(folder, r.args);
        EXPECT_EQ(run.exitCode, r.exitCode);
        EXPECT_NE(run.err.find(r.message), std::string::npos) << run.err;
        std::string file = folder / r.file;
        if (file.ends_with(".gz")) {
            const std::string gzip = "gzip -t " + testing::Quoted(file) + " && gzip -dk ";
            EXPECT_EQ(std::system((gzip + testing::Quoted(file)).c_str()), 0);
            file.resize(file.size() - 3);
        }
        EXPECT_EQ(testing::ReadBytes(file), r.bytes);
    }
}

}  // namespace pixlore
