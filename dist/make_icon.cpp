// Writes the program's icon: one glyph of the editor, enlarged, as SVG and as PNG at the sizes
// given. Drawn here rather than committed, so the three pictures cannot drift apart and every
// cell of the glyph lands on whole pixels at each size.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "formats/png_encode.h"
#include "views/image.h"

namespace {

// A "P" in the style of the charsets the program edits, one byte a pixel row.
constexpr std::uint8_t kGlyph[8] = {0x00, 0x7C, 0x66, 0x66, 0x7C, 0x60, 0x60, 0x00};
constexpr pixlore::Colour kPaper = pixlore::RgbColour(0x35, 0x28, 0x79);
constexpr pixlore::Colour kInk = pixlore::RgbColour(0xF2, 0xC1, 0x4E);

bool Ink(int x, int y) {
    return (kGlyph[y] >> (7 - x)) & 1;
}

std::string Hex(pixlore::Colour c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", pixlore::RedOf(c), pixlore::GreenOf(c),
                  pixlore::BlueOf(c));
    return text;
}

// One rectangle for each run of ink pixels in a row.
std::string Svg() {
    std::string svg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" )"
                      R"(viewBox="0 0 8 8" shape-rendering="crispEdges">)"
                      "\n";
    svg += R"(  <rect width="8" height="8" fill=")" + Hex(kPaper) + "\"/>\n";
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            if (!Ink(x, y) || (x > 0 && Ink(x - 1, y))) continue;
            int w = 1;
            while (x + w < 8 && Ink(x + w, y))
                ++w;
            svg += "  <rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
                   "\" width=\"" + std::to_string(w) + "\" height=\"1\" fill=\"" + Hex(kInk) +
                   "\"/>\n";
        }
    return svg + "</svg>\n";
}

std::vector<std::uint8_t> Png(int size) {
    const int cell = size / 8;
    pixlore::Image image(size, size, kPaper);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (Ink(x, y)) pixlore::FillRect(image, x * cell, y * cell, cell, cell, kInk);
    return pixlore::EncodePng(image);
}

bool Write(const std::string& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary);
    out << bytes;
    return static_cast<bool>(out.flush());
}

}  // namespace

// make_icon FOLDER SIZE...: FOLDER/pixlore.svg and FOLDER/pixlore-SIZE.png for each SIZE, a
// multiple of 8.
int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: make_icon FOLDER SIZE...\n";
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = Write(folder + "/pixlore.svg", Svg());
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 8 || size % 8 != 0) {
            std::cerr << "make_icon: the size must be a multiple of 8, not " << argv[i] << "\n";
            return 2;
        }
        const auto png = Png(size);
        ok = Write(folder + "/pixlore-" + std::to_string(size) + ".png",
                   std::string(png.begin(), png.end())) &&
             ok;
    }
    if (!ok) std::cerr << "make_icon: cannot write into " << folder << "\n";
    return ok ? 0 : 1;
}
