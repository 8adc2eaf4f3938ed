// Files on disk: safe writing, whole reads and the recovery file.
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <zlib.h>

#include "files/recovery_file.h"
#include "files/recovery_store.h"
#include "files/recovery_writer.h"
#include "files/safe_write.h"
#include "files/whole_file.h"
#include "support.h"

namespace pixlore {
namespace {

using namespace testing;

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
    TempFolder folder;
    WriteBytes(folder / "old.fnt", Pattern(4000, 1));
    chmod((folder / "old.fnt").c_str(), 0640);
    std::filesystem::create_directory(folder / "folder.fnt");
    mkfifo((folder / "pipe.fnt").c_str(), 0600);
    WriteBytes(folder / "target.fnt", Pattern(5, 1));
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
        EXPECT_EQ(std::pair(ReadBytes(folder / name),
                            mode_t(std::filesystem::status(folder / name).permissions())),
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
}

// A pipe, which would never end, and a folder are refused (a missing name: the converter's
// rows), and so is a file past the size asked for.
TEST(ReadWholeFile, TakesRegularFilesOnly) {
    TempFolder folder;
    WriteBytes(folder / "small", Pattern(100, 1));
    mkfifo((folder / "pipe").c_str(), 0600);
    EXPECT_EQ(ReadWholeFile(folder / "pipe", 100).reason, "it is not a regular file");
    EXPECT_EQ(ReadWholeFile(folder.path(), 100).reason, "it is a folder");
    EXPECT_EQ(*ReadWholeFile(folder / "small", 100).value, Pattern(100, 1));
    EXPECT_EQ(ReadWholeFile(folder / "small", 99).reason,
              "it is far too large for a charset or a map");
}

// A session comes back whole; a file that is not whole, not ours or of a newer version is
// refused with its reason.
TEST(RecoveryFile, DecodesOnlyWholeFilesOfItsVersion) {
    Session sample;
    sample.charset.front() = 0x81, sample.charset.back() = 0x7E;
    sample.cells.front() = 255, sample.cells[CharMap::kColumns] = 1, sample.cells.back() = 130;
    sample.palette = {0x123456, 0xFEDCBA}, sample.MapWidth = 80, sample.MapHeight = 50;
    sample.CurrentChar = 200, sample.BeginRange = 17, sample.EndRange = 250;
    sample.RangeEnabled = true, sample.DragSwap = false;
    const std::size_t whole = kRecoveryFileBytes, sizes = 10 + kCharsetBytes + 8, none = 0;
    const std::string damaged = "the file is damaged", cut = "the file is cut short";
    // Byte at (none: 0, the magic's first) set to value; resealed: the checksum made to fit.
    const std::tuple<const char*, std::size_t, std::size_t, std::uint8_t, bool, std::string>
        rows[] = {
            {"whole", whole, none, 'P', false, ""},
            {"a glyph byte changed", whole, 700, 0x5A, false, damaged},
            {"cut by one byte", whole - 1, none, 'P', false, cut},
            {"cut in the magic", 5, none, 'P', false, cut},
            {"foreign", whole, none, 'G', true, "it is not a recovery file of pixlore"},
            {"newer version", whole, 8, 2, true, "it was written by a newer version of pixlore"},
            {"map 0 wide", whole, sizes, 0, true, damaged},
            {"a cell of 256", whole, sizes + 7, 1, true, damaged},
        };
    for (const auto& [name, size, at, value, reseal, reason] : rows) {
        std::vector<std::uint8_t> b = EncodeSession(sample);
        b[at] = value;
        const uLong crc = crc32(0, b.data(), static_cast<uInt>(whole - 4));
        for (int i = 0; reseal && i < 4; ++i)
            b[whole - 4 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
        b.resize(size);  // cut where the reader can see a read past the end
        const Decoded<Session> decoded = DecodeSession(b.data(), b.size());
        EXPECT_EQ(std::pair(decoded.reason, decoded.ok() && *decoded.value != sample),
                  std::pair(reason, false))
            << name;
    }
    Session flagsUnset;
    flagsUnset.DragSwap = false;
    const std::vector<std::uint8_t> unset = EncodeSession(flagsUnset);
    EXPECT_EQ(DecodeSession(unset.data(), unset.size()).value, flagsUnset);
}

// Each editor keeps a file of its own; the one to recover is the newest of an editor that has
// ended, never one that still runs.
TEST(RecoveryStore, OffersTheNewestFileOfAnEndedEditor) {
    TempFolder folder;
    const std::string at = folder / "state/pixlore";
    std::string older, newer;
    for (std::string* name : {&older, &newer}) {
        RecoveryStore ended(at);
        ASSERT_EQ(ended.write({1}), WriteStatus::Written);
        *name = ended.file();
    }
    RecoveryStore running(at), asking(at);
    ASSERT_EQ(running.write({2}), WriteStatus::Written);
    EXPECT_NE(older, newer);
    EXPECT_EQ(asking.newestEnded(), newer);
    EXPECT_EQ(ReadBytes(running.file()), Bytes{2});
    EXPECT_EQ(RecoveryFolder("/x", "/h") + "|" + RecoveryFolder("x", "/h") + "|" +
                  RecoveryFolder(nullptr, "h"),
              "/x/pixlore|/h/.local/state/pixlore|");
}

// A write that fails is tried again, with the newest session, until it succeeds: here a file
// stands where the store's folder goes until it is taken away. (A write cut short by a full
// disk leaves the file before it whole: SafeWrite's test.)
TEST(RecoveryWriter, AFailedWriteIsTriedAgainWithTheNewestSession) {
    TempFolder folder;
    WriteBytes(folder / "state", {});
    auto store = std::make_shared<RecoveryStore>(folder / "state/pixlore");
    RecoveryWriter writer(store, {std::chrono::milliseconds(10), std::chrono::milliseconds(50)});
    Session newest;
    newest.CurrentChar = 65;
    writer.update(Session{});
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    writer.update(newest);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // and that write fails too
    std::filesystem::remove(folder / "state");
    for (int i = 0; i < 200 && ReadBytes(store->file()) != EncodeSession(newest); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(ReadBytes(store->file()), EncodeSession(newest));
}

}  // namespace
}  // namespace pixlore
