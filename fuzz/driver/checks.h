#pragma once

#include <array>
#include <optional>
#include <string>

#include "app/editor.h"
#include "charset/cell.h"
#include "gui/fake_dialogs.h"

namespace pixlore::fuzz {

// What the events so far oblige the windows to show.
struct Expected {
    bool titleShowsStatus = false;    // the selection has moved
    bool rangeLabelsWritten = false;  // a track bar moved or a range end was set
    bool mapSizeSet = false;          // the scroll content follows the map size
    bool mapShown = false;
    int quits = 0;
    // The toolkit shows each canvas straight from this memory: it must stay where it was made.
    std::array<const Pixel*, 3> surfaces{};
};

// Mouse feedback a canvas may show until the next render replaces it.
struct Feedback {
    enum class Frame { None, Hover, Drag } charsetFrame = Frame::None;
    int x = 0, y = 0, dragSource = 0;
    std::optional<Cell> mapHover;
    // The map canvas stays white from start-up until the map is first drawn; nobody sees it
    // before, as only a map size shows the window, and that draws it first.
    bool mapStillBlank = true;
    // Notes what the event, about to be dispatched, draws.
    void note(const Event& event, const EditorState& state);
};

// The work and the dialogs' records as an event found them.
struct Before {
    Charset charset;
    CharMap map;
    Selection selection;
    std::size_t messages, answers;
};
Before Snapshot(Editor& editor, const FakeDialogs& dialogs);

// Each returns what is wrong, or nothing. The state: its invariants and what the windows show
// besides the canvases. The views: every canvas against a fresh render of the state, or the
// last mouse frame drawn from the same state. The files: the messages, and what a drop,
// "Open..." or a save read or wrote, by the model of the formats.
std::string CheckState(Editor& editor, const Expected& expected, int quits);
std::string CheckViews(Editor& editor, Feedback& feedback);
std::string CheckFiles(Editor& editor, const FakeDialogs& dialogs, const Before& before,
                       const Event& event);

}  // namespace pixlore::fuzz
