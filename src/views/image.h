#pragma once

#include <cstdint>
#include <vector>

#include "charset/palette.h"

namespace pixlore {

// A pixel of an image: one 32-bit word 0xFFRRGGBB, 24 bits of colour in the layout the
// toolkit shows without converting.
using Pixel = std::uint32_t;

constexpr Pixel PixelOf(Colour c) {
    return 0xFF000000u | static_cast<Pixel>(RedOf(c)) << 16 | static_cast<Pixel>(GreenOf(c)) << 8 |
           static_cast<Pixel>(BlueOf(c));
}
constexpr Colour ColourOf(Pixel p) {
    return RgbColour(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                     static_cast<int>(p & 0xFF));
}

// A rectangle of pixels: x, y is its top-left corner.
struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool empty() const { return w <= 0 || h <= 0; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The part of the w x h rectangle at (x, y) that lies inside bounds. Pointer positions reach
// the drawing as they came, so the edges are worked out in 64 bits.
Rect ClipRect(long long x, long long y, long long w, long long h, Rect bounds);

// The smallest rectangle holding both.
Rect BoundingRect(Rect a, Rect b);

// The areas of a picture that were redrawn and need to go on screen again.
using Damage = std::vector<Rect>;

// An off-screen picture. All drawing below is clipped to it.
class Image {
  public:
    Image() = default;
    Image(int width, int height, Colour fill = kBlack);

    int width() const { return width_; }
    int height() const { return height_; }
    Rect bounds() const { return {0, 0, width_, height_}; }
    bool empty() const { return pixels_.empty(); }
    Pixel* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const Pixel* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    Pixel* data() { return pixels_.data(); }
    const Pixel* data() const { return pixels_.data(); }
    // The colour at (x, y), which must lie inside the image.
    Colour colourAt(int x, int y) const { return ColourOf(row(y)[x]); }

    friend bool operator==(const Image&, const Image&) = default;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

// Given a clip rectangle, a drawing call changes only the pixels inside it.
void FillRect(Image& image, int x, int y, int w, int h, Colour colour);
// The 1-pixel frame of the rectangle: rows y and y + h - 1, columns x and x + w - 1.
void OutlineRect(Image& image, int x, int y, int w, int h, Colour colour);
void OutlineRect(Image& image, int x, int y, int w, int h, Colour colour, Rect clip);
void SetPixel(Image& image, int x, int y, Colour colour);
// Draws source opaque and unscaled with its top-left corner at (x, y).
void DrawImage(Image& target, const Image& source, int x, int y);
void DrawImage(Image& target, const Image& source, int x, int y, Rect clip);
// A new w x h image holding that part of source; what lies outside source is black.
Image CopyRect(const Image& source, int x, int y, int w, int h);

}  // namespace pixlore
