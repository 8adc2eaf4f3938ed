#include "views/charset_display.h"

#include <utility>

#include "views/glyph_cells.h"

namespace pixlore {
namespace {

// Beyond this many separate areas one redraw of the whole is as cheap.
constexpr std::size_t kMostAreas = 64;

void Append(Damage& to, const Damage& areas) {
    for (const Rect& r : areas)
        if (!r.empty()) to.push_back(r);
}

}  // namespace

void CharsetDisplay::renderPicture(Image& charsetImage, const Charset& charset, Palette palette) {
    if (!pictureDrawn_ || palette != palette_) {
        RenderCharsetImage(charsetImage, charset, palette);
        pictureDamage_ = {charsetImage.bounds()};
    } else {
        const auto changed = ChangedGlyphs(charset_, charset);
        DrawStaleCells(
            charsetImage, charset, palette, AllCodes(), 16, 16, 16,
            [&](int x, int y) { return changed[16 * y + x]; }, pictureDamage_);
        if (pictureDamage_.size() > kMostAreas) pictureDamage_ = {charsetImage.bounds()};
    }
    pictureDrawn_ = true;
    charset_ = charset;
    palette_ = palette;
}

Damage CharsetDisplay::showFrame(Image& surface, const Image& charsetImage,
                                 const Selection& selection, const CharsetFeedback& feedback) {
    Damage damage = std::exchange(pictureDamage_, {});
    const Cell cursor{selection.CurrentColumn, selection.CurrentRow};
    const Rect bounds = surface.bounds();
    if (!frameShown_) {
        damage = {bounds};
    } else {
        if (cursor != cursor_)
            Append(damage, {ClipRect(16LL * cursor_.x, 16LL * cursor_.y, 16, 16, bounds),
                            ClipRect(16LL * cursor.x, 16LL * cursor.y, 16, 16, bounds)});
        // A changed picture may change the dragged glyph wherever it hangs.
        if (!damage.empty() || !SameFeedback(feedback, feedback_)) {
            Append(damage, FeedbackAreas(feedback_, bounds));
            Append(damage, FeedbackAreas(feedback, bounds));
        }
    }
    for (const Rect& r : damage)
        DrawCharsetFrame(surface, charsetImage, selection, feedback, r);
    frameShown_ = true;
    cursor_ = cursor;
    feedback_ = feedback;
    return damage;
}

}  // namespace pixlore
