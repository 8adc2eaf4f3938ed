// Files on disk: safe writing, whole reads, names, and the glyph, map, PRG, BMP and PNG files
// as the program writes them.
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <random>

#include "files/bmp.h"
#include "formats/bmp_decode.h"
#include "files/file_names.h"
#include "formats/png_decode.h"
#include "formats/png_encode.h"
#include "formats/prg.h"
#include "files/safe_write.h"
#include "files/whole_file.h"
#include "fuzz/model/format_check.h"
#include "support.h"

namespace pixlore {
namespace {

using testing::Bytes;
using testing::Pattern;
using testing::ReadBytes;

mode_t ModeOf(const std::string& name) {
    struct stat st {};
    stat(name.c_str(), &st);
    return st.st_mode & 07777;
}

// 7 when a write past a file size limit of 1000 bytes fails as it should.
int WriteUnderSizeLimit(const std::string& name) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, 1000};
    setrlimit(RLIMIT_FSIZE, &limit);
    return SafeWrite(name, Pattern(3000, 3)) == WriteStatus::WriteFailed ? 7 : 1;
}

// The new bytes replace the old only when every write succeeded; a replaced file keeps its
// permissions, a link is written through, and nothing but a regular file is ever replaced.
TEST(SafeWrite, ReplacesWholeOrNotAtAll) {
    umask(022);
    testing::TempFolder folder;
    testing::WriteBytes(folder / "old.fnt", Pattern(4000, 1));
    chmod((folder / "old.fnt").c_str(), 0640);
    std::filesystem::create_directory(folder / "folder.fnt");
    mkfifo((folder / "pipe.fnt").c_str(), 0600);
    testing::WriteBytes(folder / "target.fnt", Pattern(5, 1));
    std::filesystem::create_symlink(folder / "target.fnt", folder / "link.fnt");
    const std::tuple<const char*, WriteStatus, mode_t> rows[] = {
        {"old.fnt", WriteStatus::Written, 0640},
        {"Шрифт été.fnt", WriteStatus::Written, 0644},
        {"link.fnt", WriteStatus::Written, 0644},
        {"folder.fnt", WriteStatus::NotRegular, 0},
        {"pipe.fnt", WriteStatus::NotRegular, 0},
        {"no folder/new.fnt", WriteStatus::CannotCreate, 0}};
    for (auto [name, status, mode] : rows) {
        EXPECT_EQ(SafeWrite(folder / name, Pattern(768, 2)), status) << name;
        if (!mode) continue;
        EXPECT_EQ(std::pair(ReadBytes(folder / name), ModeOf(folder / name)),
                  std::pair(Pattern(768, 2), mode))
            << name;
    }
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.fnt") &&
                std::filesystem::is_fifo(folder / "pipe.fnt"));
    // A write that fails half way leaves the old file and no temporary one.
    EXPECT_EXIT(std::exit(WriteUnderSizeLimit(folder / "old.fnt")), ::testing::ExitedWithCode(7),
                "");
    EXPECT_EQ(ReadBytes(folder / "old.fnt"), Pattern(768, 2));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 6);
    if (geteuid() == 0) {  // only root may give a file to another owner; permissions do not stop it
        for (auto [uid, gid] : {std::pair{65534u, 0u}, {0u, 65534u}}) {
            chown((folder / "old.fnt").c_str(), uid, gid);
            ASSERT_EQ(SafeWrite(folder / "old.fnt", Pattern(9, 9)), WriteStatus::Written);
            struct stat st {};
            stat((folder / "old.fnt").c_str(), &st);
            EXPECT_EQ(std::pair(st.st_uid, st.st_gid), std::pair(uid, gid));
        }
        return;
    }
    chmod((folder / "old.fnt").c_str(), 0444);
    EXPECT_EQ(SafeWrite(folder / "old.fnt", Pattern(9, 9)), WriteStatus::CannotCreate);
}

TEST(ReadWholeFile, TakesRegularFilesOnly) {
    testing::TempFolder folder;
    testing::WriteBytes(folder / "small", Pattern(100, 1));
    mkfifo((folder / "pipe").c_str(), 0600);
    const std::pair<std::string, const char*> rows[] = {
        {folder / "small", ""},
        {folder / "missing", "there is no such file"},
        {folder.path(), "it is a folder"},
        {folder / "pipe", "it is not a regular file"},
        {"/dev/null", "it is not a regular file"}};
    for (const auto& [name, reason] : rows)
        EXPECT_EQ(ReadWholeFile(name, 100).reason, reason) << name;
    EXPECT_EQ(*ReadWholeFile(folder / "small", 100).value, Pattern(100, 1));
    EXPECT_EQ(ReadWholeFile(folder / "small", 99).reason,
              "it is far too large for a charset or a map");
    // Attributes under /sys claim 4096 bytes and hold a few: the file seems to shrink.
    const std::string shrinking = "/sys/kernel/profiling";
    if (!std::filesystem::exists(shrinking) ||
        std::filesystem::file_size(shrinking) == ReadBytes(shrinking).size())
        return;
    EXPECT_EQ(ReadWholeFile(shrinking, 4096).reason, "it could not be read whole");
}

// A chosen name gets the extension unless its last four characters are it already, in any
// case; its folder is kept for the next dialog.
TEST(FileNames, ExtensionAndFolder) {
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"/f/font", ".fnt", "/f/font.fnt", "/f/"},
        {"/f/A.FNT", ".fnt", "/f/A.FNT", "/f/"},
        {"/f/a.fnt.map", ".fnt", "/f/a.fnt.map.fnt", "/f/"},
        {"C:\\f\\p.Bmp", ".bmp", "C:\\f\\p.Bmp", "C:\\f\\"},
        {"/f\\g/Шрифт", ".map", "/f\\g/Шрифт.map", "/f\\g/"},
        {"/f/ÉTÉ.FNT", ".fnt", "/f/ÉTÉ.FNT", "/f/"},
        {"fnt", ".fnt", "fnt.fnt", ""},
        {".fnt", ".fnt", ".fnt", ""}};
    for (auto [name, extension, withExtension, folder] : rows) {
        EXPECT_EQ(WithExtension(name, extension), withExtension);
        EXPECT_EQ(FolderPart(name), folder);
    }
    EXPECT_TRUE(IsBlankName("   ") && IsBlankName("") && !IsBlankName(" a "));
}

// Glyph and map files read and written by the program against a model of the two formats:
// fixed-seed random files, then the inputs the fuzzer kept.
TEST(FileFormats, AgreeWithTheModel) {
    testing::TempFolder folder;
    std::mt19937 random(7011);
    const std::size_t sizes[] = {5, 6, 13, 773, 965, 1029, 1925, 2053, 2054, 4005, 4006, 6000};
    for (int i = 0; i < 96; ++i) {
        Bytes input(sizes[i % 12] + random() % 3);
        for (std::uint8_t& b : input)
            b = static_cast<std::uint8_t>(random());
        ASSERT_EQ(model::CheckFileFormats(input.data(), input.size(), folder.path()), "") << i;
    }
    for (const auto& kept :
         std::filesystem::directory_iterator(PIXLORE_FUZZ_CORPUS "/file_formats")) {
        const Bytes input = ReadBytes(kept.path());
        EXPECT_EQ(model::CheckFileFormats(input.data(), input.size(), folder.path()), "")
            << kept.path();
    }
}

TEST(Prg, LoadAddressThenData) {
    const std::pair<Bytes, int> rows[] = {// the file and its address, -1 when refused
                                          {{}, -1},
                                          {{0x00, 0x20}, -1},
                                          {{0x23, 0xC1, 7, 8}, 0xC123},
                                          {{0xFF, 0xFF, 1}, 0xFFFF},
                                          {{0xFF, 0xFF, 1, 2}, -1},
                                          {EncodePrg(0xF800, Bytes(2048, 1)), 0xF800},
                                          {EncodePrg(0xF801, Bytes(2048, 1)), -1}};
    for (const auto& [file, address] : rows) {
        const auto prg = DecodePrg(file);
        EXPECT_EQ(prg.ok() ? prg.value->loadAddress : -1, address) << file.size();
        EXPECT_EQ(prg.ok() ? EncodePrg(address, prg.value->data) : Bytes{},
                  prg.ok() ? file : Bytes{});
        EXPECT_EQ(prg.reason, prg.ok()          ? ""
                              : file.size() < 3 ? "too short for a PRG file"
                                                : "the data runs past the end of the C64's memory");
    }
}

// The charset picture is a plain 24-bit bitmap with the header every reader knows; BMP and
// PNG pictures of any size read back pixel for pixel.
TEST(Pictures, WrittenAndReadBack) {
    const Bytes bmp = EncodeBmp(Image(256, 256));
    EXPECT_EQ(bmp.size(), 196662u);
    EXPECT_EQ(Bytes(bmp.begin(), bmp.begin() + 54),
              (Bytes{'B', 'M', 0x36, 0, 3, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0,
                     0,   1,   0,    0, 0, 1, 0, 0, 1, 0, 24, 0, 0, 0, 0,  0, 0, 0,
                     3,   0,   0,    0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0}));
    std::mt19937 random(5);
    for (auto [width, height] : {std::pair{256, 256}, {13, 7}, {1, 1}, {3, 2}}) {
        Image picture(width, height);
        for (int i = 0; i < width * height; ++i)
            picture.data()[i] = 0xFF000000 | static_cast<Pixel>(random());
        EXPECT_TRUE(testing::Same(DecodeBmp(EncodeBmp(picture), 1024).value.value(), picture))
            << width;
        EXPECT_TRUE(testing::Same(DecodePng(EncodePng(picture), 1024).value.value(), picture))
            << width;
    }
}

}  // namespace
}  // namespace pixlore
