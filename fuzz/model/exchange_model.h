#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "charset/palette.h"
#include "views/image.h"

// Small models of the exchange formats the program reads, written from the formats'
// descriptions and apart from the program's readers, so that the two can be held together.
namespace pixlore::model {

using Bytes = std::vector<std::uint8_t>;

// An uncompressed Windows bitmap, or nothing when the reader must refuse it. Bit-field masks
// must be one run of bits (or none); each channel is scaled from its run to 0..255, rounding
// down. A pixel whose index lies past the colour table refuses the picture.
std::optional<Image> Bmp(const Bytes& file, int maxSide);

// The glyph bytes of a plain (not gzip-compressed) PSF1 or PSF2 font of 8 x 8 glyphs.
std::optional<Bytes> PsfGlyphs(const Bytes& file);

// The ink and paper rule, true where a pixel is ink: paper is the palette's paper when the
// picture holds no other colours than the palette's two, else its most common colour. Ink is
// the colour farthest in brightness from paper. On a tie the colour met first, row by row,
// wins. A pixel is ink when it is not paper and no nearer in brightness to paper than to ink.
std::vector<bool> Ink(const Image& picture, Palette palette);

// The bytes packed by zlib as a gzip stream at a compression level of 0 to 9.
Bytes Gzip(const Bytes& plain, int level);

// Runs one input through the program's decoder of that name (bmp, png, psf, psf_gzip, prg,
// picture_import, file_formats for the glyph and map files) and holds the result against the
// model of its format, or at least against what must hold of any result. Returns what
// differs, or nothing.
std::string CheckDecoder(const std::string& name, const std::uint8_t* data, std::size_t size);

}  // namespace pixlore::model
