// Pointer positions reach the drawing unchecked, so rectangles and images may be placed
// anywhere in the range of int, and reach past its ends. Found by fuzzing the event dispatch:
// a hover outline at x = 2147483632 overflowed the clipping.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "views/image.h"

namespace pixlore {
namespace {

constexpr Colour kInk = 0x123456;

TEST(ImageBounds, DrawingAtTheEndsOfTheIntegersIsClippedAway) {
    const Image source(4, 4, kInk);
    const struct {
        const char* what;
        std::function<void(Image&)> draw;
    } cases[] = {
        {"fill up to INT_MAX", [](Image& i) { FillRect(i, INT_MAX - 15, 0, 16, 16, kInk); }},
        {"fill from INT_MIN", [](Image& i) { FillRect(i, INT_MIN, INT_MIN, 16, 16, kInk); }},
        {"fill of width INT_MAX from INT_MIN",
         [](Image& i) { FillRect(i, INT_MIN, 0, INT_MAX, 4, kInk); }},
        {"outline up to INT_MAX",
         [](Image& i) { OutlineRect(i, INT_MAX - 15, INT_MAX - 15, 16, 16, kInk); }},
        {"outline past INT_MAX", [](Image& i) { OutlineRect(i, INT_MAX, INT_MAX, 16, 16, kInk); }},
        {"outline from INT_MIN", [](Image& i) { OutlineRect(i, INT_MIN, INT_MIN, 16, 16, kInk); }},
        {"image at INT_MAX", [&](Image& i) { DrawImage(i, source, INT_MAX, INT_MAX); }},
        {"image at INT_MIN", [&](Image& i) { DrawImage(i, source, INT_MIN, INT_MIN); }},
        {"copy from INT_MIN", [&](Image& i) { i = CopyRect(source, INT_MIN, INT_MIN, 16, 16); }},
    };
    for (const auto& c : cases) {
        Image image(16, 16, kBlack);
        c.draw(image);
        EXPECT_EQ(image, Image(16, 16, kBlack)) << c.what;
    }
}

TEST(ImageBounds, ARectangleReachingPastIntMaxStillCoversItsPartInside) {
    Image image(16, 4, kBlack);
    FillRect(image, 8, 1, INT_MAX, 2, kInk);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(image.colourAt(x, y), x >= 8 && (y == 1 || y == 2) ? kInk : kBlack)
                << x << "," << y;
}

}  // namespace
}  // namespace pixlore
