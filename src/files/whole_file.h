#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/decoded.h"

namespace pixlore {

// The whole content of a regular file, refused (with the reason) when it is missing, a
// folder, not a regular file, unreadable or larger than maxBytes.
Decoded<std::vector<std::uint8_t>> ReadWholeFile(const std::string& name, std::size_t maxBytes);

}  // namespace pixlore
