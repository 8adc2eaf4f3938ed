#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pixlore::model {

using Bytes = std::vector<std::uint8_t>;

// The bytes packed by zlib as a gzip stream at a compression level of 0 to 9.
Bytes Gzip(const Bytes& plain, int level);

// Runs one input through the program's decoder of that name (bmp, png, psf, psf_gzip, prg,
// picture_import, file_formats for the glyph and map files, clipboard, recovery_file) and
// holds the result against a small model of its format, written apart from the program, or at
// least against what must hold of any result. Returns what differs, or nothing.
std::string CheckDecoder(const std::string& name, const std::uint8_t* data, std::size_t size);

}  // namespace pixlore::model
