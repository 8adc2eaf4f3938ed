// The charset: insert and delete, the selection, the range, dragging and the built-in charsets.
// What the commands do to one glyph is in the editor's tests.
#include "charset/builtin_charsets.h"
#include "charset/drag.h"
#include "charset/glyph_ops.h"
#include "charset/range.h"
#include "charset/selection.h"
#include "support.h"

namespace pixlore {
namespace {

using testing::Same;

// Every glyph distinct, and every row of a glyph: row r of glyph n holds n + 37 * r.
Charset Numbered() {
    Charset charset{};
    for (int i = 0; i < kCharsetBytes; ++i)
        charset[i] = static_cast<std::uint8_t>(i / 8 + 37 * (i % 8));
    return charset;
}

void CopyGlyph(Charset& charset, int to, const Charset& from, int code) {
    std::copy_n(GlyphAt(from, code), kGlyphBytes, GlyphAt(charset, to));
}

TEST(Glyphs, InsertAndDelete) {
    for (int code : {0, 1, 128, 254, 255}) {
        const Charset before = Numbered();
        Charset inserted = before, deleted = before, afterInsert{}, afterDelete{};
        InsertGlyph(inserted, code);
        DeleteGlyph(deleted, code);
        for (int n = 0; n < kGlyphCount; ++n) {
            if (n != code) CopyGlyph(afterInsert, n, before, n < code ? n : n - 1);
            if (n != 255) CopyGlyph(afterDelete, n, before, n < code ? n : n + 1);
        }
        EXPECT_TRUE(Same(inserted, afterInsert)) << code;
        EXPECT_TRUE(Same(deleted, afterDelete)) << code;
    }
}

// A click selects the cell under it, -15..-1 counting as 0; the border past the last cell
// selects nothing. Arrow keys move one cell and stop at the edges.
TEST(Selection, PointerAndArrowKeys) {
    const int clicks[][4] = {{0, 0, 0, 0},       {15, 15, 0, 0},  {16, 0, 1, 0},
                             {255, 255, 15, 15}, {-15, 40, 0, 2}, {40, -15, 2, 0},
                             {100, 37, 6, 2},    {256, 0, 7, 7},  {0, 256, 7, 7},
                             {-16, 0, 7, 7},     {0, -16, 7, 7},  {9999, -9999, 7, 7}};
    for (auto [x, y, column, row] : clicks) {  // 7, 7: nothing selected
        Selection s{7 * 16 + 7, 7, 7};
        EXPECT_EQ(SelectCharAt(s, x, y), column != 7) << x << "," << y;
        EXPECT_EQ(std::tuple(+s.CurrentChar, s.CurrentColumn, s.CurrentRow),
                  std::tuple(16 * row + column, column, row));
    }
    const int keys[][5] = {
        {0, 0, kKeyLeft, 0, 0},     {0, 0, kKeyUp, 0, 0},   {15, 15, kKeyRight, 15, 15},
        {15, 15, kKeyDown, 15, 15}, {5, 5, kKeyLeft, 4, 5}, {5, 5, kKeyRight, 6, 5},
        {5, 5, kKeyUp, 5, 4},       {5, 5, kKeyDown, 5, 6}, {5, 5, kKeyInsert, 5, 5}};
    for (auto [column, row, key, toColumn, toRow] : keys) {
        Selection s{static_cast<std::uint8_t>(16 * row + column), column, row};
        EXPECT_EQ(ArrowKey(s, key), toColumn != column || toRow != row)
            << column << "," << row << " " << key;
        EXPECT_EQ(std::tuple(+s.CurrentChar, s.CurrentColumn, s.CurrentRow),
                  std::tuple(16 * toRow + toColumn, toColumn, toRow));
    }
}

// The main window's title and the range labels name a code, from 32 on with its character in
// Windows-1252.
TEST(Selection, CodeTexts) {
    const std::tuple<int, const char*, const char*> rows[] = {
        {0, "0($00)", "0"},
        {31, "31($1F)", "31"},
        {32, "32($20)' '", "32: "},
        {65, "65($41)'A'", "65:A"},
        {128, "128($80)'€'", "128:€"},
        {129, "129($81)'\u0081'", "129:\u0081"},
        {159, "159($9F)'Ÿ'", "159:Ÿ"},
        {160, "160($A0)'\u00A0'", "160:\u00A0"},
        {255, "255($FF)'ÿ'", "255:ÿ"}};
    for (auto [code, status, position] : rows) {
        EXPECT_EQ(StatusText(code), status);
        EXPECT_EQ(RangePositionText(code), position);
    }
}

TEST(Range, CopyToCurrent) {
    // The two ends, the current character, and how many glyphs are copied (-1: it lies in
    // the range, which is an error).
    const int rows[][4] = {{70, 65, 64, 6},  {65, 70, 71, 6},  {65, 70, 0, 6},
                           {70, 65, 252, 4}, {65, 70, 255, 1}, {65, 70, 65, -1},
                           {70, 65, 67, -1}, {65, 70, 70, -1}, {0, 0, 0, -1}};
    for (auto [begin, end, current, copied] : rows) {
        const Charset before = Numbered();
        Charset charset = before, expected = before;
        for (int i = 0; i < copied; ++i)
            CopyGlyph(expected, current + i, before, std::min(begin, end) + i);
        EXPECT_EQ(CopyRangeToCurrent(charset, RangeBetween(begin, end), current) ==
                      RangeCopyResult::Copied,
                  copied > 0);
        EXPECT_TRUE(Same(charset, expected)) << begin << "," << end << " to " << current;
    }
}

// A glyph dragged from one cell of the grid to another: pressed at (x, y), released at
// (x, y), copied or swapped onto the target (-1: nothing dropped). A release on its own
// cell or off the grid drops nothing, and a press past the last cell starts no drag.
TEST(Drag, SwapAndCopy) {
    const int rows[][6] = {
        {24, 72, 40, 72, 1, 66},      {0, 0, 255, 255, 1, 255}, {128, 192, 63, 15, 0, 3},
        {69, 101, -10, 49, 0, 48},    {69, 101, 80, -15, 1, 5}, {40, 24, 47, 16, 0, -1},
        {40, 24, -16, 20, 1, -1},     {40, 24, 256, 0, 0, -1},  {40, 24, 20, 257, 1, -1},
        {40, 24, 5000, -5000, 0, -1}, {257, 4, 40, 40, 0, -1}};
    for (auto [pressX, pressY, releaseX, releaseY, swap, target] : rows) {
        const Charset before = Numbered();
        Charset charset = before, expected = before;
        const int source = pressY / 16 * 16 + pressX / 16;
        if (target >= 0) CopyGlyph(expected, target, before, source);
        if (target >= 0 && swap) CopyGlyph(expected, source, before, target);
        Drag drag;
        StartDrag(drag, pressX, pressY);
        const DropMode mode = swap ? DropMode::Swap : DropMode::Copy;
        EXPECT_EQ(EndDrag(drag, charset, releaseX, releaseY, mode), target >= 0)
            << pressX << "," << pressY;
        EXPECT_FALSE(EndDrag(drag, charset, 8, 8, mode));  // the drag has ended
        EXPECT_TRUE(Same(charset, expected))
            << pressX << "," << pressY << " to " << releaseX << "," << releaseY;
    }
    // A press while a drag is under way keeps the first source.
    Charset charset = Numbered();
    Drag drag;
    StartDrag(drag, 160, 0);
    StartDrag(drag, 64, 16);
    ASSERT_TRUE(EndDrag(drag, charset, 224, 0, DropMode::Copy));
    EXPECT_EQ(GlyphAt(charset, 14)[0], 10);
}

// Each machine's glyphs from code 0, for some their inverse right after them, and its colours;
// glyphs beyond keep whatever they held.
TEST(BuiltInCharsets, MachinesAndTheirColours) {
    const std::tuple<BuiltInCharset, const char*, bool, Palette> rows[] = {
        {BuiltInCharset::IbmPcCga, "ibm-pc-cga.bin", false, {0xFFFFFF, 0}},
        {BuiltInCharset::IbmPc866, "ibm-pc-866.bin", false, {0xFFFFFF, 0}},
        {BuiltInCharset::ZxSpectrum, "zx-spectrum.bin", false, {0, 0xCBCBCB}},
        {BuiltInCharset::Zx80, "zx80.bin", true, {0, 0xFFFFFF}},
        {BuiltInCharset::JupiterAce, "jupiter-ace.bin", true, {0xFFFFFF, 0}},
        {BuiltInCharset::C64Caps, "c64-caps.bin", false, {0xEB6D70, 0x9B2C2E}},
        {BuiltInCharset::AtariXl, "atari-xl.bin", true, {0xFDAE61, 0x9D4E01}},
        {BuiltInCharset::Microsha, "microsha.bin", true, {0xFFFFFF, 0}}};
    for (const auto& [preset, file, inverse, colours] : rows) {
        const testing::Bytes table =
            testing::ReadBytes(PIXLORE_TEST_DATA "/reference-charsets/" + std::string(file));
        const Charset before = Numbered();
        Charset charset = before, expected = before;
        std::copy(table.begin(), table.end(), expected.begin());
        for (std::size_t i = 0; inverse && i < table.size(); ++i)
            expected[table.size() + i] = static_cast<std::uint8_t>(~table[i]);
        Palette palette{0x123456, 0x654321};
        LoadBuiltInCharset(charset, palette, preset);
        EXPECT_TRUE(Same(charset, expected)) << file;
        EXPECT_EQ(palette, colours) << file;
    }
}

// Every glyph shows its code as two digits 3 pixels wide, in columns 0..2 and 4..6 of rows
// 1..5, white on black.
TEST(BuiltInCharsets, HexNumbers) {
    const char* const digits[] = {
        // 0 to F
        ".#. .#. .#. ### #.# ### .## ### .## .#. .#. ##. .#. ##. ### ###",
        "#.# ##. #.# ..# #.# #.. #.. ..# #.# #.# #.# #.# #.# #.# #.. #..",
        "### .#. ..# .#. ### ##. ##. .#. .#. .## ### ##. #.. #.# ##. ##.",
        "#.# .#. .#. ..# ..# ..# #.# #.. #.# ..# #.# #.# #.# #.# #.. #..",
        ".#. ### ### ##. ..# ##. .#. #.. ##. ##. #.# ##. .#. ##. ### #.."};
    Charset charset, expected{};
    charset.fill(0xFF);
    Palette palette{0x123456, 0x654321};
    LoadBuiltInCharset(charset, palette, BuiltInCharset::HexNumbers);
    for (int i = 0; i < 256 * 15; ++i) {  // code, row and column
        const int code = i / 15, r = i % 15 / 3, c = i % 3;
        if (digits[r][4 * (code / 16) + c] == '#') expected[8 * code + r + 1] |= 0x80 >> c;
        if (digits[r][4 * (code % 16) + c] == '#') expected[8 * code + r + 1] |= 0x08 >> c;
    }
    EXPECT_TRUE(Same(charset, expected));
    EXPECT_EQ(palette, (Palette{kWhite, kBlack}));
}

}  // namespace
}  // namespace pixlore
