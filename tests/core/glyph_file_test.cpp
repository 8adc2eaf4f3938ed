#include "files/glyph_file.h"

#include <gtest/gtest.h>

#include "files/safe_write.h"
#include "temp_folder.h"

namespace pixlore {
namespace {

using testing::Pattern;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

Charset CharsetOf(const std::vector<std::uint8_t>& bytes) {
    Charset charset{};
    std::copy(bytes.begin(), bytes.end(), charset.begin());
    return charset;
}

TEST(GlyphFile, RoundTripsFromTheCurrentCharacter) {
    struct Case {
        int current, byteCount;
    };
    for (const Case c : {Case{0, 2048}, Case{32, 1024}, Case{128, 1024}, Case{160, 768}}) {
        TempFolder folder;
        const Charset saved = CharsetOf(Pattern(kCharsetBytes, 1));
        const std::vector<std::uint8_t> bytes = GlyphFileBytes(saved, c.current, c.byteCount);
        ASSERT_EQ(SafeWrite(folder / "f.fnt", bytes), WriteStatus::Written);
        EXPECT_EQ(ReadBytes(folder / "f.fnt"), bytes);

        const Charset before = CharsetOf(Pattern(kCharsetBytes, 99));
        Charset loaded = before;
        ASSERT_EQ(LoadGlyphs(loaded, c.current, folder / "f.fnt"), GlyphLoad::Loaded);
        const int first = c.current * 8, end = first + c.byteCount;
        for (int i = 0; i < kCharsetBytes; ++i)
            ASSERT_EQ(loaded[i], i >= first && i < end ? saved[i] : before[i])
                << "from " << c.current << ", byte " << i;
    }
}

TEST(GlyphFile, TakesOnlyWhatFitsAndChangesOnlyTheRowsItCovers) {
    struct Case {
        int current;
        std::size_t fileBytes;
        int taken;
    };
    const Case cases[] = {
        {32, 2048, 1792},  // the last 256 bytes are ignored
        {255, 2048, 8},
        {10, 3, 3},  // rows 0..2 of the current glyph only
        {0, 13, 13},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const std::vector<std::uint8_t> file = Pattern(c.fileBytes, 5);
        WriteBytes(folder / "f.fnt", file);
        const Charset before = CharsetOf(Pattern(kCharsetBytes, 77));
        Charset charset = before;
        ASSERT_EQ(LoadGlyphs(charset, c.current, folder / "f.fnt"), GlyphLoad::Loaded);
        const int first = c.current * 8;
        for (int i = 0; i < kCharsetBytes; ++i) {
            const bool taken = i >= first && i < first + c.taken;
            ASSERT_EQ(charset[i], taken ? file[i - first] : before[i]) << c.fileBytes << " " << i;
        }
    }
}

}  // namespace
}  // namespace pixlore
