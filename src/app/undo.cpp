// Undo and redo: every event that changed the user's work becomes one step of the history.
#include <cstring>
#include <utility>

#include "app/editor.h"
#include "app/ids.h"

namespace pixlore {

Document Editor::document() const {
    Document d;
    d.charset = state_.charset;
    d.palette = state_.palette;
    d.cells = state_.map.cells;
    return d;
}

void Editor::restore(const Document& d) {
    state_.charset = d.charset;
    state_.palette = d.palette;
    state_.map.cells = d.cells;
}

void Editor::recordChange() {
    const bool typed = std::exchange(typedNow_, false);
    // Most events change nothing; comparing in place spares a copy of the work on each.
    if (state_.charset == committed_.charset && state_.palette == committed_.palette &&
        state_.map.cells == committed_.cells)
        return;
    const Document now = document();
    history_.record(committed_, now, typed && typedRunOpen_);
    typedRunOpen_ = typed;
    committed_ = now;
}

void Editor::Undo() {
    Document d = committed_;
    typedRunOpen_ = false;
    if (!history_.undo(d)) return;
    restore(d);
    committed_ = d;
    RefreshViews();
}

void Editor::Redo() {
    Document d = committed_;
    typedRunOpen_ = false;
    if (!history_.redo(d)) return;
    restore(d);
    committed_ = d;
    RefreshViews();
}

// Greyed when there is nothing to undo or redo, so that the menu, and a screen reader reading
// it, tell so before the user tries. The shortcuts stay bound and then do nothing.
void Editor::updateHistoryItems() {
    mainMenu_.setEnabled(Command::Undo, history_.canUndo());
    mainMenu_.setEnabled(Command::Redo, history_.canRedo());
}

}  // namespace pixlore
