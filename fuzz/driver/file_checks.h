#pragma once

#include <cstddef>
#include <string>

#include "app/editor.h"
#include "fuzz/driver/scripted_dialogs.h"
#include "fuzz/model/format_model.h"

namespace pixlore::fuzz {

// What an event starts from, to hold the files it read or wrote against the model.
struct FileSnapshot {
    model::Glyphs glyphs;
    model::Cells cells;
    int current = 0;
    std::size_t messages = 0;
    std::size_t answers = 0;
};

FileSnapshot TakeSnapshot(Editor& editor, const ScriptedDialogs& dialogs);

// After files were dropped on a control: a glyph file read from the current character, a map
// file laid into the active area, or, refused, nothing changed.
std::string CheckDrop(Editor& editor, const FileSnapshot& before, const Event& drop);

// After a command: what "Open..." read and what the saves wrote, by the model; for every
// other command nothing to check here.
std::string CheckFileCommand(Editor& editor, const ScriptedDialogs& dialogs,
                             const FileSnapshot& before, int command);

}  // namespace pixlore::fuzz
