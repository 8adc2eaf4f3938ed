// Glyphs to and from the clipboard. Whatever another program put there is untrusted, and
// two of its forms are read by hand here: our own type holds nothing but glyph rows, and the
// text is a list of small numbers in three notations, which no library reads as such (a
// general number parser would take signs, octal and sizes we do not want). Both check every
// byte they take; the picture goes through the toolkit's decoders before it gets here.
#include "formats/glyph_clipboard.h"

#include <algorithm>

#include "formats/assembler_source.h"
#include "formats/picture_import.h"

namespace pixlore {
namespace {

bool IsSeparator(char c) {
    return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// "$3C", "0x3C" or "60".
std::optional<std::uint8_t> ByteValue(std::string_view token) {
    int base = 10;
    if (token.starts_with('$')) {
        base = 16;
        token.remove_prefix(1);
    } else if (token.starts_with("0x") || token.starts_with("0X")) {
        base = 16;
        token.remove_prefix(2);
    }
    if (token.empty()) return std::nullopt;
    int value = 0;
    for (const char c : token) {
        const int digit = DigitValue(c);
        if (digit >= base) return std::nullopt;
        value = value * base + digit;
        if (value > 255) return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

bool UniformBlock(const Image& picture, int x, int y) {
    const Pixel p = picture.row(y)[x];
    return picture.row(y)[x + 1] == p && picture.row(y + 1)[x] == p &&
           picture.row(y + 1)[x + 1] == p;
}

// A picture made of uniform 2 x 2 blocks, as the charset view draws glyphs, at half size.
Image HalvedWhenDoubled(const Image& picture) {
    if (picture.width() % 16 != 0 || picture.height() % 16 != 0) return picture;
    Image half(picture.width() / 2, picture.height() / 2);
    for (int y = 0; y < half.height(); ++y)
        for (int x = 0; x < half.width(); ++x) {
            if (!UniformBlock(picture, 2 * x, 2 * y)) return picture;
            half.row(y)[x] = picture.row(2 * y)[2 * x];
        }
    return half;
}

}  // namespace

std::string ValuesText(const std::vector<std::uint8_t>& values, int perLine) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        text += ValueText(values[i], ValueStyle::Dollar, Directive::Byte);
        text += (i + 1) % static_cast<std::size_t>(perLine) == 0 ? "\n" : ", ";
    }
    return text;
}

std::optional<std::vector<std::uint8_t>> GlyphsFromOwnBytes(
    const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty() || bytes.size() % kGlyphBytes != 0 || bytes.size() > kCharsetBytes)
        return std::nullopt;
    return bytes;
}

std::optional<std::vector<std::uint8_t>> GlyphsFromText(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (IsSeparator(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !IsSeparator(text[end]))
            ++end;
        const std::optional<std::uint8_t> value = ByteValue(text.substr(i, end - i));
        if (!value) return std::nullopt;
        // More than a charset is never laid in; the rest is only checked.
        if (++count <= kCharsetBytes) bytes.push_back(*value);
        i = end;
    }
    if (count == 0 || count % kGlyphBytes != 0) return std::nullopt;
    return bytes;
}

std::optional<std::vector<std::uint8_t>> GlyphsFromPicture(const Image& picture, Palette palette) {
    if (picture.width() > kMaxClipboardPictureSide || picture.height() > kMaxClipboardPictureSide)
        return std::nullopt;
    const Image glyphs = HalvedWhenDoubled(picture);
    const int columns = glyphs.width() / 8, rows = glyphs.height() / 8;
    if (glyphs.empty() || glyphs.width() % 8 != 0 || glyphs.height() % 8 != 0) return std::nullopt;
    const std::vector<bool> ink = InkPixels(glyphs, palette);
    std::vector<std::uint8_t> bytes;
    for (int cell = 0; cell < std::min(columns * rows, kGlyphCount); ++cell)
        for (int r = 0; r < 8; ++r) {
            const int y = cell / columns * 8 + r;
            std::uint8_t byte = 0;
            for (int b = 0; b < 8; ++b)
                if (ink[static_cast<std::size_t>(y) * glyphs.width() + cell % columns * 8 + b])
                    byte |= static_cast<std::uint8_t>(0x80 >> b);
            bytes.push_back(byte);
        }
    return bytes;
}

std::optional<std::vector<std::uint8_t>> GlyphsFromClipboard(const ClipboardForms& forms,
                                                             Palette palette) {
    if (forms.ownBytes)
        if (auto glyphs = GlyphsFromOwnBytes(*forms.ownBytes)) return glyphs;
    if (forms.picture)
        if (auto glyphs = GlyphsFromPicture(*forms.picture, palette)) return glyphs;
    if (forms.text) return GlyphsFromText(*forms.text);
    return std::nullopt;
}

void LayGlyphs(Charset& charset, int first, const std::vector<std::uint8_t>& bytes) {
    if (first < 0 || first >= kGlyphCount) return;
    const std::size_t room = static_cast<std::size_t>(kGlyphCount - first) * kGlyphBytes;
    std::copy_n(bytes.begin(), std::min(room, bytes.size()), GlyphAt(charset, first));
}

}  // namespace pixlore
