#pragma once

#include "charset/cell.h"
#include "charset/charset.h"
#include "charset/palette.h"
#include "charset/selection.h"
#include "views/charset_view.h"
#include "views/image.h"

namespace pixlore {

// What the charset picture and its canvas show, remembered so that a redraw draws only what
// changed: the cells of edited glyphs, the cells the cursor left and entered, the feedback
// taken off and put on. The pictures come out exactly as full redraws make them.
class CharsetDisplay {
  public:
    // Brings the charset picture up to date with the charset and the colours.
    void renderPicture(Image& charsetImage, const Charset& charset, Palette palette);
    // Puts the frame on the canvas surface; returns the areas drawn.
    Damage showFrame(Image& surface, const Image& charsetImage, const Selection& selection,
                     const CharsetFeedback& feedback);

  private:
    bool pictureDrawn_ = false;
    Charset charset_{};
    Palette palette_;
    Damage pictureDamage_;  // cells of the picture redrawn since the last frame
    bool frameShown_ = false;
    Cell cursor_;
    CharsetFeedback feedback_;
};

}  // namespace pixlore
