// The recovery file: a session comes back whole; a file that is not whole, not ours or of a
// newer version is refused with its reason.
#include <gtest/gtest.h>
#include <zlib.h>

#include "files/recovery_file.h"

namespace pixlore {
namespace {

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
    struct Row {
        const char* name;
        std::size_t size, at;
        std::uint8_t value;
        bool reseal;
        std::string reason;
    } rows[] = {
        {"whole", whole, none, 'P', false, ""},
        {"a glyph byte changed", whole, 700, 0x5A, false, damaged},
        {"cut by one byte", whole - 1, none, 'P', false, cut},
        {"cut in the magic", 5, none, 'P', false, cut},
        {"foreign", whole, none, 'G', true, "it is not a recovery file of pixlore"},
        {"newer version", whole, 8, 2, true, "it was written by a newer version of pixlore"},
        {"map 0 wide", whole, sizes, 0, true, damaged},
        {"a cell of 256", whole, sizes + 7, 1, true, damaged},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        std::vector<std::uint8_t> b = EncodeSession(sample);
        b[r.at] = r.value;
        const uLong crc = crc32(0, b.data(), static_cast<uInt>(whole - 4));
        for (int i = 0; r.reseal && i < 4; ++i)
            b[whole - 4 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
        b.resize(r.size);
        const Decoded<Session> decoded = DecodeSession(b.data(), b.size());
        EXPECT_EQ(decoded.reason, r.reason);
        EXPECT_TRUE(!decoded.ok() || *decoded.value == sample);
    }
}

}  // namespace
}  // namespace pixlore
