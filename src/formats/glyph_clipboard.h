#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "charset/charset.h"
#include "charset/palette.h"
#include "views/image.h"

namespace pixlore {

// The type the raw glyph bytes go on the clipboard under, next to a picture and text.
inline constexpr char kGlyphsClipboardType[] = "application/x-pixlore-glyphs";

// A picture larger than this on either side is not a copy of glyphs.
inline constexpr int kMaxClipboardPictureSide = 4096;

// What the clipboard holds, in the forms a paste reads; each is there or not.
struct ClipboardForms {
    std::optional<std::vector<std::uint8_t>> ownBytes;
    std::optional<Image> picture;
    std::optional<std::string> text;
};

// The values perLine a line as an assembler line without its directive: "$3C, $42, ...".
std::string ValuesText(const std::vector<std::uint8_t>& values, int perLine);

// Glyph bytes, 8 a glyph, from each form alone, or nothing when the form holds none.
std::optional<std::vector<std::uint8_t>> GlyphsFromOwnBytes(const std::vector<std::uint8_t>& bytes);
std::optional<std::vector<std::uint8_t>> GlyphsFromText(std::string_view text);
std::optional<std::vector<std::uint8_t>> GlyphsFromPicture(const Image& picture, Palette palette);

// The first form that holds glyphs: our own bytes, then the picture, then the text.
std::optional<std::vector<std::uint8_t>> GlyphsFromClipboard(const ClipboardForms& forms,
                                                             Palette palette);

// Lays glyph bytes into the charset from glyph first on, as many as fit before the end.
void LayGlyphs(Charset& charset, int first, const std::vector<std::uint8_t>& bytes);

}  // namespace pixlore
