#include "fuzz/driver/event_run.h"

#include <QApplication>
#include <algorithm>
#include <climits>
#include <deque>
#include <filesystem>
#include <fstream>

#include "app/ids.h"
#include "fuzz/driver/checks.h"

namespace pixlore::fuzz {
namespace {

// The input read as a stream of choices; past its end every read gives 0, so any input
// decodes to something.
class ByteSource {
  public:
    ByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    int byte() { return empty() ? 0 : data_[at_++]; }
    int u16() {
        const int low = byte();
        return low | byte() << 8;
    }
    std::int32_t u32() {
        const int low = u16();
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(u16()) << 16 | low);
    }
    int below(int n) { return (n <= 256 ? byte() : u16()) % n; }  // n from 1 to 65536

  private:
    const std::uint8_t* data_;
    std::size_t size_, at_ = 0;
};

// A temporary folder with the files a run makes, and the names that drops and file dialogs
// hand the editor: a new file, one made before, two names joined by a line feed, the folder,
// a folder named as a glyph file, a missing name, a name a later save makes, or a blank one.
class Scratch {
  public:
    std::string folder;

    Scratch() {
        std::string pattern = std::filesystem::temp_directory_path() / "pixlore-fuzz-XXXXXX";
        if (mkdtemp(pattern.data())) folder = pattern;
    }
    ~Scratch() {
        std::error_code ignored;
        if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
    }
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
        if (kind == 7) std::filesystem::create_directory(name + ".fnt");
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
        std::string content(std::max(size, 0), '\0');
        for (char& c : content) {
            state ^= state << 13, state ^= state >> 17, state ^= state << 5;
            c = static_cast<char>(raw ? in.byte() : static_cast<int>(state >> 24));
        }
        const std::string name =
            folder + "/f" + std::to_string(made_.size()) + kExtensions[in.below(6)];
        std::ofstream(name, std::ios::binary) << content;
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

std::string Describe(const Event& e) {
    return "kind " + std::to_string(static_cast<int>(e.kind)) + " window " +
           std::to_string(e.window) + " control " + std::to_string(e.control) + " command " +
           std::to_string(e.command) + " type " + std::to_string(static_cast<int>(e.type)) +
           " at " + std::to_string(e.MouseX) + "," + std::to_string(e.MouseY) + " buttons " +
           std::to_string(e.Buttons) + " key " + std::to_string(e.Key) + " \"" + e.text + "\"";
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
        return *session;
    }
    session = std::make_unique<Session>();
    std::atexit(EndSession);  // before the QApplication of a fuzz target goes
    Editor::Options options;
    options.currentDirectory = session->scratch.folder;
    options.quit = [] { ++session->quits; };
    session->editor = std::make_unique<Editor>(session->dialogs, options);
    session->editor->start();
    return *session;
}

class EventRun {
  public:
    EventRun(const std::uint8_t* data, std::size_t size) : in_(data, size) {}

    RunReport run(const std::vector<Event>* events) {
        s_.dialogs = FakeDialogs{};
        s_.quits = 0;
        if (!events)
            s_.dialogs.next = [this](bool save) {
                Dialogs::FileChoice choice;
                if (in_.below(6) == 0) return choice;
                choice.name = s_.scratch.pick(in_, save);
                choice.filterIndex =
                    in_.below(8) ? in_.below(2) : static_cast<std::int8_t>(in_.byte());
                return choice;
            };
        Menu::SetPopupAnswer([this](const QMenu& menu) { return answerPopup(menu); });
        expected_.surfaces = {editor().charsetCanvas().surface().data(),
                              editor().glyphCanvas().surface().data(),
                              editor().mapCanvas().surface().data()};
        check(Snapshot(editor(), s_.dialogs), Event{}, "start-up");
        for (std::size_t i = 0; events && i < events->size(); ++i)
            send((*events)[i]);
        while (!events && !done() && !in_.empty())
            step();
        Menu::SetPopupAnswer(nullptr);
        s_.dialogs.next = nullptr;
        report_.recent.assign(recent_.begin(), recent_.end());
        return report_;
    }

  private:
    bool done() const { return !report_.failure.empty() || s_.quits > 0 || report_.events >= 400; }

    void step() {
        using T = CanvasEventType;
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
        } else if (pick < 6) {
            return gesture(c);
        } else if (pick == 6) {
            e = CanvasEvent(CharsetCanvas, T::KeyUp, 0, 0, 0, Key(in_));
        } else if (pick < 10) {
            e.kind = EventKind::MenuCommand;
            e.command = in_.below(64);  // every command, and some beyond
            if (e.command >= Command::ExportAssembler && e.command <= Command::ExportPrg &&
                in_.below(2)) {
                ExportSettings s{static_cast<ExportWhat>(in_.below(3)),
                                 static_cast<ExportFormat>(in_.below(3)),
                                 static_cast<Directive>(in_.below(4)),
                                 static_cast<ValueStyle>(in_.below(3)),
                                 -1,
                                 {}};
                s.loadAddress = in_.below(2) ? -1 : in_.u16();
                s.label = std::string(2, static_cast<char>(in_.byte()));
                s.label.resize(in_.below(3));
                s_.dialogs.exportAnswers = {s};
            }
        } else if (pick == 10) {  // mostly the map window; closing the main one ends the run
            e.kind = EventKind::WindowClose;
            e.window = in_.below(8) ? MapWindow : MainWindow;
        } else if (pick == 11) {
            e.kind = EventKind::FilesDropped;
            e.control = c[0];
            e.text = s_.scratch.pick(in_, false);
        } else if (pick == 12) {  // a control event of any number, as a control that is not there
                                  // might send
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
        using T = CanvasEventType;
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
        const Before before = Snapshot(editor(), s_.dialogs);
        const int which = in_.below(4), position = in_.byte();
        QSlider& bar = which ? editor().endRangeTrackBar() : editor().beginRangeTrackBar();
        if (pick == 13) editor().shiftButton(ShiftLeftButton + which).click();
        if (pick == 14 && which < 2) expected_.rangeLabelsWritten |= bar.value() != position;
        if (pick == 14 && which < 2) bar.setValue(position);
        if (pick == 14 && which >= 2) editor().rangeCheckBox().toggle();
        if (pick == 15) QCoreApplication::processEvents();
        check(before, Event{},
              "widget " + std::to_string(pick) + " " + std::to_string(which) + " " +
                  std::to_string(position));
    }

    std::optional<int> answerPopup(const QMenu& menu) {
        std::vector<int> ids;
        for (const QAction* action : menu.actions())
            if (action->data().isValid()) ids.push_back(action->data().toInt());
        const int pick = in_.below(static_cast<int>(ids.size()) + 1);  // 0 dismisses it
        if (pick == 0) return std::nullopt;
        recent_.push_back("  popup answers " + std::to_string(ids[pick - 1]));
        expected_.rangeLabelsWritten |=
            ids[pick - 1] == Command::SetBeginRange || ids[pick - 1] == Command::SetEndRange;
        return ids[pick - 1];
    }

    void send(const Event& e) {
        if (done()) return;
        const Before before = Snapshot(editor(), s_.dialogs);
        editor().dispatch(e);
        feedback_.note(e, editor().state());
        s_.dialogs.exportAnswers.clear();
        const Selection& now = editor().state().selection;
        expected_.titleShowsStatus |= now.CurrentColumn != before.selection.CurrentColumn ||
                                      now.CurrentRow != before.selection.CurrentRow;
        const int id = e.kind == EventKind::MenuCommand ? e.command : -1;
        expected_.rangeLabelsWritten |= id == Command::SetBeginRange || id == Command::SetEndRange;
        if ((id >= Command::MapZx && id <= Command::MapUssr) || id == Command::MapC64)
            expected_.mapSizeSet = expected_.mapShown = true;
        if (e.kind == EventKind::WindowClose && e.window == MapWindow) expected_.mapShown = false;
        if (id == Command::Quit || (e.kind == EventKind::WindowClose && e.window == MainWindow))
            expected_.quits = 1;
        check(before, e, Describe(e));
    }

    void check(const Before& before, const Event& e, const std::string& what) {
        ++report_.events;
        recent_.push_back(what);
        while (recent_.size() > 12)
            recent_.pop_front();
        for (const std::string& fault :
             {CheckState(editor(), expected_, s_.quits), CheckViews(editor(), feedback_),
              CheckFiles(editor(), s_.dialogs, before, e)})
            if (report_.failure.empty()) report_.failure = fault;
    }

    Editor& editor() { return *s_.editor; }

    ByteSource in_;
    Session& s_ = Current();
    Expected expected_;
    Feedback feedback_;
    RunReport report_;
    std::deque<std::string> recent_;
};

}  // namespace

RunReport RunEventBytes(const std::uint8_t* data, std::size_t size) {
    static const std::uint8_t kNothing = 0;
    return EventRun(data ? data : &kNothing, size).run(nullptr);
}

RunReport RunEvents(const std::vector<Event>& events) {
    return EventRun(nullptr, 0).run(&events);
}

void EndSession() {
    session.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace pixlore::fuzz
