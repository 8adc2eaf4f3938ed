#pragma once

#include <cstdint>

namespace pixlore {

// A colour as the user and the built-in charsets give it: 0x00BBGGRR, red in the low byte.
using Colour = std::uint32_t;

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;

constexpr int RedOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr Colour RgbColour(int r, int g, int b) {
    return static_cast<Colour>(r & 0xFF) | static_cast<Colour>(g & 0xFF) << 8 |
           static_cast<Colour>(b & 0xFF) << 16;
}

// The two colours every view draws glyphs in.
struct Palette {
    Colour InkColor = kWhite;
    Colour PaperColor = kBlack;
    friend bool operator==(const Palette&, const Palette&) = default;
};

}  // namespace pixlore
