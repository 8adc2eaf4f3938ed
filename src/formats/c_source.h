#pragma once

#include <string>

#include "formats/export_block.h"

namespace pixlore {

// A C array of the bytes: "#define NAME_COUNT n" and then
// "const unsigned char name[n] = { 0x.., ... };", one glyph (or one map row) a line.
// name must be an identifier.
std::string CSource(const ByteBlock& block, const std::string& name);

}  // namespace pixlore
