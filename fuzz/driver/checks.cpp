#include "fuzz/driver/checks.h"

#include <cstring>
#include <filesystem>
#include <set>
#include <tuple>

#include "app/ids.h"
#include "fuzz/model/format_model.h"
#include "views/glyph_view.h"
#include "views/map_view.h"

namespace pixlore::fuzz {
namespace {

std::string Text(const QLabel& label) {
    return label.text().toStdString();
}

// Fresh renders, made again only when what they are drawn from has changed: renders cost more
// than the events, a 4 MB map most of all.
struct Fresh {
    Image charset{256, 256}, frame{256, 256}, glyph{128, 128}, map{1280, 800};
    const Image blank{1280, 800, kWhite};
    std::optional<
        std::tuple<Charset, Palette, decltype(CharMap::cells), int, int, std::optional<Cell>>>
        from;
} fresh;

bool SameActiveArea(const Image& a, const Image& b, const CharMap& map) {
    for (int y = 0; y < 16 * map.MapHeight; ++y)
        if (std::memcmp(a.row(y), b.row(y), 16 * map.MapWidth * sizeof(Pixel))) return false;
    return true;
}

std::string CheckMapCanvas(const Image& shown, const EditorState& s, Feedback& feedback) {
    if (feedback.mapStillBlank && shown == fresh.blank) return {};
    feedback.mapStillBlank = false;
    if (SameActiveArea(shown, fresh.map, s.map)) return feedback.mapHover.reset(), "";
    if (!feedback.mapHover) return "map canvas is stale";
    // The outline goes on the fresh render for the comparison and comes off again after.
    const Cell cell = *feedback.mapHover;
    const Image under = CopyRect(fresh.map, 16 * cell.x, 16 * cell.y, 16, 16);
    DrawMapHoverOutline(fresh.map, cell);
    const bool same = SameActiveArea(shown, fresh.map, s.map);
    DrawImage(fresh.map, under, 16 * cell.x, 16 * cell.y);
    return same ? "" : "map canvas is neither the map nor the map with the last hover outline";
}

model::Cells CellsOf(const CharMap& map) {
    model::Cells cells{{}, map.MapWidth, map.MapHeight};
    std::copy(map.cells.begin(), map.cells.end(), cells.cell.begin());
    return cells;
}

std::string CheckSave(const FakeDialogs& d, const Before& b, int command) {
    const bool glyphs = command <= Command::SaveIbm, map = command == Command::SaveCharacterMap;
    const int count = command == Command::SaveZx      ? 768
                      : command == Command::SaveAtari ? 1024
                                                      : 2048;
    const auto wanted = map ? model::SaveMap(CellsOf(b.map))
                            : model::SaveGlyphs(b.charset, b.selection.CurrentChar, count);
    const std::size_t said = d.messages.size() - b.messages;
    if (glyphs && !wanted)
        return said == 1 && d.messages.back().text == "out of size" && d.answers.size() == b.answers
                   ? ""
                   : "a glyph save past glyph 255 was not refused";
    if (d.answers.size() != b.answers + 1) return "a save asked for no name";
    if (d.answers.back().name.empty()) return said ? "a cancelled save said something" : "";
    const std::string name = model::SavedName(d.answers.back().name, map      ? ".map"
                                                                     : glyphs ? ".fnt"
                                                                              : ".bmp");
    // A save may fail only where no regular file can be written: in a missing folder, or over
    // a folder or anything else that is no regular file.
    std::error_code e;
    const std::filesystem::path path(name);
    if (said)
        return d.messages.back().text == "File Error:" + name &&
                       (!is_directory(path.parent_path(), e) ||
                        (exists(path, e) && !is_regular_file(path, e)))
                   ? ""
                   : "a save failed where it could have written";
    const std::optional<model::Bytes> written = model::ReadRegularFile(name);
    if (!glyphs && !map)
        return written && written->size() == 196662 ? "" : "the picture is no 256 x 256 bitmap";
    return written == wanted ? "" : "a saved file differs from the model";
}

}  // namespace

void Feedback::note(const Event& event, const EditorState& state) {
    if (event.kind != EventKind::ControlEvent || event.type != CanvasEventType::MouseMove) return;
    const Cell cell = CellUnder(event.MouseX, event.MouseY);
    if (event.control == CharsetCanvas) {
        charsetFrame = state.drag.DragState == 1 ? Frame::Drag : Frame::Hover;
        std::tie(x, y, dragSource) = std::tuple(event.MouseX, event.MouseY, state.drag.DragSource);
    } else if (event.control == MapCanvas && cell.x >= 0 && cell.x <= state.map.MapWidth &&
               cell.y >= 0 && cell.y <= state.map.MapHeight) {
        mapHover = cell;  // the active area or the column or row just beyond it
    }
}

Before Snapshot(Editor& editor, const FakeDialogs& dialogs) {
    const EditorState& s = editor.state();
    return {s.charset, s.map, s.selection, dialogs.messages.size(), dialogs.answers.size()};
}

std::string CheckState(Editor& e, const Expected& x, int quits) {
    const EditorState& s = e.state();
    const Selection& c = s.selection;
    if (c.CurrentColumn < 0 || c.CurrentColumn > 15 || c.CurrentRow < 0 || c.CurrentRow > 15 ||
        c.CurrentChar != 16 * c.CurrentRow + c.CurrentColumn)
        return "selection " + std::to_string(c.CurrentChar);
    for (std::int32_t code : s.map.cells)
        if (code < 0 || code > 255) return "a map cell holds " + std::to_string(code);
    static const std::set<std::pair<int, int>> kSizes = {
        {40, 24}, {32, 24}, {80, 50}, {64, 30}, {40, 25}};
    if (!kSizes.count({s.map.MapWidth, s.map.MapHeight}))
        return "map size " + std::to_string(s.map.MapWidth);
    if ((s.map.PopupCellX != -1 || s.map.PopupCellY != -1) &&
        !CharMap::Contains(s.map.PopupCellX, s.map.PopupCellY))
        return "popup cell " + std::to_string(s.map.PopupCellX) + "," +
               std::to_string(s.map.PopupCellY);
    if (s.drag.DragState != 0 &&
        (s.drag.DragState != 1 || s.drag.DragSource < 0 || s.drag.DragSource > 255))
        return "drag " + std::to_string(s.drag.DragState) + " from " +
               std::to_string(s.drag.DragSource);
    // The start-up colours and those of the built-in charsets: no other pair can arise.
    static const std::set<std::pair<Colour, Colour>> kPalettes = [] {
        std::set<std::pair<Colour, Colour>> all = {{kWhite, kBlack}};
        for (int preset = 0; preset <= static_cast<int>(BuiltInCharset::HexNumbers); ++preset) {
            Charset scratch;
            Palette palette;
            pixlore::LoadBuiltInCharset(scratch, palette, static_cast<BuiltInCharset>(preset));
            all.insert({palette.InkColor, palette.PaperColor});
        }
        return all;
    }();
    if (!kPalettes.count({s.palette.InkColor, s.palette.PaperColor}))
        return "colours no charset has";
    if (quits != x.quits) return "quit " + std::to_string(quits) + " times";
    const std::string title = e.mainWindow().title();
    if (title != s.WindowTitle + " " + StatusText(c.CurrentChar) &&
        (x.titleShowsStatus || title != s.WindowTitle))
        return "main window title \"" + title + "\"";
    const std::string labels = Text(e.beginRangeLabel()) + "|" + Text(e.endRangeLabel());
    if (labels != "BeginRange:" + RangePositionText(e.beginRangeTrackBar().value()) +
                      "|End range:" + RangePositionText(e.endRangeTrackBar().value()) &&
        (x.rangeLabelsWritten || labels != "Begin range:0|End range:0"))
        return "range labels \"" + labels + "\"";
    if (e.mainMenu().checked(Command::DragModeSwap) + e.mainMenu().checked(Command::DragModeCopy) !=
        1)
        return "drag mode marks not exactly one";
    if (e.mapScrollArea().contentSize() !=
        (x.mapSizeSet ? QSize(16 * s.map.MapWidth, 16 * s.map.MapHeight) : QSize(522, 394)))
        return "map scroll content is not the map's size";
    if (e.mapWindow().isVisible() != x.mapShown)
        return x.mapShown ? "map window hidden" : "map window shown";
    const std::array<const Pixel*, 3> surfaces = {e.charsetCanvas().surface().data(),
                                                  e.glyphCanvas().surface().data(),
                                                  e.mapCanvas().surface().data()};
    if (surfaces != x.surfaces || e.charsetCanvas().surface().width() != 256 ||
        e.glyphCanvas().surface().width() != 128 || e.mapCanvas().surface().height() != 800)
        return "a canvas picture moved or changed size";
    return {};
}

std::string CheckViews(Editor& editor, Feedback& feedback) {
    const EditorState& s = editor.state();
    if (fresh.from != std::tuple(s.charset, s.palette, s.map.cells, s.map.MapWidth, s.map.MapHeight,
                                 s.TextCursor)) {
        RenderCharsetImage(fresh.charset, s.charset, s.palette);
        RenderCharMapImage(fresh.map, s.map, s.charset, s.palette);
        if (s.TextCursor) DrawMapTextCursor(fresh.map, *s.TextCursor);
        fresh.from = std::tuple(s.charset, s.palette, s.map.cells, s.map.MapWidth, s.map.MapHeight,
                                s.TextCursor);
    }
    if (!(fresh.charset == s.CharsetImage)) return "CharsetImage does not show the charset";
    ComposeCharsetCanvas(fresh.frame, s.CharsetImage, s.selection);
    const Image& shown = editor.charsetCanvas().surface();
    if (shown == fresh.frame) feedback.charsetFrame = Feedback::Frame::None;
    if (feedback.charsetFrame == Feedback::Frame::Hover)
        ShowCharsetHover(fresh.frame, s.CharsetImage, s.selection, feedback.x, feedback.y);
    if (feedback.charsetFrame == Feedback::Frame::Drag)
        ShowDragPreview(fresh.frame, s.CharsetImage, s.selection, {1, feedback.dragSource, 0},
                        feedback.x, feedback.y);
    if (!(shown == fresh.frame))
        return "charset canvas is neither the picture with the cursor nor the last mouse frame";
    const std::uint8_t* glyph = GlyphAt(s.charset, s.selection.CurrentChar);
    RenderGlyphImage(fresh.glyph, glyph, s.palette);
    if (!(fresh.glyph == editor.glyphCanvas().surface())) return "glyph canvas is stale";
    if (editor.glyphDataField().toPlainText().toStdString() != GlyphDataText(glyph))
        return "data field is stale";
    return CheckMapCanvas(editor.mapCanvas().surface(), s, feedback);
}

std::string CheckFiles(Editor& editor, const FakeDialogs& dialogs, const Before& before,
                       const Event& event) {
    static const std::set<std::string> kTitles = {"No file",   "Read error",          "Open File",
                                                  "Save File", "Save file",           "Pixlore",
                                                  "Import",    "Recover last session"};
    for (std::size_t i = before.messages; i < dialogs.messages.size(); ++i)
        if (!kTitles.count(dialogs.messages[i].title))
            return "message box \"" + dialogs.messages[i].title + "\": " + dialogs.messages[i].text;
    const int command = event.kind == EventKind::MenuCommand ? event.command : -1;
    if (command >= Command::SaveZx && command <= Command::SaveCharactersImage)
        return CheckSave(dialogs, before, command);
    if (command == Command::Open && dialogs.answers.size() != before.answers + 1)
        return "Open asked for no name";
    // A drop or "Open..." reads a glyph file from the current character or a map file into
    // the active area; refused, it changes nothing.
    const bool open = command == Command::Open, drop = event.kind == EventKind::FilesDropped;
    if (!open && !drop) return {};
    const std::string name = open ? dialogs.answers.back().name : event.text;
    const int kind =
        open ? (name.empty() ? -1 : dialogs.answers.back().filterIndex) : event.control;
    model::Glyphs glyphs = before.charset;
    model::Cells cells = CellsOf(before.map);
    const std::optional<model::Bytes> file = model::ReadRegularFile(name);
    if (file && !file->empty() && kind == (open ? 0 : CharsetCanvas))
        glyphs = model::LoadGlyphs(glyphs, before.selection.CurrentChar, *file);
    if (file && kind == (open ? 1 : MapCanvas)) cells = model::LoadMap(cells, *file);
    if (editor.state().charset != glyphs) return "the charset differs from the model";
    return editor.state().map.cells == cells.cell ? "" : "the map differs from the model";
}

}  // namespace pixlore::fuzz
