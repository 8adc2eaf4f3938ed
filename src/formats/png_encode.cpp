// Written by libpng. Its errors unwind with longjmp, so the function that calls into it holds
// nothing that needs destroying.
#include "formats/png_encode.h"

#include <png.h>

#include <csetjmp>
#include <new>

namespace pixlore {
namespace {

void Append(png_structp png, png_bytep data, std::size_t count) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + count);
}

void Flush(png_structp) {}

void OnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

bool Write(png_structp png, png_infop info, const Image& image, png_bytep row) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
                 static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Pixel p = image.row(y)[x];
            row[3 * x] = static_cast<png_byte>(p >> 16);
            row[3 * x + 1] = static_cast<png_byte>(p >> 8);
            row[3 * x + 2] = static_cast<png_byte>(p);
        }
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const Image& image) {
    std::vector<std::uint8_t> out;
    std::vector<png_byte> row(3 * static_cast<std::size_t>(image.width()));
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool written = false;
    if (info) {
        png_set_write_fn(png, &out, Append, Flush);
        written = Write(png, info, image, row.data());
    }
    png_destroy_write_struct(&png, &info);
    // Writing to memory fails only when memory runs out.
    if (!written) throw std::bad_alloc();
    return out;
}

}  // namespace pixlore
