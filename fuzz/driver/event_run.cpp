#include "fuzz/driver/event_run.h"

#include <QApplication>
#include <climits>
#include <deque>
#include <memory>

#include "app/editor.h"
#include "app/ids.h"
#include "fuzz/driver/byte_source.h"
#include "fuzz/driver/file_checks.h"
#include "fuzz/driver/invariants.h"
#include "fuzz/driver/scratch_files.h"
#include "fuzz/driver/scripted_dialogs.h"
#include "fuzz/driver/view_check.h"

namespace pixlore::fuzz {
namespace {

constexpr int kMaxEvents = 400;
constexpr std::size_t kRecent = 12;
constexpr int kCommandIds = 46;  // 0 .. 45: every command the menus have, and some to come

struct CanvasShape {
    int control;
    int width;
    int height;
    int border;
};
constexpr CanvasShape kCanvases[] = {
    {CharsetCanvas, 256, 256, 2}, {GlyphCanvas, 128, 128, 0}, {MapCanvas, 1280, 800, 0}};

const char* const kTypeNames[] = {
    "LeftButtonDown",   "LeftButtonUp",   "LeftClick", "RightButtonDown", "RightClick",
    "MouseMove",        "MouseEnter",     "KeyUp",     "MouseLeave",      "RightButtonUp",
    "MiddleButtonDown", "MiddleButtonUp", "Wheel",     "KeyDown",         "None"};
constexpr int kTypeCount = sizeof kTypeNames / sizeof kTypeNames[0];

// A pointer coordinate along a canvas side of `extent` pixels: mostly inside, often on the
// edges and the border, sometimes far outside, negative or at the ends of the integers.
int Coordinate(ByteSource& in, int extent) {
    switch (in.below(8)) {
        case 0:
        case 1:
        case 2:
            return in.below(extent);
        case 3: {
            const int edges[] = {-17,        -16,        -15,          -2,          -1,
                                 0,          15,         16,           extent - 1,  extent,
                                 extent + 1, extent + 3, extent + 4,   extent + 15, extent + 16,
                                 INT_MIN,    INT_MAX,    INT_MIN + 15, INT_MAX - 15};
            return edges[in.below(sizeof edges / sizeof edges[0])];
        }
        case 4:
            return -in.below(64);
        case 5:
            return extent + in.below(64) - 8;
        case 6:
            return static_cast<std::int32_t>(in.u32());
        default:
            return static_cast<std::int16_t>(in.u16());
    }
}

int KeyCode(ByteSource& in) {
    static const int kKeys[] = {37, 38, 39, 40, 45, 46, 27, 13, 9, 32, 65, 0};
    switch (in.below(4)) {
        case 0:
        case 1:
            return kKeys[in.below(sizeof kKeys / sizeof kKeys[0])];
        case 2:
            return in.byte();
        default:
            return static_cast<std::int32_t>(in.u32());
    }
}

// Unsets the popup answer however the run ends.
struct PopupAnswerScope {
    explicit PopupAnswerScope(Menu::PopupAnswer answer) { Menu::SetPopupAnswer(std::move(answer)); }
    ~PopupAnswerScope() { Menu::SetPopupAnswer(nullptr); }
};

class EventRun {
  public:
    EventRun(const std::uint8_t* data, std::size_t size) : in_(data, size), dialogs_(in_, files_) {}

    // Hands the editor the events the input decodes to, or the given ones.
    RunReport run(const std::vector<Event>* events = nullptr);

  private:
    bool done() const {
        return !report_.failure.empty() || stopped_ || report_.events >= kMaxEvents;
    }
    void step();
    void canvasEvent();
    void gesture();
    void keyRelease();
    void command();
    void windowClose();
    void drop();
    void otherControl();
    void rangeControl();
    void idle();

    // Dispatches one event and checks everything after it.
    void send(const Event& event);
    // Checks everything after an action; `event` is what was dispatched, when the run sent it.
    void checkAfter(const FileSnapshot& before, const Event* event, const std::string& what);
    void fail(const std::string& fault) { report_.failure = fault; }
    std::optional<int> answerPopup(const QMenu& menu);

    ByteSource in_;
    ScratchFiles files_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<Editor> editor_;
    std::unique_ptr<Surfaces> surfaces_;
    Feedback feedback_;
    Expected expected_;
    int quits_ = 0;
    bool stopped_ = false;
    RunReport report_;
    std::deque<std::string> recent_;
};

RunReport EventRun::run(const std::vector<Event>* events) {
    if (files_.folder().empty()) {
        fail("no temporary folder");
        return report_;
    }
    PopupAnswerScope popups([this](const QMenu& menu) { return answerPopup(menu); });
    Editor::Options options;
    options.currentDirectory = files_.folder();
    options.quit = [this] { ++quits_; };
    editor_ = std::make_unique<Editor>(dialogs_, options);
    editor_->start();
    surfaces_ = std::make_unique<Surfaces>(*editor_);
    const FileSnapshot start = TakeSnapshot(*editor_, dialogs_);
    checkAfter(start, nullptr, "start-up");
    if (events)
        for (const Event& event : *events)
            send(event);
    else
        while (!done() && !in_.empty())
            step();
    editor_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    report_.recent.assign(recent_.begin(), recent_.end());
    return report_;
}

void EventRun::step() {
    switch (in_.below(16)) {
        case 0:
        case 1:
        case 2:
        case 3:
            return canvasEvent();
        case 4:
        case 5:
            return gesture();
        case 6:
            return keyRelease();
        case 7:
        case 8:
        case 9:
            return command();
        case 10:
            return windowClose();
        case 11:
            return drop();
        case 12:
            return otherControl();
        case 13:
            return rangeControl();
        default:
            return idle();
    }
}

void EventRun::canvasEvent() {
    const CanvasShape& c = kCanvases[in_.below(3)];
    const auto type = static_cast<CanvasEventType>(in_.below(kTypeCount));
    const int x = Coordinate(in_, c.width);
    const int y = Coordinate(in_, c.height);
    const int buttons = in_.below(8);
    const bool key = type == CanvasEventType::KeyUp || type == CanvasEventType::KeyDown;
    send(CanvasEvent(c.control, type, x, y, buttons, key ? KeyCode(in_) : 0));
}

// A click or a drag as a canvas reports it: the pointer comes in, the button goes down, the
// pointer moves with it held, the button comes up, and a click follows when the release lies
// inside the control.
void EventRun::gesture() {
    const CanvasShape& c = kCanvases[in_.below(3)];
    const bool left = in_.below(4) != 0;
    const int held = left ? kLeftButton : kRightButton;
    const int x0 = Coordinate(in_, c.width), y0 = Coordinate(in_, c.height);
    const int x1 = Coordinate(in_, c.width), y1 = Coordinate(in_, c.height);
    const int moves = in_.below(4);
    send(CanvasEvent(c.control, CanvasEventType::MouseEnter, x0, y0, 0));
    send(CanvasEvent(c.control, CanvasEventType::MouseMove, x0, y0, 0));
    send(CanvasEvent(c.control,
                     left ? CanvasEventType::LeftButtonDown : CanvasEventType::RightButtonDown, x0,
                     y0, held));
    for (int i = 1; i <= moves && !done(); ++i) {
        const auto along = [&](int a, int b) {
            return static_cast<int>(a + (static_cast<long long>(b) - a) * i / moves);
        };
        send(
            CanvasEvent(c.control, CanvasEventType::MouseMove, along(x0, x1), along(y0, y1), held));
    }
    send(CanvasEvent(c.control,
                     left ? CanvasEventType::LeftButtonUp : CanvasEventType::RightButtonUp, x1, y1,
                     0));
    const bool inside =
        x1 >= -c.border && x1 < c.width + c.border && y1 >= -c.border && y1 < c.height + c.border;
    if (inside)
        send(CanvasEvent(c.control, left ? CanvasEventType::LeftClick : CanvasEventType::RightClick,
                         x1, y1, 0));
}

void EventRun::keyRelease() {
    send(CanvasEvent(CharsetCanvas, CanvasEventType::KeyUp, 0, 0, 0, KeyCode(in_)));
}

void EventRun::command() {
    Event e;
    e.kind = EventKind::MenuCommand;
    e.command = in_.below(kCommandIds);
    send(e);
}

void EventRun::windowClose() {
    Event e;
    e.kind = EventKind::WindowClose;
    // Mostly the map window; closing the main window ends the run.
    e.window = in_.below(8) == 0 ? MainWindow : MapWindow;
    send(e);
}

void EventRun::drop() {
    Event e;
    e.kind = EventKind::FilesDropped;
    const int pick = in_.below(8);
    e.control = pick < 4 ? CharsetCanvas : pick < 7 ? MapCanvas : GlyphCanvas;
    e.text = files_.pickName(in_);
    send(e);
}

// The shift buttons as the user clicks them, and control events of any number, as a control
// that does not exist might report them.
void EventRun::otherControl() {
    const FileSnapshot before = TakeSnapshot(*editor_, dialogs_);
    if (in_.flag()) {
        const int button = ShiftLeftButton + in_.below(4);
        editor_->shiftButton(button).click();
        checkAfter(before, nullptr, "click on shift button " + std::to_string(button));
        return;
    }
    Event e;
    e.kind = EventKind::ControlEvent;
    e.control = static_cast<std::int8_t>(in_.byte());
    e.type = static_cast<CanvasEventType>(in_.below(kTypeCount));
    send(e);
}

// The track bars and the range check box, moved through the widgets, which report every
// change of their own.
void EventRun::rangeControl() {
    const FileSnapshot before = TakeSnapshot(*editor_, dialogs_);
    const int pick = in_.below(3);
    if (pick == 2) {
        editor_->rangeCheckBox().toggle();
        return checkAfter(before, nullptr, "range check box toggled");
    }
    QSlider& trackBar = pick == 0 ? editor_->beginRangeTrackBar() : editor_->endRangeTrackBar();
    const int position = in_.byte();
    if (trackBar.value() != position) expected_.rangeLabelsWritten = true;
    trackBar.setValue(position);
    checkAfter(
        before, nullptr,
        (pick == 0 ? "begin" : "end") + std::string(" track bar to ") + std::to_string(position));
}

// The loop idles: whatever the toolkit has pending, repaints of the canvases above all.
void EventRun::idle() {
    const FileSnapshot before = TakeSnapshot(*editor_, dialogs_);
    QCoreApplication::processEvents();
    checkAfter(before, nullptr, "idle");
}

std::optional<int> EventRun::answerPopup(const QMenu& menu) {
    std::vector<int> ids;
    for (const QAction* action : menu.actions())
        if (action->data().isValid()) ids.push_back(action->data().toInt());
    // 0, also past the end of the input, dismisses the popup.
    const int pick = in_.below(static_cast<int>(ids.size()) + 1);
    if (pick == 0) return std::nullopt;
    const int id = ids[pick - 1];
    recent_.push_back("  popup answers " + std::to_string(id));
    if (id == Command::SetBeginRange || id == Command::SetEndRange)
        expected_.rangeLabelsWritten = true;
    return id;
}

void EventRun::send(const Event& event) {
    if (done()) return;
    const FileSnapshot before = TakeSnapshot(*editor_, dialogs_);
    const Selection selection = editor_->state().selection;
    editor_->dispatch(event);
    feedback_.note(event, editor_->state());
    const Selection& now = editor_->state().selection;
    if (now.CurrentChar != selection.CurrentChar || now.CurrentColumn != selection.CurrentColumn ||
        now.CurrentRow != selection.CurrentRow)
        expected_.titleShowsStatus = true;
    if (event.kind == EventKind::MenuCommand) {
        const int id = event.command;
        if (id == Command::SetBeginRange || id == Command::SetEndRange)
            expected_.rangeLabelsWritten = true;
        if (id >= Command::MapZx && id <= Command::MapUssr)
            expected_.mapSizeSet = expected_.mapShown = true;
        if (id == Command::Quit) expected_.quits = 1;
    }
    if (event.kind == EventKind::WindowClose) {
        if (event.window == MapWindow) expected_.mapShown = false;
        if (event.window == MainWindow) expected_.quits = 1;
    }
    checkAfter(before, &event, Describe(event));
}

void EventRun::checkAfter(const FileSnapshot& before, const Event* event, const std::string& what) {
    ++report_.events;
    recent_.push_back(what);
    while (recent_.size() > kRecent)
        recent_.pop_front();
    // Popup commands arrive inside the click that opened the popup.
    for (const std::string& fault :
         {CheckState(*editor_, expected_, *surfaces_, quits_),
          CheckMessageTitles(dialogs_.messages, before.messages), CheckViews(*editor_, feedback_)})
        if (!fault.empty()) return fail(fault);
    if (event && event->kind == EventKind::FilesDropped)
        if (std::string fault = CheckDrop(*editor_, before, *event); !fault.empty())
            return fail(fault);
    if (event && event->kind == EventKind::MenuCommand)
        if (std::string fault = CheckFileCommand(*editor_, dialogs_, before, event->command);
            !fault.empty())
            return fail(fault);
    if (quits_ > 0) stopped_ = true;
}

}  // namespace

RunReport RunEventBytes(const std::uint8_t* data, std::size_t size) {
    return EventRun(data, size).run();
}

RunReport RunEvents(const std::vector<Event>& events) {
    return EventRun(nullptr, 0).run(&events);
}

std::string Describe(const Event& event) {
    switch (event.kind) {
        case EventKind::FilesDropped:
            return "FilesDropped " + std::to_string(event.control) + " \"" + event.text + "\"";
        case EventKind::MenuCommand:
            return "MenuCommand " + std::to_string(event.command);
        case EventKind::WindowClose:
            return "WindowClose " + std::to_string(event.window);
        case EventKind::ControlEvent:
            break;
    }
    const int type = static_cast<int>(event.type);
    std::string text = "ControlEvent " + std::to_string(event.control) + " " +
                       (type >= 0 && type < kTypeCount ? kTypeNames[type] : "?") + " (" +
                       std::to_string(event.MouseX) + "," + std::to_string(event.MouseY) +
                       ") buttons " + std::to_string(event.Buttons);
    if (event.Key != 0) text += " key " + std::to_string(event.Key);
    return text;
}

}  // namespace pixlore::fuzz
