// Export of the glyphs and the map in the forms builds need, and import of console fonts and
// charset pictures.

#include "app/editor.h"
#include "files/file_names.h"
#include "files/glyph_file.h"
#include "files/whole_file.h"
#include "formats/picture_import.h"
#include "formats/prg.h"
#include "formats/psf.h"

namespace pixlore {
namespace {

// Far more than any font or picture of a charset holds.
constexpr std::size_t kMaxImportBytes = 16u << 20;

}  // namespace

std::string Editor::chooseExportName(const std::string& filters) {
    const auto choice =
        dialogs_.saveFile("Please choose file to save", state_.LastDirectory, filters);
    if (choice.name.empty()) return {};
    state_.LastDirectory = FolderPart(choice.name);
    return choice.name;
}

void Editor::ExportSource(ExportFormat format) {
    ExportSettings settings = state_.lastExport;
    settings.format = format;
    if (!dialogs_.exportOptions(settings)) return;
    state_.lastExport = settings;
    const CodeRange range = RangeBetween(beginTrackBar_->value(), endTrackBar_->value());
    const std::vector<std::uint8_t> bytes =
        ExportBytes(settings, state_.charset, range, state_.map, "");
    // A program file whose bytes run past the top of memory cannot be loaded.
    if (settings.format == ExportFormat::Prg && !DecodePrg(bytes).ok()) {
        dialogs_.message("Save File", "out of size");
        return;
    }
    const std::string chosen = chooseExportName(ExportFilters(settings.format));
    if (chosen.empty()) return;
    const std::string name = WithExportExtension(chosen, settings.format);
    saveFile(name, ExportBytes(settings, state_.charset, range, state_.map, name));
}

void Editor::ExportPsfFont() {
    const std::string name = chooseSaveName("PSF font (*.psf)|*.psf", ".psf");
    if (!name.empty()) saveFile(name, EncodePsf1(state_.charset));
}

std::string Editor::chooseImportName(const std::string& filters) {
    const auto choice =
        dialogs_.openFile("Please choose file to load", state_.LastDirectory, filters);
    if (choice.name.empty()) return {};
    state_.LastDirectory = FolderPart(choice.name);
    return choice.name;
}

void Editor::ImportPsfFont() {
    const std::string name = chooseImportName(
        "PSF font (*.psf *.psf.gz *.psfu *.psfu.gz)|*.psf;*.psf.gz;*.psfu;*.psfu.gz");
    if (name.empty()) return;
    const auto file = ReadWholeFile(name, kMaxImportBytes);
    const auto font = file.ok() ? DecodePsf(*file.value) : Decoded<PsfFont>::Fail(file.reason);
    if (!font.ok()) {
        dialogs_.message("Import", name + ": " + font.reason);
        return;
    }
    // Laid from the current character on, as much as fits, as a glyph file is.
    LayGlyphRows(state_.charset, state_.selection.CurrentChar, font.value->glyphs);
    RefreshViews();
}

void Editor::ImportPicture() {
    const std::string name = chooseImportName("Picture (*.bmp *.png)|*.bmp;*.png");
    if (name.empty()) return;
    const auto file = ReadWholeFile(name, kMaxImportBytes);
    const auto picture = file.ok() ? DecodePicture(*file.value) : Decoded<Image>::Fail(file.reason);
    const auto charset = picture.ok() ? CharsetFromPicture(*picture.value, state_.palette)
                                      : Decoded<Charset>::Fail(picture.reason);
    if (!charset.ok()) {
        dialogs_.message("Import", name + ": " + charset.reason);
        return;
    }
    state_.charset = *charset.value;
    RefreshViews();
}

}  // namespace pixlore
