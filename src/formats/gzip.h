#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "files/decoded.h"

namespace pixlore {

// Whether the bytes start with the gzip signature.
bool IsGzip(const std::vector<std::uint8_t>& bytes);

// The unpacked content of gzip data. Refuses damaged or cut-off data, and content larger
// than maxBytes (a small file can unpack to gigabytes).
Decoded<std::vector<std::uint8_t>> Gunzip(const std::vector<std::uint8_t>& bytes,
                                          std::size_t maxBytes);

// The bytes packed as gzip data, as gzip itself writes a file.
Decoded<std::vector<std::uint8_t>> Gzip(const std::vector<std::uint8_t>& bytes);

}  // namespace pixlore
