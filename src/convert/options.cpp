#include "convert/options.h"

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include "formats/identifier.h"

namespace pixlore::convert {

const char* const kHelpText =
    R"(Usage: pixlore-convert [OPTIONS] INPUT OUTPUT

Converts 8 x 8 charsets and character maps between the forms a build needs.
The format of each file comes from its extension, or from --from and --to:

  fnt  .fnt .bin .chr        raw glyph rows, 8 bytes a glyph          read, write
  psf  .psf .psfu (.gz)      PC screen font of 8 x 8 glyphs           read PSF1 and PSF2,
                                                                      write PSF1, 256 glyphs
  bmp  .bmp                  picture of 16 x 16 glyphs, 256 x 256     read (also 128 x 128),
  png  .png                  or 128 x 128 pixels                      write 256 x 256
  prg  .prg                  C64 program file: load address, bytes    read, write
  asm  .s .asm .a65 .inc     assembler source                         write
  c    .c .h                 C array with a #define of its size       write
  map  .map                  character map, one byte a cell           read, write

Glyphs read are laid into an empty charset of 256 glyphs from --first on; by
default the glyphs read are the ones written. A character map (a .map input, or
any input with --map) can be written as map, asm, c or prg, and with --charset
as a bmp or png picture. OUTPUT "-" writes to the standard output; an OUTPUT
named *.gz is written gzip-compressed.

Options:
  --from FORMAT, --to FORMAT   the format of INPUT or OUTPUT, whatever its name
  --first CODE        lay the glyphs read from glyph CODE on (default 0)
  --range A-B         write glyphs A to B (0-255)
  --directive D       .byte (ca65, 64tass, KickAssembler), !byte (ACME),
                      db or defb (Z80 and x86 assemblers); default .byte
  --values STYLE      $xx, 0xXX or decimal (also: hex, 0x, dec); default $xx
  --label NAME        the label or array name (default: from OUTPUT's name); an
                      array cannot be named after a keyword of C
  --load-address N    where a PRG loads; by default a PRG input's own load address,
                      so that every byte keeps its address (with --range too),
                      otherwise $2000 for glyphs and $0400 for a map
  --map WxH           INPUT is a character map of W x H cells (default 40x24)
  --charset FILE      draw the map with the glyphs of FILE (fnt, psf, bmp, png or
                      prg), 16 x 16 pixels a cell, for a bmp or png OUTPUT
  --ink RRGGBB        ink colour of a picture (default FFFFFF)
  --paper RRGGBB      paper colour of a picture (default 000000); reading a picture
                      that holds only these two colours, they decide which pixels
                      are ink; otherwise its most common colour is paper, and
                      a pixel is ink when it is nearer in brightness to the colour
                      farthest from paper than to paper
  -h, --help          show this text
  --version           show the version

Numbers may be decimal, $hex or 0xhex. The exit code is 0 on success, 1 when a
file cannot be read, written or converted, 2 for a wrong command line.
)";

std::optional<long> ParseNumber(const std::string& text) {
    int base = 10;
    std::size_t skip = 0;
    if (text.rfind("$", 0) == 0) base = 16, skip = 1;
    if (text.rfind("0x", 0) == 0) base = 16, skip = 2;
    // Digits and nothing else: no spaces, signs or second prefix. The cap keeps any number
    // of digits from overflowing; every caller refuses such a value as out of range.
    constexpr long kCap = 1L << 32;
    long value = 0;
    for (std::size_t i = skip; i < text.size(); ++i) {
        const char c = text[i];
        int digit = base;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit >= base) return std::nullopt;
        value = std::min(kCap, value * base + digit);
    }
    if (skip == text.size()) return std::nullopt;
    return value;
}

namespace {

using Setter = std::function<std::string(Options&, const std::string&)>;

std::optional<Colour> ParseColour(const std::string& text) {
    if (text.size() != 6) return std::nullopt;
    const auto value = ParseNumber("$" + text);
    if (!value) return std::nullopt;
    return RgbColour(static_cast<int>(*value >> 16), static_cast<int>(*value >> 8),
                     static_cast<int>(*value));
}

std::string SetCode(std::optional<int>& target, const std::string& what, const std::string& v) {
    const auto n = ParseNumber(v);
    if (!n || *n < 0 || *n > 255) return what + " must be a code from 0 to 255, not \"" + v + "\"";
    target = static_cast<int>(*n);
    return {};
}

std::string SetRange(Options& o, const std::string& v) {
    const std::size_t dash = v.find('-', 1);
    const auto low = ParseNumber(v.substr(0, dash));
    const auto high = dash == std::string::npos ? low : ParseNumber(v.substr(dash + 1));
    if (!low || !high || *low < 0 || *low > 255 || *high < 0 || *high > 255)
        return "--range must be two codes from 0 to 255 such as 32-127, not \"" + v + "\"";
    o.range = RangeBetween(static_cast<int>(*low), static_cast<int>(*high));
    return {};
}

std::string SetMapSize(Options& o, const std::string& v) {
    const std::size_t x = v.find_first_of("xX");
    const auto w = ParseNumber(v.substr(0, x));
    const auto h = x == std::string::npos ? std::nullopt : ParseNumber(v.substr(x + 1));
    if (!w || !h || *w < 1 || *w > CharMap::kMaxWidth || *h < 1 || *h > CharMap::kMaxHeight)
        return "--map must be a size of at most 80 x 50 cells such as 40x24, not \"" + v + "\"";
    o.map = true;
    o.mapWidth = static_cast<int>(*w);
    o.mapHeight = static_cast<int>(*h);
    return {};
}

std::string SetFormat(std::optional<Format>& target, const std::string& what,
                      const std::string& v) {
    target = FormatNamed(v);
    return target ? ""
                  : what + " must be fnt, psf, bmp, png, prg, asm, c or map, not \"" + v + "\"";
}

const std::map<std::string, Setter>& Setters() {
    static const std::map<std::string, Setter> setters = {
        {"--from", [](Options& o, const std::string& v) { return SetFormat(o.from, "--from", v); }},
        {"--to", [](Options& o, const std::string& v) { return SetFormat(o.to, "--to", v); }},
        {"--first",
         [](Options& o, const std::string& v) { return SetCode(o.first, "--first", v); }},
        {"--range", SetRange},
        {"--map", SetMapSize},
        {"--charset",
         [](Options& o, const std::string& v) {
             o.charset = v;
             return std::string();
         }},
        {"--directive",
         [](Options& o, const std::string& v) -> std::string {
             const auto d = DirectiveNamed(v);
             if (!d) return "--directive must be .byte, !byte, db or defb, not \"" + v + "\"";
             o.directive = *d;
             return {};
         }},
        {"--values",
         [](Options& o, const std::string& v) -> std::string {
             const auto s = ValueStyleNamed(v);
             if (!s) return "--values must be $xx, 0xXX or decimal, not \"" + v + "\"";
             o.values = *s;
             return {};
         }},
        {"--label",
         [](Options& o, const std::string& v) -> std::string {
             if (!IsIdentifier(v))
                 return "--label must be a letter or _ followed by letters, digits and _, not \"" +
                        v + "\"";
             o.label = v;
             return {};
         }},
        {"--load-address",
         [](Options& o, const std::string& v) -> std::string {
             const auto n = ParseNumber(v);
             if (!n || *n < 0 || *n > 0xFFFF)
                 return "--load-address must be an address from 0 to $FFFF, not \"" + v + "\"";
             o.loadAddress = static_cast<int>(*n);
             return {};
         }},
        {"--ink",
         [](Options& o, const std::string& v) -> std::string {
             const auto c = ParseColour(v);
             if (!c) return "--ink must be a colour RRGGBB such as 6C5EB5, not \"" + v + "\"";
             o.palette.InkColor = *c;
             return {};
         }},
        {"--paper",
         [](Options& o, const std::string& v) -> std::string {
             const auto c = ParseColour(v);
             if (!c) return "--paper must be a colour RRGGBB such as 352879, not \"" + v + "\"";
             o.palette.PaperColor = *c;
             return {};
         }},
    };
    return setters;
}

}  // namespace

Decoded<Options> ParseOptions(int argc, const char* const* argv) {
    Options options;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        std::string arg = argv[i];
        if (optionsEnded) {
            files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            options.help = true;
            return Decoded<Options>::Ok(options);
        }
        if (arg == "--version") {
            options.version = true;
            return Decoded<Options>::Ok(options);
        }
        if (arg.rfind("-", 0) != 0 || arg == "-") {
            files.push_back(arg);
            continue;
        }
        std::string value;
        const std::size_t equals = arg.find('=');
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
            arg.erase(equals);
        }
        const auto setter = Setters().find(arg);
        if (setter == Setters().end() || arg.rfind("--", 0) != 0)
            return Decoded<Options>::Fail("unknown option " + arg);
        if (equals == std::string::npos) {
            if (i + 1 == argc) return Decoded<Options>::Fail(arg + " needs a value");
            value = argv[++i];
        }
        const std::string why = setter->second(options, value);
        if (!why.empty()) return Decoded<Options>::Fail(why);
    }
    if (files.size() != 2)
        return Decoded<Options>::Fail("give one INPUT and one OUTPUT file (see --help)");
    options.input = files[0];
    options.output = files[1];
    return Decoded<Options>::Ok(options);
}

}  // namespace pixlore::convert
