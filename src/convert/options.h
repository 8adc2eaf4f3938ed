#pragma once

#include <optional>
#include <string>

#include "charset/palette.h"
#include "charset/range.h"
#include "convert/formats.h"
#include "files/decoded.h"
#include "formats/assembler_source.h"

namespace pixlore::convert {

struct Options {
    bool help = false;
    bool version = false;
    std::string input, output;  // output "-" is the standard output
    std::optional<Format> from, to;
    std::optional<int> first;
    std::optional<CodeRange> range;
    Directive directive = Directive::Byte;
    ValueStyle values = ValueStyle::Dollar;
    std::optional<std::string> label;
    std::optional<int> loadAddress;
    bool map = false;  // the input is a character map
    int mapWidth = 40, mapHeight = 24;
    std::optional<std::string> charset;  // the glyphs a map is drawn with as a picture
    Palette palette;
};

// The command line, the program's own name not counted.
Decoded<Options> ParseOptions(int argc, const char* const* argv);

// A number as a build script writes it: 832, $340 or 0x340.
std::optional<long> ParseNumber(const std::string& text);

extern const char* const kHelpText;

}  // namespace pixlore::convert
