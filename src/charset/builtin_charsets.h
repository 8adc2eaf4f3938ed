#pragma once

#include "charset/charset.h"
#include "charset/palette.h"

namespace pixlore {

// The charsets of the "Charset" menu, in its order.
enum class BuiltInCharset {
    IbmPcCga,
    IbmPc866,
    ZxSpectrum,
    Zx80,
    JupiterAce,
    C64Caps,
    AtariXl,
    Microsha,
    HexNumbers,
};

// Puts a machine's glyphs at the start of the charset, and for the machines with inverse
// video their inverse right after them, and sets the colours of that machine's screen. Glyphs
// a machine lacks keep whatever they held; "Hex numbers" rebuilds all 256.
void LoadBuiltInCharset(Charset& charset, Palette& palette, BuiltInCharset preset);

}  // namespace pixlore
