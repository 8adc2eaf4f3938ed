#pragma once

#include <cstdint>
#include <optional>

#include "charset/builtin_charsets.h"

namespace pixlore {

// The character codes typed text is written in on the map, one per machine family.
enum class TextCodes { Windows1252, Ibm866, C64Screen, AtariScreen, Zx80Zx81, Microsha };

// The code of a typed character in the set, or nothing when the set has none for it. Sets of
// machines without small letters give a small letter the code of its capital.
std::optional<std::uint8_t> CodeOfCharacter(TextCodes set, char32_t c);

// The set whose order a built-in charset's glyphs follow; the machines without a set of their
// own keep ASCII's order for letters and digits, as Windows-1252 does.
TextCodes TextCodesOf(BuiltInCharset preset);

}  // namespace pixlore
