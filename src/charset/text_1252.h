#pragma once

#include <cstdint>
#include <string>

namespace pixlore {

// The Unicode character of one byte in Windows-1252. The five unassigned codes map to the
// character of the same number.
char32_t Windows1252Char(std::uint8_t code);

// The character of one byte in Windows-1252, as UTF-8. The five unassigned codes map to the
// Unicode character of the same number.
std::string Windows1252ToUtf8(std::uint8_t code);

}  // namespace pixlore
