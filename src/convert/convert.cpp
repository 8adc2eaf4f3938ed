#include "convert/convert.h"

#include <algorithm>
#include <cctype>
#include <ostream>

#include "charmap/charmap.h"
#include "files/bmp.h"
#include "files/map_file.h"
#include "files/safe_write.h"
#include "files/whole_file.h"
#include "formats/c_source.h"
#include "formats/export_block.h"
#include "formats/gzip.h"
#include "formats/identifier.h"
#include "formats/lay_glyphs.h"
#include "formats/picture_import.h"
#include "formats/png_encode.h"
#include "formats/prg.h"
#include "formats/psf.h"
#include "views/charset_view.h"
#include "views/map_view.h"

namespace pixlore::convert {
namespace {

// Far more than any charset, map or font of 8 x 8 glyphs holds.
constexpr std::size_t kMaxInputBytes = 16u << 20;
constexpr int kGlyphLoadAddress = 0x2000;
constexpr int kMapLoadAddress = 0x0400;

struct Problem {
    ExitCode code = kSuccess;
    std::string message;
};

struct Content {
    bool isMap = false;
    Charset charset{};
    CodeRange read{0, kGlyphCount - 1};
    CharMap map;
    std::optional<int> prgAddress;  // a PRG input's load address
};

// "font.psf.gz": output under such a name is packed, as readers of the name expect.
bool IsGzipName(const std::string& name) {
    if (name.size() <= 3) return false;
    std::string suffix = name.substr(name.size() - 3);
    for (char& ch : suffix)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return suffix == ".gz";
}

bool IsPicture(Format f) {
    return f == Format::Bmp || f == Format::Png;
}

Problem Usage(std::string message) {
    return {kUsage, std::move(message)};
}

// The formats, and the options that cannot go with them.
Problem CheckCombination(const Options& o, Format in, Format out) {
    const bool isMap = o.map || in == Format::Map;
    if (!Readable(in)) return Usage(FormatName(in) + " files can be written but not read");
    if (isMap && in != Format::Map && in != Format::Prg)
        return Usage("a character map is read from a map or prg file, not from " + FormatName(in));
    if (o.charset && !(isMap && IsPicture(out)))
        return Usage(
            "--charset draws a character map as a picture: give a map INPUT and a bmp "
            "or png OUTPUT");
    if (isMap && GlyphsOnly(out) && !o.charset)
        return Usage("a character map cannot be written as " + FormatName(out) +
                     (IsPicture(out) ? " without --charset" : ""));
    if (!isMap && out == Format::Map)
        return Usage("glyphs cannot be written as a map (give --map if the input is a map)");
    if (isMap && (o.first || o.range))
        return Usage("--first and --range choose glyphs; they do not apply to a map");
    if (IsPicture(in) && o.first)
        return Usage("a picture always fills all 256 glyphs; --first does not apply");
    if (o.label && out == Format::C && !IsCArrayName(*o.label))
        return Usage("--label " + *o.label + " is a keyword of C and cannot name the array");
    if (WholeCharset(out) && o.range)
        return Usage("a " + FormatName(out) +
                     " file always holds all 256 glyphs; --range does not apply");
    return {};
}

Problem Failed(const Options& o, const std::string& why) {
    return {kFailed, o.input + ": " + why};
}

Problem ReadMap(const Options& o, const std::vector<std::uint8_t>& cells, Content& c) {
    c.isMap = true;
    InitCharMap(c.map);
    SetMapSize(c.map, o.mapWidth, o.mapHeight);
    const std::size_t expected = static_cast<std::size_t>(o.mapWidth) * o.mapHeight;
    if (cells.size() != expected)
        return Failed(o, "it holds " + std::to_string(cells.size()) + " cells, and a " +
                             std::to_string(o.mapWidth) + " x " + std::to_string(o.mapHeight) +
                             " map has " + std::to_string(expected) +
                             " (give its size with --map)");
    LayMapCells(c.map, cells);
    return {};
}

// Lays glyph rows from glyph --first on, as many as fit, as the editor does with a glyph file.
Problem LayGlyphs(const Options& o, const std::vector<std::uint8_t>& rows, Content& c,
                  std::ostream& err) {
    if (rows.empty()) return Failed(o, "it holds no glyphs");
    const int first = o.first.value_or(0);
    const LaidGlyphs laid = LayGlyphRows(c.charset, first, rows);
    c.read = {first, first + static_cast<int>((laid.taken + kGlyphBytes - 1) / kGlyphBytes) - 1};
    if (!laid.allFit()) err << "pixlore-convert: note: " << DidNotFitText(o.input, laid) << "\n";
    return {};
}

Problem ReadContent(const Options& o, Format in, Content& c, std::ostream& err) {
    const auto file = ReadWholeFile(o.input, kMaxInputBytes);
    if (!file.ok()) return Failed(o, file.reason);
    const std::vector<std::uint8_t>& bytes = *file.value;
    std::vector<std::uint8_t> data = bytes;
    if (in == Format::Prg) {
        const auto prg = DecodePrg(bytes);
        if (!prg.ok()) return Failed(o, prg.reason);
        data = prg.value->data;
        c.prgAddress = prg.value->loadAddress;
    } else if (in == Format::Psf) {
        const auto font = DecodePsf(bytes);
        if (!font.ok()) return Failed(o, font.reason);
        data = font.value->glyphs;
    } else if (IsPicture(in)) {
        const auto picture = DecodePicture(bytes);
        if (!picture.ok()) return Failed(o, picture.reason);
        const auto charset = CharsetFromPicture(*picture.value, o.palette);
        if (!charset.ok()) return Failed(o, charset.reason);
        data.assign(charset.value->begin(), charset.value->end());
    }
    if (o.map || in == Format::Map) return ReadMap(o, data, c);
    return LayGlyphs(o, data, c, err);
}

// The glyphs a map picture is drawn with, read as glyphs given as INPUT would be.
Problem ReadMapGlyphs(const Options& o, Content& c, std::ostream& err) {
    Options glyphs;
    glyphs.input = *o.charset;
    glyphs.palette = o.palette;
    const auto format = FormatOfName(glyphs.input);
    if (!format || !Readable(*format) || *format == Format::Map)
        return Usage("--charset must name a fnt, psf, bmp, png or prg file, not " + glyphs.input);
    Content read;
    if (Problem p = ReadContent(glyphs, *format, read, err); p.code != kSuccess) return p;
    c.charset = read.charset;
    return {};
}

std::string Label(const Options& o, const Content& c) {
    if (o.label) return *o.label;
    const std::string fallback = c.isMap ? "map" : "charset";
    return o.output == "-" ? fallback : IdentifierFromFileName(o.output, fallback);
}

std::vector<std::uint8_t> Text(const std::string& text) {
    return {text.begin(), text.end()};
}

ByteBlock Block(const Options& o, const Content& c) {
    return c.isMap ? MapBlock(c.map) : GlyphBlock(c.charset, o.range.value_or(c.read));
}

// Where a PRG output loads. Re-writing a PRG keeps every byte at the address the input gave
// it; a --range that starts elsewhere moves the load address with it.
long LoadAddress(const Options& o, const Content& c) {
    if (o.loadAddress) return *o.loadAddress;
    if (!c.prgAddress) return c.isMap ? kMapLoadAddress : kGlyphLoadAddress;
    if (c.isMap) return *c.prgAddress;
    return *c.prgAddress + long{Block(o, c).firstCode - c.read.low} * kGlyphBytes;
}

std::vector<std::uint8_t> OutputBytes(const Options& o, Format out, const Content& c) {
    const ByteBlock block = Block(o, c);
    switch (out) {
        case Format::Psf:
            return EncodePsf1(c.charset);
        case Format::Bmp:
        case Format::Png: {
            Image picture = c.isMap ? MapPicture(c.map, c.charset, o.palette)
                                    : Image(kCharsetImageSize, kCharsetImageSize);
            if (!c.isMap) RenderCharsetImage(picture, c.charset, o.palette);
            return out == Format::Bmp ? EncodeBmp(picture) : EncodePng(picture);
        }
        case Format::Prg:
            return EncodePrg(static_cast<int>(LoadAddress(o, c)), block.bytes);
        case Format::Asm:
            return Text(AssemblerSource(block, {o.directive, o.values, Label(o, c)}));
        case Format::C:
            return Text(CSource(block, Label(o, c)));
        case Format::Fnt:
        case Format::Map:
            break;
    }
    return block.bytes;
}

std::string WriteProblem(WriteStatus status) {
    switch (status) {
        case WriteStatus::Written:
            return {};
        case WriteStatus::NotRegular:
            return "it is a folder or not a regular file";
        case WriteStatus::CannotCreate:
            return "no file can be made in its folder";
        case WriteStatus::WriteFailed:
            return "writing failed (is the disk full?)";
        case WriteStatus::RenameFailed:
            break;
    }
    return "it could not replace the old file";
}

Problem Formats(const Options& o, Format& in, Format& out) {
    const auto input = o.from ? o.from : FormatOfName(o.input);
    if (!input)
        return Usage("cannot tell the format of " + o.input + " from its name; give --from");
    const auto output = o.to ? o.to : FormatOfName(o.output);
    if (!output)
        return Usage("cannot tell the format of " + o.output + " from its name; give --to");
    in = *input;
    out = *output;
    return CheckCombination(o, in, out);
}

Problem Run(const Options& o, std::ostream& out, std::ostream& err) {
    Format inFormat{}, outFormat{};
    if (Problem p = Formats(o, inFormat, outFormat); p.code != kSuccess) return p;
    Content content;
    if (Problem p = ReadContent(o, inFormat, content, err); p.code != kSuccess) return p;
    if (o.charset)
        if (Problem p = ReadMapGlyphs(o, content, err); p.code != kSuccess) return p;
    if (outFormat == Format::Prg) {
        const long address = LoadAddress(o, content);
        const auto size = static_cast<long>(Block(o, content).bytes.size());
        if (o.loadAddress && address + size > 0x10000)
            return Usage("the data does not fit in memory from load address " +
                         std::to_string(address));
        if (address < 0 || address + size > 0x10000)
            return Usage(
                "the glyphs written do not fit in memory where the input PRG puts "
                "them; give --load-address");
    }
    std::vector<std::uint8_t> bytes = OutputBytes(o, outFormat, content);
    if (IsGzipName(o.output)) {
        auto packed = Gzip(bytes);
        if (!packed.ok()) return {kFailed, o.output + ": cannot write it: " + packed.reason};
        bytes = std::move(*packed.value);
    }
    if (o.output == "-") {
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return out ? Problem{} : Problem{kFailed, "cannot write to the standard output"};
    }
    const std::string why = WriteProblem(SafeWrite(o.output, bytes));
    if (!why.empty()) return {kFailed, o.output + ": cannot write it: " + why};
    return {};
}

}  // namespace

ExitCode Convert(const Options& options, std::ostream& out, std::ostream& err) {
    const Problem problem = Run(options, out, err);
    if (problem.code != kSuccess) err << "pixlore-convert: " << problem.message << "\n";
    return problem.code;
}

}  // namespace pixlore::convert
