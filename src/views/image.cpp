#include "views/image.h"

#include <algorithm>
#include <cstring>

namespace pixlore {
namespace {

struct Span {
    int x0, y0, x1, y1;  // half-open, already clipped
    bool empty() const { return x0 >= x1 || y0 >= y1; }
};

// Pointer positions reach the drawing as they came, so a rectangle may lie anywhere in the
// range of int and reach past it: its edges are worked out in 64 bits.
using Wide = long long;

// Within the image and the clip rectangle, which may itself reach past the image.
Span Clip(const Image& image, Wide x, Wide y, Wide w, Wide h, Rect clip) {
    const Rect r = ClipRect(x, y, w, h, ClipRect(clip.x, clip.y, clip.w, clip.h, image.bounds()));
    return {r.x, r.y, r.x + r.w, r.y + r.h};
}

void Fill(Image& image, Wide x, Wide y, Wide w, Wide h, Colour colour, Rect clip) {
    const Span s = Clip(image, x, y, w, h, clip);
    if (s.empty()) return;
    const Pixel p = PixelOf(colour);
    for (int row = s.y0; row < s.y1; ++row)
        std::fill(image.row(row) + s.x0, image.row(row) + s.x1, p);
}

void Draw(Image& target, const Image& source, Wide x, Wide y, Rect clip) {
    const Span s = Clip(target, x, y, source.width(), source.height(), clip);
    if (s.empty()) return;
    for (int row = s.y0; row < s.y1; ++row)
        std::memcpy(target.row(row) + s.x0, source.row(static_cast<int>(row - y)) + (s.x0 - x),
                    static_cast<std::size_t>(s.x1 - s.x0) * sizeof(Pixel));
}

}  // namespace

Rect ClipRect(long long x, long long y, long long w, long long h, Rect bounds) {
    if (w <= 0 || h <= 0 || bounds.empty()) return {};
    const Wide x0 = std::max<Wide>(x, bounds.x), y0 = std::max<Wide>(y, bounds.y);
    const Wide x1 = std::min<Wide>(x + w, Wide{bounds.x} + bounds.w);
    const Wide y1 = std::min<Wide>(y + h, Wide{bounds.y} + bounds.h);
    if (x0 >= x1 || y0 >= y1) return {};
    return {static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0),
            static_cast<int>(y1 - y0)};
}

Rect BoundingRect(Rect a, Rect b) {
    const int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
    return {x, y, std::max(a.x + a.w, b.x + b.w) - x, std::max(a.y + a.h, b.y + b.h) - y};
}

// A negative size would wrap round to a huge allocation; such an image is simply empty.
Image::Image(int width, int height, Colour fill)
    : width_(width > 0 && height > 0 ? width : 0),
      height_(width > 0 && height > 0 ? height : 0),
      pixels_(static_cast<std::size_t>(width_) * height_, PixelOf(fill)) {}

void FillRect(Image& image, int x, int y, int w, int h, Colour colour) {
    Fill(image, x, y, w, h, colour, image.bounds());
}

void OutlineRect(Image& image, int x, int y, int w, int h, Colour colour) {
    OutlineRect(image, x, y, w, h, colour, image.bounds());
}

void OutlineRect(Image& image, int x, int y, int w, int h, Colour colour, Rect clip) {
    if (w <= 0 || h <= 0) return;
    Fill(image, x, y, w, 1, colour, clip);
    Fill(image, x, Wide{y} + h - 1, w, 1, colour, clip);
    Fill(image, x, Wide{y} + 1, 1, Wide{h} - 2, colour, clip);
    Fill(image, Wide{x} + w - 1, Wide{y} + 1, 1, Wide{h} - 2, colour, clip);
}

void SetPixel(Image& image, int x, int y, Colour colour) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
    image.row(y)[x] = PixelOf(colour);
}

void DrawImage(Image& target, const Image& source, int x, int y) {
    Draw(target, source, x, y, target.bounds());
}

void DrawImage(Image& target, const Image& source, int x, int y, Rect clip) {
    Draw(target, source, x, y, clip);
}

Image CopyRect(const Image& source, int x, int y, int w, int h) {
    Image copy(w, h);
    Draw(copy, source, -Wide{x}, -Wide{y}, copy.bounds());
    return copy;
}

}  // namespace pixlore
