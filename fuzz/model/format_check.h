#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace pixlore::model {

// Lays the input in memory as a glyph file at a current character and as a map file at a map
// size, both drawn from its first bytes, or gives the loaders a blank name, `folder` (which
// must be a folder without an entry "missing") or a missing name in it; holds the results and
// the saves against the model. Returns what differs, or nothing.
std::string CheckFileFormats(const std::uint8_t* data, std::size_t size, const std::string& folder);

}  // namespace pixlore::model
