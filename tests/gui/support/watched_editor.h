#pragma once

#include <memory>
#include <vector>

#include "app/editor.h"
#include "gui/support/fake_dialogs.h"

namespace pixlore {

// A started editor, as EditorHarness, that also records every event it is handed.
struct WatchedEditor {
    WatchedEditor();

    Editor* operator->() { return editor.get(); }
    EditorState& state() { return editor->state(); }
    // The command ids of the MenuCommand events so far.
    std::vector<int> commands() const;

    FakeDialogs dialogs;
    int quits = 0;
    std::vector<Event> events;
    std::unique_ptr<Editor> editor;
};

}  // namespace pixlore
