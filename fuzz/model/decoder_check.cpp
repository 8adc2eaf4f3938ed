// The decoders of the exchange formats held against their models, for the fuzz targets and
// the tests alike.
#include <unistd.h>

#include <filesystem>

#include "files/bmp.h"
#include "formats/bmp_decode.h"
#include "formats/picture_import.h"
#include "formats/png_decode.h"
#include "formats/png_encode.h"
#include "formats/prg.h"
#include "formats/psf.h"
#include "fuzz/model/exchange_model.h"
#include "fuzz/model/format_check.h"

namespace pixlore::model {
namespace {

constexpr int kMaxSide = 1024;

// Whatever a reader accepted, our writer of the format writes and the reader reads back.
std::string Accepted(const Decoded<Image>& got, Bytes (*encode)(const Image&),
                     Decoded<Image> (*decode)(const Bytes&, int)) {
    if (!got.ok()) return got.reason.empty() ? "refused without a reason" : "";
    const Image& image = *got.value;
    if (image.width() < 1 || image.height() < 1 || image.width() > kMaxSide ||
        image.height() > kMaxSide)
        return "accepted a picture of an impossible size";
    return decode(encode(image), kMaxSide).value == image ? "" : "the round trip differs";
}

std::string CheckBmp(const Bytes& file) {
    const Decoded<Image> got = DecodeBmp(file, kMaxSide);
    if (got.value != Bmp(file, kMaxSide))
        return got.ok() ? "the picture differs from the model" : "refused: " + got.reason;
    return Accepted(got, EncodeBmp, DecodeBmp);
}

std::string CheckPng(const Bytes& file) {
    return Accepted(DecodePng(file, kMaxSide), EncodePng, DecodePng);
}

std::string SameFont(const Decoded<PsfFont>& got, const std::optional<Bytes>& want) {
    if (!got.ok()) return !want && !got.reason.empty() ? "" : "refused: " + got.reason;
    if (got.value->glyphs != want || got.value->glyphs.size() != 8u * got.value->glyphCount)
        return "the glyphs differ from the model";
    return {};
}

// A gzip-compressed font holds the same glyphs as the plain one, and refuses a cut.
std::string CheckPsfGzip(const Bytes& input) {
    if (input.empty()) return {};
    const Bytes plain(input.begin() + 1, input.end());
    Bytes packed = Gzip(plain, input[0] % 10);
    const std::string fault = SameFont(DecodePsf(packed), PsfGlyphs(plain));
    packed.resize(packed.size() - 1 - input[0] % packed.size());
    return fault.empty() && DecodePsf(packed).ok() ? "read a cut gzip stream" : fault;
}

std::string CheckPsf(const Bytes& file) {
    const Decoded<PsfFont> got = DecodePsf(file);
    // Compressed fonts meet the model in their own target; here nothing may break.
    if (file.size() >= 2 && file[0] == 0x1F && file[1] == 0x8B)
        return SameFont(got, got.ok() ? std::optional(got.value->glyphs) : std::nullopt);
    return SameFont(got, PsfGlyphs(file));
}

std::string CheckPrg(const Bytes& file) {
    const Decoded<Prg> got = DecodePrg(file);
    const bool fits = file.size() >= 3 && (file[0] | file[1] << 8) + file.size() - 2 <= 0x10000;
    return got.ok() != fits || (fits ? EncodePrg(got.value->loadAddress, got.value->data) != file
                                     : got.reason.empty())
               ? "the program differs from the file"
               : "";
}

// The ink and paper rule on a picture of up to 16 x 16 pixels in runs of up to eight colours:
// the first byte gives the number of colours, the second the size, the third the palette,
// then come the colours, then the runs, a byte each. The charset picture's layout around the
// rule is a matter for the tests: a picture of its size costs too much here.
std::string CheckPictureImport(const Bytes& input) {
    auto at = [&](std::size_t i) { return i < input.size() ? input[i] : std::uint8_t{0}; };
    const int count = 1 + at(0) % 8, width = 1 + at(1) % 16, height = 1 + at(1) / 16;
    std::vector<Colour> colours;
    for (int i = 0; i < count; ++i)
        colours.push_back(RgbColour(at(3 + 3 * i), at(4 + 3 * i), at(5 + 3 * i)));
    Image picture(width, height, colours[0]);
    int pixel = 0;
    for (std::size_t i = 3 + 3 * count; i < input.size() && pixel < width * height; ++i)
        for (int run = 0; run <= input[i] / 8 && pixel < width * height; ++run, ++pixel)
            SetPixel(picture, pixel % width, pixel / width, colours[input[i] % 8 % count]);
    const Palette palette{colours[at(2) % count], colours[at(2) / 16 % count]};
    return InkPixels(picture, palette) == Ink(picture, palette) ? "" : "the ink differs";
}

}  // namespace

std::string CheckDecoder(const std::string& name, const std::uint8_t* data, std::size_t size) {
    // An empty folder for the whole run, where the glyph and map loaders meet a folder.
    static const struct Folder {
        std::string path = (std::filesystem::temp_directory_path() / "pixlore-XXXXXX").string();
        Folder() { mkdtemp(path.data()); }
        ~Folder() { rmdir(path.c_str()); }
    } folder;
    if (name == "file_formats") return CheckFileFormats(data, size, folder.path);
    const Bytes input(data, data + size);
    const std::pair<const char*, std::string (*)(const Bytes&)> checks[] = {
        {"bmp", CheckBmp},          {"png", CheckPng}, {"psf", CheckPsf},
        {"psf_gzip", CheckPsfGzip}, {"prg", CheckPrg}, {"picture_import", CheckPictureImport}};
    for (const auto& [which, check] : checks)
        if (name == which) return check(input);
    return "no decoder " + name;
}

}  // namespace pixlore::model
