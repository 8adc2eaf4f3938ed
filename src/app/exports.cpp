// Export of the glyphs and the map in the forms builds need, and import of console fonts,
// charset pictures and C64 program files.
#include "app/editor.h"
#include "files/bmp.h"
#include "files/file_names.h"
#include "files/whole_file.h"
#include "formats/lay_glyphs.h"
#include "formats/picture_import.h"
#include "formats/png_encode.h"
#include "formats/prg.h"
#include "formats/psf.h"
#include "views/map_view.h"

namespace pixlore {
namespace {

// Far more than any font, picture or program file of a charset holds.
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
    // A label typed for one export would name every later one, even of the map; unless typed
    // again, the next is made from the file chosen then.
    state_.lastExport.label.clear();
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
    layImported(name, font.value->glyphs);
}

// PNG or BMP by the name's extension; a name without either gets the chosen filter's.
void Editor::ExportMapPicture() {
    const auto choice = dialogs_.saveFile("Please choose file to save", state_.LastDirectory,
                                          "PNG picture (*.png)|*.png|BMP picture (*.bmp)|*.bmp");
    if (choice.name.empty()) return;
    state_.LastDirectory = FolderPart(choice.name);
    std::string name = choice.name;
    bool bmp = WithExtension(name, ".bmp") == name;
    if (!bmp && WithExtension(name, ".png") != name) {
        bmp = choice.filterIndex == 1;
        name += bmp ? ".bmp" : ".png";
    }
    const Image picture = MapPicture(state_.map, state_.charset, state_.palette);
    saveFile(name, bmp ? EncodeBmp(picture) : EncodePng(picture));
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
    layImported(name, {charset.value->begin(), charset.value->end()});
}

void Editor::ImportPrg() {
    const std::string name = chooseImportName(ExportFilters(ExportFormat::Prg));
    if (name.empty()) return;
    const auto file = ReadWholeFile(name, kMaxImportBytes);
    const auto prg = file.ok() ? DecodePrg(*file.value) : Decoded<Prg>::Fail(file.reason);
    if (!prg.ok()) {
        dialogs_.message("Import", name + ": " + prg.reason);
        return;
    }
    layImported(name, prg.value->data);
}

// Laid from the current character on, as much as fits, as a glyph file is; what was left out
// is told once.
void Editor::layImported(const std::string& name, const std::vector<std::uint8_t>& rows) {
    const LaidGlyphs laid = LayGlyphRows(state_.charset, state_.selection.CurrentChar, rows);
    RefreshViews();
    if (!laid.allFit()) dialogs_.message("Import", DidNotFitText(name, laid));
}

}  // namespace pixlore
