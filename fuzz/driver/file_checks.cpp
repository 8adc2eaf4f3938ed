#include "fuzz/driver/file_checks.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "app/ids.h"

namespace pixlore::fuzz {
namespace {

model::Cells CellsOf(const CharMap& map) {
    model::Cells cells;
    std::copy(map.cells.begin(), map.cells.end(), cells.cell.begin());
    cells.width = map.MapWidth;
    cells.height = map.MapHeight;
    return cells;
}

std::string Compare(Editor& editor, const model::Glyphs& glyphs, const model::Cells& cells) {
    const EditorState& s = editor.state();
    if (!std::equal(glyphs.begin(), glyphs.end(), s.charset.begin()))
        return "charset differs from the model";
    if (!std::equal(cells.cell.begin(), cells.cell.end(), s.map.cells.begin()))
        return "map differs from the model";
    return {};
}

model::Glyphs ExpectGlyphLoad(const FileSnapshot& before, const std::string& name) {
    const std::optional<model::Bytes> file = model::ReadRegularFile(name);
    if (!file || file->empty()) return before.glyphs;
    return model::LoadGlyphs(before.glyphs, before.current, *file);
}

model::Cells ExpectMapLoad(const FileSnapshot& before, const std::string& name) {
    const std::optional<model::Bytes> file = model::ReadRegularFile(name);
    if (!file) return before.cells;
    return model::LoadMap(before.cells, *file);
}

std::string CheckOpen(Editor& editor, const Dialogs::FileChoice& choice,
                      const FileSnapshot& before) {
    if (!choice.name.empty() && choice.filterIndex == 0)
        return Compare(editor, ExpectGlyphLoad(before, choice.name), before.cells);
    if (!choice.name.empty() && choice.filterIndex == 1)
        return Compare(editor, before.glyphs, ExpectMapLoad(before, choice.name));
    return Compare(editor, before.glyphs, before.cells);
}

int GlyphSaveBytes(int command) {
    return command == Command::SaveZx ? 768 : command == Command::SaveAtari ? 1024 : 2048;
}

// A save may fail only where no regular file can be written: in a missing folder, or over a
// folder or anything else that is no regular file.
bool MayFail(const std::string& name) {
    std::error_code error;
    const std::filesystem::path path(name);
    if (!std::filesystem::is_directory(path.parent_path(), error)) return true;
    return std::filesystem::exists(path, error) && !std::filesystem::is_regular_file(path, error);
}

std::string CheckSave(const ScriptedDialogs& dialogs, const FileSnapshot& before, int command) {
    const std::size_t newMessages = dialogs.messages.size() - before.messages;
    if (command >= Command::SaveZx && command <= Command::SaveIbm) {
        if (!model::SaveGlyphs(before.glyphs, before.current, GlyphSaveBytes(command))) {
            const bool refused = newMessages == 1 &&
                                 dialogs.messages.back().text == "out of size" &&
                                 dialogs.answers.size() == before.answers;
            return refused ? std::string() : "a glyph save past glyph 255 was not refused";
        }
    }
    if (dialogs.answers.size() != before.answers + 1) return "a save asked for no name";
    const std::string chosen = dialogs.answers.back().name;
    if (chosen.empty()) return newMessages == 0 ? std::string() : "a cancelled save said something";
    const char* extension = command == Command::SaveCharacterMap      ? ".map"
                            : command == Command::SaveCharactersImage ? ".bmp"
                                                                      : ".fnt";
    const std::string name = model::SavedName(chosen, extension);
    if (newMessages > 0) {
        if (dialogs.messages.back().text != "File Error:" + name) return "unexpected save message";
        return MayFail(name) ? std::string() : "a save failed where it could have written";
    }
    const std::optional<model::Bytes> written = model::ReadRegularFile(name);
    if (!written) return "a save reported nothing and wrote no file";
    if (command == Command::SaveCharactersImage)
        return written->size() == 196662 && (*written)[0] == 'B' && (*written)[1] == 'M'
                   ? std::string()
                   : "the charset picture is no 256 x 256 bitmap";
    const std::optional<model::Bytes> wanted =
        command == Command::SaveCharacterMap
            ? model::SaveMap(before.cells)
            : model::SaveGlyphs(before.glyphs, before.current, GlyphSaveBytes(command));
    return *written == *wanted ? std::string() : "a saved file differs from the model";
}

}  // namespace

FileSnapshot TakeSnapshot(Editor& editor, const ScriptedDialogs& dialogs) {
    const EditorState& s = editor.state();
    FileSnapshot snapshot;
    std::copy(s.charset.begin(), s.charset.end(), snapshot.glyphs.begin());
    snapshot.cells = CellsOf(s.map);
    snapshot.current = s.selection.CurrentChar;
    snapshot.messages = dialogs.messages.size();
    snapshot.answers = dialogs.answers.size();
    return snapshot;
}

std::string CheckDrop(Editor& editor, const FileSnapshot& before, const Event& drop) {
    if (drop.control == CharsetCanvas)
        return Compare(editor, ExpectGlyphLoad(before, drop.text), before.cells);
    if (drop.control == MapCanvas)
        return Compare(editor, before.glyphs, ExpectMapLoad(before, drop.text));
    return Compare(editor, before.glyphs, before.cells);
}

std::string CheckFileCommand(Editor& editor, const ScriptedDialogs& dialogs,
                             const FileSnapshot& before, int command) {
    if (command == Command::Open) {
        if (dialogs.answers.size() != before.answers + 1) return "Open asked for no name";
        return CheckOpen(editor, dialogs.answers.back(), before);
    }
    if (command >= Command::SaveZx && command <= Command::SaveCharactersImage)
        return CheckSave(dialogs, before, command);
    return {};
}

}  // namespace pixlore::fuzz
