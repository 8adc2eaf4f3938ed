#include "gui/support/watched_editor.h"

#include <QTest>

namespace pixlore {

WatchedEditor::WatchedEditor() {
    Editor::Options options;
    options.currentDirectory = "/tmp";
    options.quit = [this] { ++quits; };
    options.watch = [this](const Event& e) { events.push_back(e); };
    editor = std::make_unique<Editor>(dialogs, options);
    editor->start();
    if (!QTest::qWaitForWindowExposed(&editor->mainWindow())) qWarning("main window not exposed");
}

std::vector<int> WatchedEditor::commands() const {
    std::vector<int> ids;
    for (const Event& e : events)
        if (e.kind == EventKind::MenuCommand) ids.push_back(e.command);
    return ids;
}

}  // namespace pixlore
