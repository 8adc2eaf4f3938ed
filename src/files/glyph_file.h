#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "charset/charset.h"

namespace pixlore {

// A glyph file is raw glyph rows, 8 bytes a glyph, laid from glyph `currentChar` on. It is
// written as 768, 1024 or 2048 bytes and read in any length.

// Whether byteCount bytes from glyph currentChar stay inside the charset.
bool GlyphFileFits(int currentChar, int byteCount);

// The file's bytes: byteCount bytes of the charset from glyph currentChar, which must fit.
std::vector<std::uint8_t> GlyphFileBytes(const Charset& charset, int currentChar, int byteCount);

// Lays rows into the charset from glyph `first` on, as many as fit; gives how many did.
std::size_t LayGlyphRows(Charset& charset, int first, const std::vector<std::uint8_t>& rows);

enum class GlyphLoad {
    Loaded,
    BlankName,   // nothing but spaces: ignored
    NoFile,      // missing, a folder, empty, or not a regular file
    OpenFailed,  // there, but could not be opened for reading
    ShortRead,   // opened, but it gave fewer bytes than its size promised
};

// Reads the file into the charset from glyph currentChar on, as much as fits there. A load
// that is not Loaded changes nothing.
GlyphLoad LoadGlyphs(Charset& charset, int currentChar, const std::string& name);

}  // namespace pixlore
