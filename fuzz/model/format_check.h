#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace pixlore::model {

// Reads the input as a glyph file at a current character and as a map file at a map size,
// both drawn from its first bytes, through the program's loaders, and holds the results, the
// saves and a save-and-load round trip against the model. Files go to `folder`. Returns what
// differs, or nothing.
std::string CheckFileFormats(const std::uint8_t* data, std::size_t size, const std::string& folder);

}  // namespace pixlore::model
