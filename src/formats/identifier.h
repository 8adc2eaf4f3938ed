#pragma once

#include <string>

namespace pixlore {

// Whether text can name a label or a C array: a letter or "_", then letters, digits and "_".
bool IsIdentifier(const std::string& text);

// Whether text can name a C array: an identifier that is none of C's keywords. An assembler
// label needs only IsIdentifier: each assembler reserves words of its own, not C's.
bool IsCArrayName(const std::string& text);

// An identifier made from a file name: its base name without the last extension, every other
// character turned into "_". A name that would start with a digit gets fallback and "_" in
// front, an empty one becomes fallback, and a C keyword gets "_" appended.
std::string IdentifierFromFileName(const std::string& fileName, const std::string& fallback);

// The name of the count that follows the data: "font" gives "FONT_COUNT".
std::string CountName(const std::string& identifier);

}  // namespace pixlore
