#pragma once

#include <cstdint>
#include <string>

namespace pixlore {

// The character of one byte in Windows-1252, as UTF-8. The five unassigned codes map to the
// Unicode character of the same number.
std::string Windows1252ToUtf8(std::uint8_t code);

}  // namespace pixlore
