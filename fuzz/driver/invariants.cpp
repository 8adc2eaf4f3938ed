#include "fuzz/driver/invariants.h"

#include <algorithm>
#include <array>

#include "app/ids.h"
#include "charset/range.h"
#include "charset/selection.h"

namespace pixlore::fuzz {
namespace {

// The start-up size is also one of the presets.
constexpr std::array<std::pair<int, int>, 4> kMapSizes = {{{40, 24}, {32, 24}, {80, 50}, {64, 30}}};

static_assert(sizeof(Charset) == 2048, "the charset is a fixed block of 2048 bytes");

// The start-up colours and those of every built-in charset: no other pair can arise.
const std::vector<Palette>& KnownPalettes() {
    static const std::vector<Palette> palettes = [] {
        std::vector<Palette> all{Palette{}};
        for (int p = 0; p <= static_cast<int>(BuiltInCharset::HexNumbers); ++p) {
            Charset scratch{};
            Palette palette;
            LoadBuiltInCharset(scratch, palette, static_cast<BuiltInCharset>(p));
            all.push_back(palette);
        }
        return all;
    }();
    return palettes;
}

std::string CheckSelection(const Selection& s) {
    if (s.CurrentColumn < 0 || s.CurrentColumn > 15 || s.CurrentRow < 0 || s.CurrentRow > 15)
        return "cursor cell (" + std::to_string(s.CurrentColumn) + "," +
               std::to_string(s.CurrentRow) + ") outside the grid";
    if (s.CurrentChar != (s.CurrentRow * 16 + s.CurrentColumn) % 256)
        return "CurrentChar " + std::to_string(s.CurrentChar) + " is not the cursor's cell";
    return {};
}

std::string CheckMap(const CharMap& map) {
    for (std::size_t i = 0; i < map.cells.size(); ++i)
        if (map.cells[i] < 0 || map.cells[i] > 255)
            return "map cell " + std::to_string(i) + " holds " + std::to_string(map.cells[i]);
    const std::pair<int, int> size{map.MapWidth, map.MapHeight};
    if (std::find(kMapSizes.begin(), kMapSizes.end(), size) == kMapSizes.end())
        return "map size " + std::to_string(map.MapWidth) + "x" + std::to_string(map.MapHeight);
    const bool none = map.PopupCellX == -1 && map.PopupCellY == -1;
    if (!none && !CharMap::Contains(map.PopupCellX, map.PopupCellY))
        return "popup cell (" + std::to_string(map.PopupCellX) + "," +
               std::to_string(map.PopupCellY) + ")";
    return {};
}

std::string CheckDrag(const Drag& drag) {
    if (drag.DragState != 0 && drag.DragState != 1)
        return "DragState " + std::to_string(drag.DragState);
    if (drag.DragState == 1 && (drag.DragSource < 0 || drag.DragSource > 255))
        return "dragging from code " + std::to_string(drag.DragSource);
    return {};
}

std::string CheckMainWindow(Editor& editor, const Expected& expected) {
    const EditorState& s = editor.state();
    const std::string title = editor.mainWindow().title();
    const std::string status = s.WindowTitle + " " + StatusText(s.selection.CurrentChar);
    if (title != status && (expected.titleShowsStatus || title != s.WindowTitle))
        return "main window title \"" + title + "\"";
    const auto label = [](QLabel& l) { return l.text().toStdString(); };
    const int begin = editor.beginRangeTrackBar().value();
    const int end = editor.endRangeTrackBar().value();
    const bool written =
        label(editor.beginRangeLabel()) == "BeginRange:" + RangePositionText(begin) &&
        label(editor.endRangeLabel()) == "End range:" + RangePositionText(end);
    const bool initial = label(editor.beginRangeLabel()) == "Begin range:0" &&
                         label(editor.endRangeLabel()) == "End range:0";
    if (!written && (expected.rangeLabelsWritten || !initial))
        return "range labels \"" + label(editor.beginRangeLabel()) + "\", \"" +
               label(editor.endRangeLabel()) + "\" for track bars at " + std::to_string(begin) +
               ", " + std::to_string(end);
    if (editor.mainMenu().checked(Command::DragModeSwap) +
            editor.mainMenu().checked(Command::DragModeCopy) !=
        1)
        return "drag mode marks not exactly one";
    return {};
}

std::string CheckMapWindow(Editor& editor, const Expected& expected) {
    const CharMap& map = editor.state().map;
    const QSize content = editor.mapScrollArea().contentSize();
    const QSize wanted = expected.mapSizeSet ? QSize(16 * map.MapWidth, 16 * map.MapHeight)
                                             : QSize(512 + 10, 384 + 10);
    if (content != wanted)
        return "map scroll content " + std::to_string(content.width()) + "x" +
               std::to_string(content.height());
    if (editor.mapWindow().isVisible() != expected.mapShown)
        return expected.mapShown ? "map window hidden" : "map window shown";
    return {};
}

}  // namespace

Surfaces::Surfaces(Editor& editor)
    : charset(editor.charsetCanvas().surface().data()),
      glyph(editor.glyphCanvas().surface().data()),
      map(editor.mapCanvas().surface().data()) {}

std::string CheckState(Editor& editor, const Expected& expected, const Surfaces& surfaces,
                       int quits) {
    const EditorState& s = editor.state();
    for (const std::string& fault :
         {CheckSelection(s.selection), CheckMap(s.map), CheckDrag(s.drag),
          CheckMainWindow(editor, expected), CheckMapWindow(editor, expected)})
        if (!fault.empty()) return fault;
    const std::vector<Palette>& palettes = KnownPalettes();
    if (std::find(palettes.begin(), palettes.end(), s.palette) == palettes.end())
        return "colours no charset has";
    if (surfaces.charset != editor.charsetCanvas().surface().data() ||
        surfaces.glyph != editor.glyphCanvas().surface().data() ||
        surfaces.map != editor.mapCanvas().surface().data() ||
        editor.charsetCanvas().surface().width() != 256 ||
        editor.glyphCanvas().surface().width() != 128 ||
        editor.mapCanvas().surface().width() != 1280 ||
        editor.mapCanvas().surface().height() != 800)
        return "a canvas picture moved or changed size";
    if (quits != expected.quits) return "quit " + std::to_string(quits) + " times";
    return {};
}

std::string CheckMessageTitles(const std::vector<FakeDialogs::Message>& messages,
                               std::size_t from) {
    static const std::array<std::string, 6> kTitles = {"No file",   "Read error", "Open File",
                                                       "Save File", "Save file",  "Pixlore"};
    for (std::size_t i = from; i < messages.size(); ++i)
        if (std::find(kTitles.begin(), kTitles.end(), messages[i].title) == kTitles.end())
            return "message box \"" + messages[i].title + "\": " + messages[i].text;
    return {};
}

}  // namespace pixlore::fuzz
