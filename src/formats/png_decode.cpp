// PNG pictures are read by libpng. Its errors unwind with longjmp, so the functions that call
// into it hold nothing that needs destroying: what they fill is allocated before they start.
#include "formats/png_decode.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <string>

namespace pixlore {
namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
const char* const kCutShort = "the picture is cut short";

// What libpng reads from and where the reason of a failure goes.
struct Source {
    const std::vector<std::uint8_t>* file;
    std::size_t at;
    const char* why;  // set by the first failure
    bool readingPixels;
};

// libpng's own words for what went wrong, in ours.
const char* ReasonFor(const char* message, bool readingPixels) {
    if (std::strstr(message, "CRC")) return "a chunk is damaged";
    if (std::strstr(message, "Missing PLTE")) return "its colour table is missing";
    if (std::strstr(message, "PLTE")) return "its colour table is damaged";
    return readingPixels ? "its image data is damaged or cut short" : "its header is damaged";
}

void OnError(png_structp png, png_const_charp message) {
    auto* source = static_cast<Source*>(png_get_error_ptr(png));
    if (!source->why) source->why = ReasonFor(message, source->readingPixels);
    png_longjmp(png, 1);
}

// A header beyond the limits is refused with a warning that says why, then an error.
void OnWarning(png_structp png, png_const_charp message) {
    if (std::strstr(message, "exceeds user limit"))
        static_cast<Source*>(png_get_error_ptr(png))->why = "the picture is too large";
}

void ReadBytes(png_structp png, png_bytep out, std::size_t count) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (count > source->file->size() - source->at) {
        source->why = kCutShort;
        png_error(png, kCutShort);
    }
    std::memcpy(out, source->file->data() + source->at, count);
    source->at += count;
}

// Reads the chunks before the pixels and asks for 8-bit grey, RGB or palette indices, one
// byte a sample, with any alpha dropped: a pixel's colour is taken as it is stored.
bool ReadHeader(png_structp png, png_infop info) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    const int type = png_get_color_type(png, info);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    if (type == PNG_COLOR_TYPE_PALETTE)
        png_set_packing(png);
    else if (type == PNG_COLOR_TYPE_GRAY)
        png_set_expand_gray_1_2_4_to_8(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return true;
}

bool ReadPixels(png_structp png, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    return true;
}

// The decoded rows as colours; a palette index past the palette refuses the picture.
Decoded<Image> ToImage(png_structp png, png_infop info, const std::vector<png_bytep>& rows) {
    png_colorp palette = nullptr;
    int entries = 0;
    const bool indexed = png_get_color_type(png, info) == PNG_COLOR_TYPE_PALETTE;
    if (indexed) png_get_PLTE(png, info, &palette, &entries);
    const bool rgb = png_get_channels(png, info) == 3;
    Image image(static_cast<int>(png_get_image_width(png, info)), static_cast<int>(rows.size()));
    for (int y = 0; y < image.height(); ++y) {
        const png_bytep in = rows[y];
        for (int x = 0; x < image.width(); ++x) {
            const png_byte v = in[rgb ? 3 * x : x];
            if (indexed && v >= entries) return Decoded<Image>::Fail("its colour table is damaged");
            image.row(y)[x] =
                PixelOf(indexed ? RgbColour(palette[v].red, palette[v].green, palette[v].blue)
                        : rgb   ? RgbColour(v, in[3 * x + 1], in[3 * x + 2])
                                : RgbColour(v, v, v));
        }
    }
    return Decoded<Image>::Ok(std::move(image));
}

// The reading between the signature and the colours: libpng's structures for one picture.
class Reading {
  public:
    explicit Reading(const std::vector<std::uint8_t>& file) : source_{&file, 0, nullptr, false} {
        png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, &source_, OnError, OnWarning);
        if (png_) info_ = png_create_info_struct(png_);
    }
    ~Reading() { png_destroy_read_struct(&png_, &info_, nullptr); }
    Reading(const Reading&) = delete;
    Reading& operator=(const Reading&) = delete;

    Decoded<Image> decode(int maxSide) {
        if (!info_) return Decoded<Image>::Fail("out of memory");
        png_set_read_fn(png_, &source_, ReadBytes);
        // Checked with the header, before anything is allocated for the pixels.
        png_set_user_limits(png_, static_cast<png_uint_32>(maxSide),
                            static_cast<png_uint_32>(maxSide));
        png_set_chunk_malloc_max(png_, 1 << 20);
        png_set_crc_action(png_, PNG_CRC_ERROR_QUIT, PNG_CRC_ERROR_QUIT);
        // Only the chunks that decide the pixels are looked at; the rest is checked and passed.
        png_set_keep_unknown_chunks(png_, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
        if (!ReadHeader(png_, info_)) return failure();
        const std::size_t stride = png_get_rowbytes(png_, info_);
        std::vector<png_byte> pixels(stride * png_get_image_height(png_, info_));
        std::vector<png_bytep> rows(png_get_image_height(png_, info_));
        for (std::size_t y = 0; y < rows.size(); ++y)
            rows[y] = pixels.data() + y * stride;
        source_.readingPixels = true;
        if (!ReadPixels(png_, rows.data())) return failure();
        return ToImage(png_, info_, rows);
    }

  private:
    Decoded<Image> failure() const {
        return Decoded<Image>::Fail(source_.why ? source_.why : "its header is damaged");
    }

    Source source_;
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

}  // namespace

bool IsPng(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() >= sizeof kSignature &&
           std::memcmp(bytes.data(), kSignature, sizeof kSignature) == 0;
}

Decoded<Image> DecodePng(const std::vector<std::uint8_t>& file, int maxSide) {
    if (!IsPng(file)) return Decoded<Image>::Fail("it is not a PNG picture");
    return Reading(file).decode(maxSide);
}

}  // namespace pixlore
