// Glyph files, map files and the charset picture: the dialogs, and every result turned into
// the user's message.
#include "app/editor.h"
#include "files/bmp.h"
#include "files/file_names.h"
#include "files/glyph_file.h"
#include "files/map_file.h"
#include "files/safe_write.h"

namespace pixlore {
namespace {

constexpr char kLoadTitle[] = "Please choose file to load";
constexpr char kSaveTitle[] = "Please choose file to save";
constexpr char kOpenFilters[] = "Font (*.fnt)|*.fnt|Character map (*.map)|*.map";
constexpr char kGlyphFilters[] = "Font (*.fnt)|*.fnt";
constexpr char kMapFilters[] = "Character map (*.map)|*.map";
constexpr char kPictureFilters[] = ".bmp";

constexpr int kGlyphFilter = 0;
constexpr int kMapFilter = 1;

}  // namespace

void Editor::LoadGlyphFile(const std::string& name) {
    switch (LoadGlyphs(state_.charset, state_.selection.CurrentChar, name)) {
        case GlyphLoad::Loaded:
            state_.LastDirectory = FolderPart(name);
            break;
        case GlyphLoad::BlankName:
            break;
        case GlyphLoad::NoFile:
            dialogs_.message("No file", name);
            break;
        case GlyphLoad::OpenFailed:
            dialogs_.message("Read error", name);
            break;
        case GlyphLoad::ShortRead:
            // The file was opened, so its folder is remembered as for a complete read.
            state_.LastDirectory = FolderPart(name);
            dialogs_.message("Read error", name);
            break;
    }
}

void Editor::LoadMapFile(const std::string& name) {
    switch (LoadMap(state_.map, name)) {
        case MapLoad::Loaded:
            RenderCharMap();
            break;
        case MapLoad::TooBig:
            dialogs_.message("Open File", "to big map:" + name);
            break;
        case MapLoad::CannotOpen:
        case MapLoad::ShortRead:
            dialogs_.message("Open File", "unable to open:" + name);
            break;
    }
}

void Editor::OpenFileCommand() {
    const Dialogs::FileChoice choice =
        dialogs_.openFile(kLoadTitle, state_.LastDirectory, kOpenFilters);
    if (choice.name.empty()) return;
    state_.LastDirectory = FolderPart(choice.name);
    if (choice.filterIndex == kGlyphFilter) {
        LoadGlyphFile(choice.name);
        RefreshViews();
    } else if (choice.filterIndex == kMapFilter) {
        LoadMapFile(choice.name);
    }
}

void Editor::SaveGlyphsOrMap(int byteCount) {
    const bool map = byteCount < 0;
    const int current = state_.selection.CurrentChar;
    if (!map && !GlyphFileFits(current, byteCount)) {
        dialogs_.message("Save File", "out of size");
        return;
    }
    const std::string name =
        chooseSaveName(map ? kMapFilters : kGlyphFilters, map ? ".map" : ".fnt");
    if (name.empty()) return;
    saveFile(name,
             map ? MapFileBytes(state_.map) : GlyphFileBytes(state_.charset, current, byteCount));
}

void Editor::SaveCharsetPicture() {
    const std::string name = chooseSaveName(kPictureFilters, ".bmp");
    if (name.empty()) return;
    saveFile(name, EncodeBmp(state_.CharsetImage));
}

std::string Editor::chooseSaveName(const char* filters, const char* extension) {
    const Dialogs::FileChoice choice = dialogs_.saveFile(kSaveTitle, state_.LastDirectory, filters);
    if (choice.name.empty()) return {};
    // Remembered before the file is made, so also when making it fails.
    state_.LastDirectory = FolderPart(choice.name);
    return WithExtension(choice.name, extension);
}

void Editor::saveFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    if (SafeWrite(name, bytes) != WriteStatus::Written)
        dialogs_.message("Save file", "File Error:" + name);
}

}  // namespace pixlore
