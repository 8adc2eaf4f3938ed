#include "fuzz/driver/event_run.h"

#include <QApplication>
#include <QClipboard>
#include <algorithm>
#include <climits>
#include <filesystem>
#include <set>
#include <tuple>

#include "app/editor.h"
#include "app/ids.h"
#include "core/temp_folder.h"
#include "fuzz/model/format_model.h"
#include "gui/fake_dialogs.h"
#include "views/glyph_view.h"
#include "views/map_view.h"

namespace pixlore::fuzz {
namespace {

// What the events so far oblige the windows to show.
struct Expected {
    bool titleShowsStatus = false;    // the selection has moved
    bool rangeLabelsWritten = false;  // a track bar moved or a range end was set
    bool mapSizeSet = false;          // the scroll content follows the map size
    bool mapShown = false;
    int quits = 0;
    // The toolkit shows each canvas straight from this memory: it must stay where it was made.
    std::array<const Pixel*, 3> surfaces{};
};

// Mouse feedback a canvas may show until the next render replaces it.
struct Feedback {
    enum class Frame { None, Hover, Drag } charsetFrame = Frame::None;
    int x = 0, y = 0, dragSource = 0;
    std::optional<Cell> mapHover, mapHoverBefore;  // after and before the last event
    // The map canvas stays white from start-up until the map is first drawn; nobody sees it
    // before, as only a map size shows the window, and that draws it first.
    bool mapStillBlank = true;
    // Notes what the event, just dispatched, draws.
    void note(const Event& event, const EditorState& state) {
        mapHoverBefore = mapHover;
        if (event.kind != EventKind::ControlEvent || event.type != CanvasEventType::MouseMove)
            return;
        const Cell cell = CellUnder(event.MouseX, event.MouseY);
        if (event.control == CharsetCanvas) {
            charsetFrame = state.drag.DragState == 1 ? Frame::Drag : Frame::Hover;
            x = event.MouseX, y = event.MouseY, dragSource = state.drag.DragSource;
        } else if (event.control == MapCanvas && cell.x >= 0 && cell.x <= state.map.MapWidth &&
                   cell.y >= 0 && cell.y <= state.map.MapHeight) {
            mapHover = cell;  // the active area or the column or row just beyond it
        }
    }
};

// The work and the dialogs' records as an event found them.
struct Before {
    Charset charset;
    CharMap map;
    Selection selection;
    std::size_t messages, answers;
};

// Fresh renders, made again only when what they are drawn from has changed: renders cost more
// than the events, a 4 MB map most of all.
struct Fresh {
    Image charset{256, 256}, frame{256, 256}, glyph{128, 128}, map{1280, 800};
    const Image blank{1280, 800, kWhite};
} fresh;

// Word by word rather than through memcmp: the sanitizer checks both whole ranges before every
// memcmp, which doubled what the comparisons cost. The rectangle lies within both images.
__attribute__((no_sanitize("address", "undefined"))) bool SameIn(const Image& a, const Image& b,
                                                                 Rect r) {
    for (int y = r.y; y < r.y + r.h; ++y) {
        const Pixel *p = a.row(y) + r.x, *q = b.row(y) + r.x;
        Pixel differ = 0;
        for (int x = 0; x < r.w; ++x)
            differ |= p[x] ^ q[x];
        if (differ) return false;
    }
    return true;
}

bool Same(const Image& a, const Image& b) {
    return a.width() == b.width() && a.height() == b.height() && SameIn(a, b, a.bounds());
}

// The map canvas within `area` shows the map with the last hover outline.
bool OutlineShown(const Image& shown, Rect area, const Feedback& feedback) {
    if (!feedback.mapHover) return false;
    // The outline goes on the fresh render for the comparison and comes off again after.
    const Cell cell = *feedback.mapHover;
    const Image under = CopyRect(fresh.map, 16 * cell.x, 16 * cell.y, 16, 16);
    DrawMapHoverOutline(fresh.map, cell);
    const bool same = SameIn(shown, fresh.map, area);
    DrawImage(fresh.map, under, 16 * cell.x, 16 * cell.y);
    return same;
}

// The whole active area, or after a pointer event that changed nothing the map is drawn from,
// the cells its outline left and reached: the whole map is compared when it changes and at the
// end of every run.
std::string CheckMapCanvas(const Image& shown, const EditorState& s, Feedback& feedback,
                           bool whole) {
    const char* const stale = "map canvas is neither the map nor the map with the last outline";
    const Rect all{0, 0, 16 * s.map.MapWidth, 16 * s.map.MapHeight};
    if (feedback.mapStillBlank && SameIn(shown, fresh.blank, all)) return {};
    feedback.mapStillBlank = false;
    if (whole && SameIn(shown, fresh.map, all)) return feedback.mapHover.reset(), "";
    if (whole) return OutlineShown(shown, all, feedback) ? "" : stale;
    for (const std::optional<Cell>& cell : {feedback.mapHoverBefore, feedback.mapHover}) {
        if (!cell || cell->x >= s.map.MapWidth || cell->y >= s.map.MapHeight) continue;
        const Rect area{16 * cell->x, 16 * cell->y, 16, 16};
        if (!SameIn(shown, fresh.map, area) && !OutlineShown(shown, area, feedback)) return stale;
    }
    return {};
}

model::Cells CellsOf(const CharMap& map) {
    return {map.cells, map.MapWidth, map.MapHeight};
}

std::string CheckSave(const FakeDialogs& d, const Before& b, int command) {
    const bool glyphs = command <= Command::SaveIbm, map = command == Command::SaveCharacterMap;
    const int count = std::array{768, 1024, 2048, 0, 0}[command - Command::SaveZx];
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

// The charset and the map are kept only for what can read or write files: a command or a drop.
Before Snapshot(Editor& editor, const FakeDialogs& dialogs, bool work = false) {
    const EditorState& s = editor.state();
    return {work ? s.charset : Charset{}, work ? s.map : CharMap{}, s.selection,
            dialogs.messages.size(), dialogs.answers.size()};
}

std::array<const Pixel*, 3> Surfaces(Editor& e) {
    return {e.charsetCanvas().surface().data(), e.glyphCanvas().surface().data(),
            e.mapCanvas().surface().data()};
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
        return "popup cell outside the map";
    if (s.drag.DragState != 0 &&
        (s.drag.DragState != 1 || s.drag.DragSource < 0 || s.drag.DragSource > 255))
        return "drag state " + std::to_string(s.drag.DragState);
    if (quits != x.quits) return "quit " + std::to_string(quits) + " times";
    const std::string title = e.mainWindow().title();
    if (title != s.WindowTitle + " " + StatusText(c.CurrentChar) &&
        (x.titleShowsStatus || title != s.WindowTitle))
        return "main window title \"" + title + "\"";
    const std::string labels =
        (e.beginRangeLabel().text() + "|" + e.endRangeLabel().text()).toStdString();
    if (labels != "BeginRange:" + RangePositionText(e.beginRangeTrackBar().value()) +
                      "|End range:" + RangePositionText(e.endRangeTrackBar().value()) &&
        (x.rangeLabelsWritten || labels != "Begin range:0|End range:0"))
        return "range labels \"" + labels + "\"";
    if (e.mainMenu().checked(Command::DragModeSwap) == e.mainMenu().checked(Command::DragModeCopy))
        return "drag mode marks not exactly one";
    if (e.mapScrollArea().contentSize() !=
        (x.mapSizeSet ? QSize(16 * s.map.MapWidth, 16 * s.map.MapHeight) : QSize(522, 394)))
        return "map scroll content is not the map's size";
    if (e.mapWindow().isVisible() != x.mapShown)
        return x.mapShown ? "map window hidden" : "map window shown";
    if (Surfaces(e) != x.surfaces || e.charsetCanvas().surface().width() != 256 ||
        e.glyphCanvas().surface().width() != 128 || e.mapCanvas().surface().height() != 800)
        return "a canvas picture moved or changed size";
    return {};
}

// Pointer feedback on the map canvas, which is compared where the outline was and is.
constexpr unsigned kMapPointer = 1u << 3;
constexpr unsigned kAllViews = 1u << CharsetCanvas | 1u << GlyphCanvas | 1u << MapCanvas;

// What each canvas is drawn from.
struct ViewSources {
    std::tuple<Charset, Palette, int, int> charset;
    std::tuple<std::string, Palette> glyph;
    std::tuple<Charset, Palette, decltype(CharMap::cells), int, int, std::optional<Cell>> map;
};

// A canvas compared whole costs far more than an event, the map's most of all. Each is compared
// when what it is drawn from changed, or when the pointer or a key acted on it (its mouse
// feedback); `touched` holds those canvases as bits, all of them at start-up and at the end.
std::string CheckViews(Editor& editor, Feedback& feedback, unsigned touched) {
    const EditorState& s = editor.state();
    const std::uint8_t* glyph = GlyphAt(s.charset, s.selection.CurrentChar);
    // Compared where they stand, and copied only when they changed: they are 20 KB an event.
    const auto charset = std::tie(s.charset, s.palette, s.selection.CurrentChar, s.drag.DragState);
    const auto glyphSource = std::tuple(std::string(glyph, glyph + kGlyphBytes), s.palette);
    const auto map =
        std::tie(s.charset, s.palette, s.map.cells, s.map.MapWidth, s.map.MapHeight, s.TextCursor);
    static std::optional<ViewSources> checked;
    if (!checked || checked->charset != charset) touched |= 1u << CharsetCanvas;
    // The picture itself follows the glyphs and colours only, not the selection or a drag.
    if (!checked || std::get<0>(checked->charset) != s.charset ||
        std::get<1>(checked->charset) != s.palette)
        RenderCharsetImage(fresh.charset, s.charset, s.palette);
    if (!checked || checked->glyph != glyphSource) touched |= 1u << GlyphCanvas;
    if (!checked || checked->map != map) {
        touched |= 1u << MapCanvas;
        RenderCharMapImage(fresh.map, s.map, s.charset, s.palette);
        if (s.TextCursor) DrawMapTextCursor(fresh.map, *s.TextCursor);
    }
    if (!checked) checked.emplace();
    if (touched & 1u << CharsetCanvas) checked->charset = charset;
    if (touched & 1u << GlyphCanvas) checked->glyph = glyphSource;
    if (touched & 1u << MapCanvas) checked->map = map;
    if (touched & 1u << CharsetCanvas) {
        if (!Same(fresh.charset, s.CharsetImage)) return "CharsetImage does not show the charset";
        ComposeCharsetCanvas(fresh.frame, s.CharsetImage, s.selection);
        const Image& shown = editor.charsetCanvas().surface();
        if (Same(shown, fresh.frame)) feedback.charsetFrame = Feedback::Frame::None;
        if (feedback.charsetFrame == Feedback::Frame::Hover)
            ShowCharsetHover(fresh.frame, s.CharsetImage, s.selection, feedback.x, feedback.y);
        if (feedback.charsetFrame == Feedback::Frame::Drag)
            ShowDragPreview(fresh.frame, s.CharsetImage, s.selection, {1, feedback.dragSource, 0},
                            feedback.x, feedback.y);
        if (!Same(shown, fresh.frame))
            return "charset canvas is neither the picture with the cursor nor the last mouse frame";
    }
    if (touched & 1u << GlyphCanvas) {
        RenderGlyphImage(fresh.glyph, glyph, s.palette);
        if (!Same(fresh.glyph, editor.glyphCanvas().surface())) return "glyph canvas is stale";
        if (editor.glyphDataField().toPlainText().toStdString() != GlyphDataText(glyph))
            return "data field is stale";
    }
    if (!(touched & (1u << MapCanvas | kMapPointer))) return {};
    return CheckMapCanvas(editor.mapCanvas().surface(), s, feedback, touched & 1u << MapCanvas);
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
    const int kind = open ? dialogs.answers.back().filterIndex : event.control;
    model::Glyphs glyphs = before.charset;
    model::Cells cells = CellsOf(before.map);
    const std::optional<model::Bytes> file = model::ReadRegularFile(name);
    if (file && !file->empty() && kind == (open ? 0 : CharsetCanvas))
        glyphs = model::LoadGlyphs(glyphs, before.selection.CurrentChar, *file);
    if (file && kind == (open ? 1 : MapCanvas)) cells = model::LoadMap(cells, *file);
    if (editor.state().charset != glyphs) return "the charset differs from the model";
    return editor.state().map.cells == cells.cell ? "" : "the map differs from the model";
}

// The input read as a stream of choices; past its end every read gives 0, so any input
// decodes to something.
struct ByteSource {
    const std::uint8_t* data;
    std::size_t size, at = 0;
    bool empty() const { return at >= size; }
    int byte() { return empty() ? 0 : data[at++]; }
    int u16() { return byte() | byte() << 8; }  // either order serves
    std::int32_t u32() {
        return static_cast<std::int32_t>(u16() | static_cast<unsigned>(u16()) << 16);
    }
    int below(int n) { return (n <= 256 ? byte() : u16()) % n; }  // n from 1 to 65536
};

// A temporary folder with the files a run makes, and the names that drops and file dialogs
// hand the editor: a new file, one made before, two names joined by a line feed, the folder,
// a folder named as a glyph file, a missing name, a name a later save makes, or a blank one.
class Scratch {
  public:
    testing::TempFolder temp;
    const std::string folder = temp.path();

    void clear() {
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            std::filesystem::remove_all(entry);
        made_.clear();
    }

    std::string pick(ByteSource& in, bool save) {
        const int kind = in.below(12);
        if (kind < 4 || (kind == 4 && made_.empty())) return make(in);
        if (kind == 4) return made_[in.below(static_cast<int>(made_.size()))];
        if (kind == 5) {
            const std::string first = make(in);
            return first + "\n" + make(in);
        }
        // Saved to, the folder's name without its slash would name a file beside it.
        if (kind == 6) return in.below(2) && !save ? folder : folder + "/";
        const std::string name = folder + "/f" + std::to_string(made_.size());
        // A folder where a file is wanted; a save may already have made a file of that name.
        std::error_code taken;
        if (kind == 7) std::filesystem::create_directory(name + ".fnt", taken);
        if (kind == 7) return name + ".fnt";
        if (kind == 8) return folder + "/missing/f";
        if (kind == 9) return made_.emplace_back(name + ".map");
        if (kind == 10) return name + ".fnt";
        return (save ? folder + "/" : "") +
               std::string(in.below(4), ' ');  // saved blank, in the folder
    }

  private:
    // Of a length the formats know (give or take a byte) or any, its content straight from
    // the input or, to keep inputs short, from a generator it seeds.
    std::string make(ByteSource& in) {
        static const char* const kExtensions[] = {".fnt", ".map", ".FNT", "", ".bmp", " .map"};
        static const int kSizes[] = {0, 768, 960, 1024, 1920, 2048, 4000, 8};
        const int pick = in.below(8);
        const int size =
            pick == 0 ? in.below(8) * 8 : kSizes[pick] + in.below(pick == 7 ? 4097 : 3) - 1;
        const bool raw = in.below(4) == 0;
        std::uint32_t state = raw ? 0 : static_cast<std::uint32_t>(in.u32()) | 1;
        model::Bytes content(std::max(size, 0));
        for (std::uint8_t& c : content) {
            state ^= state << 13, state ^= state >> 17, state ^= state << 5;
            c = static_cast<std::uint8_t>(raw ? in.byte() : state >> 24);
        }
        const std::string name =
            folder + "/f" + std::to_string(made_.size()) + kExtensions[in.below(6)];
        testing::WriteBytes(name, content);
        return made_.emplace_back(name);
    }

    std::vector<std::string> made_;
};

// A pointer coordinate along a canvas side: mostly inside, often on its edges and border,
// sometimes far outside, negative or at the ends of int.
int Coordinate(ByteSource& in, int extent) {
    static const int kEdges[] = {-17, -16, -15,     -2,      -1,           0,
                                 15,  16,  INT_MIN, INT_MAX, INT_MIN + 15, INT_MAX - 15};
    const int pick = in.below(8);
    if (pick < 3) return in.below(extent);
    if (pick == 3) return in.below(2) ? kEdges[in.below(12)] : extent + in.below(20) - 4;
    if (pick == 4) return -in.below(64);
    if (pick == 5) return extent + in.below(64) - 8;
    return pick == 6 ? in.u32() : static_cast<std::int16_t>(in.u16());
}

int Key(ByteSource& in) {
    static const int kKeys[] = {37, 38, 39, 40, 45, 46, 27, 13, 9, 32, 65, 0};
    const int pick = in.below(4);
    return pick < 2 ? kKeys[in.below(12)] : pick == 2 ? in.byte() : in.u32();
}

// An event as its record: kind, window, control, command, type, x, y, buttons, key, Control, text.
std::string Describe(const Event& e) {
    std::string text = "event ";
    for (int v : {int(e.kind), e.window, e.control, e.command, int(e.type), e.MouseX, e.MouseY,
                  e.Buttons, e.Key, int(e.Control)})
        text += std::to_string(v) + " ";
    return text + "\"" + e.text + "\"";
}

// One editor for the whole process, brought back to its start-up state for every run: making
// its windows costs far more than a run's events.
struct Session {
    Scratch scratch;
    FakeDialogs dialogs;
    int quits = 0;
    std::unique_ptr<Editor> editor;
};
std::unique_ptr<Session> session;

Session& Current() {
    if (session) {
        session->editor->reset();
        session->scratch.clear();
        // What an earlier run copied must not reach this one's pastes.
        QGuiApplication::clipboard()->clear();
        return *session;
    }
    session = std::make_unique<Session>();
    Editor::Options options;
    options.currentDirectory = session->scratch.folder;
    options.quit = [] { ++session->quits; };
    session->editor = std::make_unique<Editor>(session->dialogs, options);
    session->editor->start();
    // Ended at exit before what Qt set up for the windows, and the QApplication of a fuzz
    // target, go: those were made before.
    std::atexit(EndSession);
    return *session;
}

class EventRun {
  public:
    EventRun(const std::uint8_t* data, std::size_t size) : in_{data, size} {}

    RunReport run() {
        s_.dialogs = FakeDialogs{}, s_.quits = 0;
        s_.dialogs.next = [this](bool save) {
            if (in_.below(6) == 0) return Dialogs::FileChoice{};
            const std::string name = s_.scratch.pick(in_, save);
            return Dialogs::FileChoice{name, in_.below(8) ? in_.below(2) : std::int8_t(in_.byte())};
        };
        Menu::SetPopupAnswer([this](const QMenu& menu) { return answerPopup(menu); });
        expected_.surfaces = Surfaces(*s_.editor);
        check(Snapshot(*s_.editor, s_.dialogs), Event{}, "start-up");
        while (!done() && !in_.empty())
            step();
        // Whatever an event drew where no later check looked is found here.
        if (report_.failure.empty()) report_.failure = CheckViews(*s_.editor, feedback_, kAllViews);
        Menu::SetPopupAnswer(nullptr);
        s_.dialogs.next = nullptr;
        return report_;
    }

  private:
    bool done() const { return !report_.failure.empty() || s_.quits > 0 || report_.events >= 400; }

    using T = CanvasEventType;

    void step() {
        static const int kCanvases[3][4] = {
            {CharsetCanvas, 256, 256, 2}, {GlyphCanvas, 128, 128, 0}, {MapCanvas, 1280, 800, 0}};
        const int pick = in_.below(16);
        const int* c = kCanvases[in_.below(3)];
        Event e;
        if (pick < 4) {  // a canvas event of any kind, anywhere
            const auto type = static_cast<T>(in_.below(static_cast<int>(T::None) + 1));
            const int x = Coordinate(in_, c[1]), y = Coordinate(in_, c[2]), buttons = in_.below(8);
            e = CanvasEvent(c[0], type, x, y, buttons,
                            type == T::KeyUp || type == T::KeyDown ? Key(in_) : 0);
            e.Control = in_.below(4) == 0;  // Control with the left button picks on the map
            if (type == T::KeyDown) e.text = QString(QChar(in_.u16())).toStdString();
        } else if (pick < 6) {
            return gesture(c);
        } else if (pick == 6) {
            e = CanvasEvent(CharsetCanvas, T::KeyUp, 0, 0, 0, Key(in_));
        } else if (pick < 10) {
            // Every command, and some beyond.
            e.kind = EventKind::MenuCommand, e.command = in_.below(64);
            if (e.command >= Command::ExportAssembler && e.command <= Command::ExportPrg &&
                in_.below(2)) {
                s_.dialogs.exportAnswers = {
                    {ExportWhat(in_.below(3)), ExportFormat(in_.below(3)), Directive(in_.below(4)),
                     ValueStyle(in_.below(3)), in_.below(2) ? -1 : in_.u16(),
                     std::string(2, char(in_.byte())).substr(0, in_.below(3))}};
            }
        } else if (pick == 10) {  // mostly the map window; closing the main one ends the run
            e.kind = EventKind::WindowClose, e.window = in_.below(8) ? MapWindow : MainWindow;
        } else if (pick == 11) {
            e.kind = EventKind::FilesDropped, e.control = c[0];
            e.text = s_.scratch.pick(in_, false);
        } else if (pick == 12) {  // any control event, as a control that is not there might send
            e.control = static_cast<std::int8_t>(in_.byte());
            e.type = static_cast<T>(in_.below(static_cast<int>(T::None) + 1));
        } else {
            return widgets(pick);
        }
        send(e);
    }

    // A click or a drag as a canvas reports it: the pointer comes in, the button goes down,
    // the pointer moves with it held, the button comes up, and a release on the control clicks.
    void gesture(const int* c) {
        const bool left = in_.below(4) != 0;
        const int held = left ? kLeftButton : kRightButton, moves = in_.below(4);
        const int x0 = Coordinate(in_, c[1]), y0 = Coordinate(in_, c[2]);
        const int x1 = Coordinate(in_, c[1]), y1 = Coordinate(in_, c[2]);
        send(CanvasEvent(c[0], T::MouseEnter, x0, y0));
        send(CanvasEvent(c[0], T::MouseMove, x0, y0));
        send(CanvasEvent(c[0], left ? T::LeftButtonDown : T::RightButtonDown, x0, y0, held));
        for (long long i = 1; i <= moves; ++i)
            send(CanvasEvent(c[0], T::MouseMove, static_cast<int>(x0 + (x1 - 0LL - x0) * i / moves),
                             static_cast<int>(y0 + (y1 - 0LL - y0) * i / moves), held));
        send(CanvasEvent(c[0], left ? T::LeftButtonUp : T::RightButtonUp, x1, y1));
        if (x1 >= -c[3] && x1 < c[1] + c[3] && y1 >= -c[3] && y1 < c[2] + c[3])
            send(CanvasEvent(c[0], left ? T::LeftClick : T::RightClick, x1, y1));
    }

    // The shift buttons, the range box and track bars through their widgets, which report every
    // change; or the loop idling, which repaints.
    void widgets(int pick) {
        const Before before = Snapshot(*s_.editor, s_.dialogs);
        const int which = in_.below(4), position = in_.byte();
        QSlider& bar = which ? s_.editor->endRangeTrackBar() : s_.editor->beginRangeTrackBar();
        if (pick == 13) s_.editor->shiftButton(ShiftLeftButton + which).click();
        if (pick == 14 && which < 2) expected_.rangeLabelsWritten |= bar.value() != position;
        if (pick == 14 && which < 2) bar.setValue(position);
        if (pick == 14 && which >= 2) s_.editor->rangeCheckBox().toggle();
        if (pick == 15) QCoreApplication::processEvents();
        check(before, Event{}, "a widget");
    }

    std::optional<int> answerPopup(const QMenu& menu) {
        std::vector<int> ids;
        for (const QAction* action : menu.actions())
            if (action->data().isValid()) ids.push_back(action->data().toInt());
        const int pick = in_.below(static_cast<int>(ids.size()) + 1);  // 0 dismisses it
        if (pick == 0) return std::nullopt;
        expected_.rangeLabelsWritten |=
            ids[pick - 1] == Command::SetBeginRange || ids[pick - 1] == Command::SetEndRange;
        return ids[pick - 1];
    }

    void send(const Event& e) {
        if (done()) return;
        const Before before =
            Snapshot(*s_.editor, s_.dialogs,
                     e.kind == EventKind::MenuCommand || e.kind == EventKind::FilesDropped);
        s_.editor->dispatch(e);
        feedback_.note(e, s_.editor->state());
        s_.dialogs.exportAnswers.clear();
        expected_.titleShowsStatus |=
            s_.editor->state().selection.CurrentChar != before.selection.CurrentChar;
        const int id = e.kind == EventKind::MenuCommand ? e.command : -1;
        expected_.rangeLabelsWritten |= id == Command::SetBeginRange || id == Command::SetEndRange;
        if ((id >= Command::MapZx && id <= Command::MapUssr) || id == Command::MapC64)
            expected_.mapSizeSet = expected_.mapShown = true;
        if (e.kind == EventKind::WindowClose && e.window == MapWindow) expected_.mapShown = false;
        if (id == Command::Quit || (e.kind == EventKind::WindowClose && e.window == MainWindow))
            expected_.quits = 1;
        check(before, e);
    }

    // `what` names what acted when it was no event.
    void check(const Before& before, const Event& e, const char* what = nullptr) {
        ++report_.events;
        // The canvas the event acted on; at start-up, all three.
        const bool onCanvas =
            e.kind == EventKind::ControlEvent && e.control >= 0 && e.control <= MapCanvas;
        const unsigned touched = report_.events == 1      ? kAllViews
                                 : !onCanvas              ? 0u
                                 : e.control == MapCanvas ? kMapPointer
                                                          : 1u << e.control;
        for (const std::string& fault : {CheckState(*s_.editor, expected_, s_.quits),
                                         CheckViews(*s_.editor, feedback_, touched),
                                         CheckFiles(*s_.editor, s_.dialogs, before, e)})
            if (report_.failure.empty() && !fault.empty())
                report_.failure = fault + ", after " + (what ? what : Describe(e));
    }

    ByteSource in_;
    Session& s_ = Current();
    Expected expected_;
    Feedback feedback_;
    RunReport report_;
};

}  // namespace

RunReport RunEventBytes(const std::uint8_t* data, std::size_t size) {
    static const std::uint8_t kNothing = 0;
    return EventRun(data ? data : &kNothing, size).run();
}

void EndSession() {
    session.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace pixlore::fuzz
