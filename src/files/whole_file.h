#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/decoded.h"

namespace pixlore {

// The whole content of a regular file, refused (with the reason) when it is missing, a
// folder, unreadable or larger than maxBytes.
Decoded<std::vector<std::uint8_t>> ReadWholeFile(const std::string& name, std::size_t maxBytes);

// Writes the bytes as the file's whole content; the reason when that fails, else empty.
std::string WriteWholeFile(const std::string& name, const std::vector<std::uint8_t>& bytes);

}  // namespace pixlore
