#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "history/document.h"

namespace pixlore {

// Undo and redo of the user's work. Each step stores only what changed, so a thousand steps
// of pixel strokes cost little and even a thousand whole-charset or whole-map changes stay
// within a few tens of megabytes. The oldest steps drop off first.
class History {
  public:
    static constexpr std::size_t kDefaultDepth = 1000;

    explicit History(std::size_t depth = kDefaultDepth) : depth_(depth) {}

    // Records the change from before to after as one step, unless nothing changed. A new
    // step discards whatever could have been redone. With extendLast the change joins the
    // last step instead, when that is the last one done.
    bool record(const Document& before, const Document& after, bool extendLast = false);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // Turns document back by one step (or forward again); false when there is none.
    bool undo(Document& document);
    bool redo(Document& document);

    std::size_t size() const { return steps_.size(); }
    std::size_t bytes() const;

  private:
    struct ByteChange {
        std::uint16_t index;
        std::uint8_t before;
        std::uint8_t after;
    };
    struct Step {
        std::vector<ByteChange> glyphs;
        std::vector<ByteChange> cells;  // cells hold codes 0..255
        std::optional<Palette> paletteBefore;
        std::optional<Palette> paletteAfter;
    };

    static void Apply(const Step& step, Document& document, bool forward);
    static void Extend(Step& step, const Step& more);

    std::size_t depth_;
    std::deque<Step> steps_;
    std::size_t done_ = 0;  // steps_[0 .. done_) are done, the rest can be redone
};

}  // namespace pixlore
