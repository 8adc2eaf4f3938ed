#include "convert/formats.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace pixlore::convert {
namespace {

struct Extension {
    const char* suffix;
    Format format;
};

// Longer suffixes first, so that ".psf.gz" is not taken for something else.
constexpr std::array<Extension, 17> kExtensions = {{
    {".psfu.gz", Format::Psf},
    {".psf.gz", Format::Psf},
    {".psfu", Format::Psf},
    {".psf", Format::Psf},
    {".fnt", Format::Fnt},
    {".bin", Format::Fnt},
    {".chr", Format::Fnt},
    {".bmp", Format::Bmp},
    {".png", Format::Png},
    {".prg", Format::Prg},
    {".asm", Format::Asm},
    {".a65", Format::Asm},
    {".inc", Format::Asm},
    {".s", Format::Asm},
    {".c", Format::C},
    {".h", Format::C},
    {".map", Format::Map},
}};

constexpr std::array<const char*, 8> kNames = {"fnt", "psf", "bmp", "png",
                                               "prg", "asm", "c",   "map"};

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::optional<Format> FormatOfName(const std::string& name) {
    const std::string lower = Lower(name);
    for (const Extension& e : kExtensions) {
        const std::string suffix = e.suffix;
        if (lower.size() > suffix.size() &&
            lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) == 0)
            return e.format;
    }
    return std::nullopt;
}

std::optional<Format> FormatNamed(const std::string& text) {
    const auto it = std::find(kNames.begin(), kNames.end(), Lower(text));
    if (it == kNames.end()) return std::nullopt;
    return static_cast<Format>(it - kNames.begin());
}

std::string FormatName(Format format) {
    return kNames[static_cast<std::size_t>(format)];
}

bool Readable(Format format) {
    return format != Format::Asm && format != Format::C;
}

bool GlyphsOnly(Format format) {
    return format == Format::Fnt || WholeCharset(format);
}

bool WholeCharset(Format format) {
    return format == Format::Psf || format == Format::Bmp || format == Format::Png;
}

}  // namespace pixlore::convert
