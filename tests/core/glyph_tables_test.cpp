#include "charset/tables/glyph_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>

#include "reference_charsets.h"

namespace pixlore {
namespace {

struct TableCase {
    const char* file;
    std::span<const std::uint8_t> table;
};

const TableCase kTables[] = {
    {"ibm-pc-cga.bin", kIbmPcCgaGlyphs},    {"ibm-pc-866.bin", kIbmPc866Glyphs},
    {"zx-spectrum.bin", kZxSpectrumGlyphs}, {"zx80.bin", kZx80Glyphs},
    {"jupiter-ace.bin", kJupiterAceGlyphs}, {"c64-caps.bin", kC64CapsGlyphs},
    {"atari-xl.bin", kAtariXlGlyphs},       {"microsha.bin", kMicroshaGlyphs},
};

TEST(GlyphTables, EqualTheReferenceFilesByteForByte) {
    for (const TableCase& t : kTables) {
        SCOPED_TRACE(t.file);
        const std::vector<std::uint8_t> reference = ReadReferenceCharset(t.file);
        ASSERT_EQ(t.table.size(), reference.size());
        const auto diff = std::mismatch(t.table.begin(), t.table.end(), reference.begin());
        EXPECT_EQ(diff.first, t.table.end())
            << "first difference at byte " << (diff.first - t.table.begin());
    }
}

}  // namespace
}  // namespace pixlore
