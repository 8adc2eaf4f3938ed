#pragma once

#include <optional>
#include <string>

#include "app/editor.h"
#include "charset/cell.h"

namespace pixlore::fuzz {

// Mouse feedback that the run made the editor draw and that may still be on a canvas: until
// the next render replaces it, a canvas may show it instead of the plain view.
struct Feedback {
    enum class Frame { None, Hover, Drag };
    Frame charsetFrame = Frame::None;
    int x = 0;
    int y = 0;
    int dragSource = 0;
    std::optional<Cell> mapHover;
    // Start-up opens the map window after the first views are drawn, and its canvas stays
    // white until the first redraw after that; nobody sees it before, as only a map size
    // shows the window, and that redraws first.
    bool mapStillBlank = true;

    // Notes the feedback that the event, about to be dispatched, draws.
    void note(const Event& event, const EditorState& state);
};

// Every view against a fresh render from the state: the charset picture, the charset canvas
// (the picture with the cursor, or the last mouse frame drawn from the same state), the glyph
// canvas and its data field, and the active area of the map canvas (with the last hover
// outline, when one may still be there). Returns the stale view, or nothing. Feedback that a
// render has since covered is forgotten.
std::string CheckViews(Editor& editor, Feedback& feedback);

}  // namespace pixlore::fuzz
