#include "charset/builtin_charsets.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "charset/hex_numbers.h"
#include "charset/tables/glyph_tables.h"

namespace pixlore {
namespace {

struct TablePreset {
    std::span<const std::uint8_t> table;
    bool inverseFill;  // the inverse of the table follows it
    Palette palette;
};

constexpr Palette kWhiteOnBlack{kWhite, kBlack};

TablePreset TablePresetOf(BuiltInCharset preset) {
    switch (preset) {
        case BuiltInCharset::IbmPcCga:
            return {kIbmPcCgaGlyphs, false, kWhiteOnBlack};
        case BuiltInCharset::IbmPc866:
            return {kIbmPc866Glyphs, false, kWhiteOnBlack};
        case BuiltInCharset::ZxSpectrum:
            return {kZxSpectrumGlyphs, false, {kBlack, RgbColour(203, 203, 203)}};
        case BuiltInCharset::Zx80:
            return {kZx80Glyphs, true, {kBlack, kWhite}};
        case BuiltInCharset::JupiterAce:
            return {kJupiterAceGlyphs, true, kWhiteOnBlack};
        case BuiltInCharset::C64Caps:
            return {kC64CapsGlyphs, false, {RgbColour(112, 109, 235), RgbColour(46, 44, 155)}};
        case BuiltInCharset::AtariXl:
            return {kAtariXlGlyphs, true, {RgbColour(97, 174, 253), RgbColour(1, 78, 157)}};
        case BuiltInCharset::Microsha:
        default:
            return {kMicroshaGlyphs, true, kWhiteOnBlack};
    }
}

void LoadTable(Charset& charset, const TablePreset& preset) {
    const std::size_t n = preset.table.size();
    std::copy(preset.table.begin(), preset.table.end(), charset.begin());
    // Only tables of at most half the charset have an inverse half.
    if (preset.inverseFill && 2 * n <= charset.size())
        for (std::size_t i = 0; i < n; ++i)
            charset[n + i] = static_cast<std::uint8_t>(charset[i] ^ 0xFF);
}

}  // namespace

void LoadBuiltInCharset(Charset& charset, Palette& palette, BuiltInCharset preset) {
    if (preset == BuiltInCharset::HexNumbers) {
        palette = kWhiteOnBlack;
        BuildHexNumbers(charset);
        return;
    }
    const TablePreset table = TablePresetOf(preset);
    LoadTable(charset, table);
    palette = table.palette;
}

}  // namespace pixlore
