#include "history/history.h"

#include <algorithm>

namespace pixlore {

bool History::record(const Document& before, const Document& after, bool extendLast) {
    Step step;
    for (std::size_t i = 0; i < before.charset.size(); ++i)
        if (before.charset[i] != after.charset[i])
            step.glyphs.push_back(
                {static_cast<std::uint16_t>(i), before.charset[i], after.charset[i]});
    for (std::size_t i = 0; i < before.cells.size(); ++i)
        if (before.cells[i] != after.cells[i])
            step.cells.push_back({static_cast<std::uint16_t>(i),
                                  static_cast<std::uint8_t>(before.cells[i]),
                                  static_cast<std::uint8_t>(after.cells[i])});
    if (!(before.palette == after.palette)) {
        step.paletteBefore = before.palette;
        step.paletteAfter = after.palette;
    }
    if (step.glyphs.empty() && step.cells.empty() && !step.paletteBefore) return false;
    if (extendLast && done_ > 0 && done_ == steps_.size()) {
        Extend(steps_.back(), step);
        return true;
    }

    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    steps_.push_back(std::move(step));
    if (steps_.size() > depth_) steps_.pop_front();
    done_ = steps_.size();
    return true;
}

// A byte changed again keeps the value it had before the first change.
void History::Extend(Step& step, const Step& more) {
    const auto join = [](std::vector<ByteChange>& into, const std::vector<ByteChange>& changes) {
        for (const ByteChange& c : changes) {
            const auto same = std::find_if(into.begin(), into.end(),
                                           [&](const ByteChange& d) { return d.index == c.index; });
            if (same == into.end())
                into.push_back(c);
            else
                same->after = c.after;
        }
    };
    join(step.glyphs, more.glyphs);
    join(step.cells, more.cells);
    if (more.paletteAfter) {
        if (!step.paletteBefore) step.paletteBefore = more.paletteBefore;
        step.paletteAfter = more.paletteAfter;
    }
}

void History::Apply(const Step& step, Document& document, bool forward) {
    for (const ByteChange& c : step.glyphs)
        document.charset[c.index] = forward ? c.after : c.before;
    for (const ByteChange& c : step.cells)
        document.cells[c.index] = forward ? c.after : c.before;
    if (step.paletteBefore) document.palette = forward ? *step.paletteAfter : *step.paletteBefore;
}

bool History::undo(Document& document) {
    if (!canUndo()) return false;
    Apply(steps_[--done_], document, false);
    return true;
}

bool History::redo(Document& document) {
    if (!canRedo()) return false;
    Apply(steps_[done_++], document, true);
    return true;
}

std::size_t History::bytes() const {
    std::size_t total = 0;
    for (const Step& s : steps_)
        total += sizeof(Step) + (s.glyphs.size() + s.cells.size()) * sizeof(ByteChange);
    return total;
}

}  // namespace pixlore
