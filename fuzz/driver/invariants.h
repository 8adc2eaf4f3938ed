#pragma once

#include <cstddef>
#include <string>

#include "app/editor.h"
#include "gui/support/fake_dialogs.h"
#include "views/image.h"

namespace pixlore::fuzz {

// What the run knows the editor must show, from the events it has sent so far.
struct Expected {
    bool titleShowsStatus = false;    // the selection moved: the title names the current char
    bool rangeLabelsWritten = false;  // a track bar moved or a range end was set
    bool mapSizeSet = false;          // the scroll area's content is 16 x the map size
    bool mapShown = false;
    int quits = 0;
};

// Where the canvases' pictures live. The toolkit shows them straight from this memory, so
// it must stay where it was made, at its size, for the whole run.
struct Surfaces {
    explicit Surfaces(Editor& editor);
    const Pixel* charset;
    const Pixel* glyph;
    const Pixel* map;
};

// The invariants of the shared state and of what the windows show besides the canvases.
// Returns what is wrong, or nothing.
std::string CheckState(Editor& editor, const Expected& expected, const Surfaces& surfaces,
                       int quits);

// The messages from index `from` on all carry titles the program uses to report the user's
// own mistakes and failed files; a drawing failure or anything else is a fault.
std::string CheckMessageTitles(const std::vector<FakeDialogs::Message>& messages, std::size_t from);

}  // namespace pixlore::fuzz
