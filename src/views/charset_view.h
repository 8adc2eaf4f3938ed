#pragma once

#include "charset/charset.h"
#include "charset/drag.h"
#include "charset/palette.h"
#include "charset/range.h"
#include "charset/selection.h"
#include "views/image.h"

namespace pixlore {

constexpr int kCharsetImageSize = 256;
constexpr Colour kCursorColour = 0x7FFF00;
constexpr Colour kHoverColour = 0x00FF00;
constexpr Colour kDropTargetColour = 0x0000FF;

// The picture of the whole charset: 16 x 16 cells, glyph n at (16 * (n % 16), 16 * (n / 16)).
void RenderCharsetImage(Image& charsetImage, const Charset& charset, Palette palette);

// The glyphs of range as the charset view draws them, up to 16 a row; the rest of the last
// row is paper.
Image GlyphsPicture(const Charset& charset, Palette palette, CodeRange range);

// The checkerboard on the current cell: the pixels whose dx + dy is odd.
void DrawCharsetCursor(Image& surface, const Selection& selection);

// The mouse feedback of a canvas frame: none, the green outline round the cell under the
// pointer, or the dragged glyph's cell hanging from the pointer with a red outline on top.
struct CharsetFeedback {
    enum class Kind { None, Hover, Drag };
    Kind kind = Kind::None;
    int x = 0;  // the pointer
    int y = 0;
    int dragSource = 0;
};

// The part of a canvas frame inside clip: the charset picture, the cursor, the feedback.
void DrawCharsetFrame(Image& surface, const Image& charsetImage, const Selection& selection,
                      const CharsetFeedback& feedback, Rect clip);

// Where a frame's feedback lies over the picture and the cursor, within bounds.
Damage FeedbackAreas(const CharsetFeedback& feedback, Rect bounds);

// Whether two feedbacks draw the same pixels: a hover outline depends on the cell only.
bool SameFeedback(const CharsetFeedback& a, const CharsetFeedback& b);

// A canvas frame: the charset picture with the cursor.
void ComposeCharsetCanvas(Image& surface, const Image& charsetImage, const Selection& selection);

// A hover frame: the picture, the cursor and a green outline round the cell under (x, y).
void ShowCharsetHover(Image& surface, const Image& charsetImage, const Selection& selection, int x,
                      int y);

// A drag frame: as a hover frame, with the dragged glyph's cell hanging from the pointer and a
// red outline on top.
void ShowDragPreview(Image& surface, const Image& charsetImage, const Selection& selection,
                     const Drag& drag, int x, int y);

}  // namespace pixlore
