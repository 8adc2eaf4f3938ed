#pragma once

#include <optional>
#include <string>

namespace pixlore::convert {

enum class Format { Fnt, Psf, Bmp, Png, Prg, Asm, C, Map };

// The format a file name stands for, by its extension (".psf.gz" included).
std::optional<Format> FormatOfName(const std::string& name);
// The format a --from or --to value names: "fnt", "psf", "bmp", ...
std::optional<Format> FormatNamed(const std::string& text);
std::string FormatName(Format format);

bool Readable(Format format);
// Formats that hold glyphs only: a character map cannot go into them.
bool GlyphsOnly(Format format);
// Formats that always hold all 256 glyphs.
bool WholeCharset(Format format);

}  // namespace pixlore::convert
