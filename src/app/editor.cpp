#include "app/editor.h"

#include <QApplication>
#include <QSignalBlocker>

#include "app/ids.h"
#include "app/menu_layout.h"
#include "charmap/charmap.h"
#include "views/glyph_view.h"
#include "views/map_view.h"

namespace pixlore {
namespace {

constexpr int kMainClientWidth = 640;
constexpr int kMainClientHeight = 480;
constexpr int kMapClientWidth = 512 + 10;
constexpr int kMapClientHeight = 384 + 10;
constexpr char kMapTitle[] = "Character map";

void AddHistoryShortcuts(QWidget* window, const EventSink& sink) {
    AddShortcut(window, QKeySequence(Qt::CTRL | Qt::Key_Z), Command::Undo, sink);
    AddShortcut(window, QKeySequence(Qt::CTRL | Qt::Key_Y), Command::Redo, sink);
    AddShortcut(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), Command::Redo, sink);
}

std::string WithTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

Editor::Editor(Dialogs& dialogs, Options options)
    : dialogs_(dialogs), options_(std::move(options)) {}

Editor::~Editor() {
    if (escapeFilter_) qApp->removeEventFilter(escapeFilter_.get());
}

void Editor::start() {
    state_.LastDirectory = WithTrailingSlash(options_.currentDirectory);

    auto sink = [this](const Event& e) { dispatch(e); };
    mainWindow_ = std::make_unique<Window>(MainWindow, state_.WindowTitle, kMainClientWidth,
                                           kMainClientHeight, sink);
    mainWindow_->centreOnScreen();
    mainWindow_->show();
    createMainWindowControls();
    state_.charset.fill(0);
    if (options_.arguments.size() == 1) LoadGlyphFile(options_.arguments.front());
    RenderCharset();
    createGlyphControls();
    RenderGlyph();
    CreateMenus();
    InitCharMap(state_.map);
    openMapWindow();

    escapeFilter_ = std::make_unique<EscapeFilter>(
        std::vector<QWidget*>{mainWindow_.get(), mapWindow_.get()}, [this] { QuitProgram(); });
    qApp->installEventFilter(escapeFilter_.get());
    charsetCanvas_->setFocus();
    startRecovery();
    // The history starts from the work as start-up left it, the command-line file included.
    history_ = History{};
    committed_ = document();
    updateHistoryItems();
}

void Editor::reset() {
    quitting_ = false;
    endTyping();
    // Copied over rather than made anew: the pictures keep their memory.
    static const EditorState fresh;
    state_ = fresh;
    state_.LastDirectory = WithTrailingSlash(options_.currentDirectory);
    mainWindow_->setTitle(state_.WindowTitle);
    for (QSlider* trackBar : {beginTrackBar_, endTrackBar_}) {
        const QSignalBlocker quiet(trackBar);
        trackBar->setValue(0);
    }
    SetText(beginLabel_, "Begin range:0");
    SetText(endLabel_, "End range:0");
    {
        const QSignalBlocker quiet(rangeCheckBox_);
        rangeCheckBox_->setChecked(false);
    }
    if (options_.arguments.size() == 1) LoadGlyphFile(options_.arguments.front());
    mainMenu_.setChecked(Command::DragModeSwap, true);
    mainMenu_.setChecked(Command::DragModeCopy, false);
    setTextCodes(TextCodes::Windows1252);
    InitCharMap(state_.map);
    mapScrollArea_->setContentSize(kMapClientWidth, kMapClientHeight);
    mapWindow_->setTitle(kMapTitle);
    mapWindow_->hide();
    mapWindow_->setWindowState(Qt::WindowNoState);
    mapWindow_->resize(kMapClientWidth, kMapClientHeight);
    mapWindow_->move(mainWindow_->pos() + QPoint(40, 40));
    // Blank, as a new map canvas is until the map is first shown.
    if (const Rect drawn = mapDisplay_.drawnArea(); !drawn.empty()) {
        FillRect(mapCanvas_->surface(), drawn.x, drawn.y, drawn.w, drawn.h, kWhite);
        mapCanvas_->present({drawn});
    }
    // The canvases are drawn afresh, not from what the displays remember of the last session;
    // the map only once it is shown, as at start-up.
    charsetDisplay_ = CharsetDisplay{};
    glyphDisplay_ = GlyphDisplay{};
    mapDisplay_ = MapDisplay{};
    RefreshViews();
    state_.MapAvailable = true;
    charsetCanvas_->setFocus();
    mapPickPress_ = typedNow_ = typedRunOpen_ = false;
    recoveryWriter_.reset();
    recoveryStore_.reset();
    workChanged_ = false;
    startRecovery();
    history_ = History{};
    committed_ = document();
    updateHistoryItems();
}

void Editor::createMainWindowControls() {
    QWidget* client = mainWindow_->client();
    auto sink = [this](const Event& e) { dispatch(e); };
    Canvas::Options canvas;
    canvas.control = CharsetCanvas;
    canvas.width = canvas.height = kCharsetImageSize;
    canvas.sunkenBorder = true;
    canvas.takesFocus = true;
    canvas.acceptsDrops = true;
    canvas.initial = kBlack;
    charsetCanvas_ = new Canvas(canvas, sink, client);
    charsetCanvas_->move(0, 0);
    beginLabel_ = MakeLabel(client, {20, 260, 255, 20}, "Begin range:0");
    beginTrackBar_ = MakeTrackBar(client, BeginRangeTrackBar, {20, 280, 255, 30}, sink);
    endLabel_ = MakeLabel(client, {20, 310, 255, 20}, "End range:0");
    endTrackBar_ = MakeTrackBar(client, EndRangeTrackBar, {20, 330, 255, 30}, sink);
    rangeCheckBox_ = MakeCheckBox(client, RangeCheckBox, {0, 310, 20, 20}, "Enable range", sink);
    for (QWidget* w : std::initializer_list<QWidget*>{charsetCanvas_, beginLabel_, beginTrackBar_,
                                                      endLabel_, endTrackBar_, rangeCheckBox_})
        w->show();
}

void Editor::createGlyphControls() {
    QWidget* client = mainWindow_->client();
    auto sink = [this](const Event& e) { dispatch(e); };
    shiftButtons_[0] =
        MakePushButton(client, ShiftLeftButton, {262, 128, 32, 20}, "<", "shift left", sink);
    shiftButtons_[2] =
        MakePushButton(client, ShiftUpButton, {294, 128, 32, 20}, "^", "shift up", sink);
    shiftButtons_[3] =
        MakePushButton(client, ShiftDownButton, {326, 128, 32, 20}, "v", "shift down", sink);
    shiftButtons_[1] =
        MakePushButton(client, ShiftRightButton, {358, 128, 32, 20}, ">", "shift right", sink);
    dataField_ = MakeTextField(client, {262, 148, 128, 40}, "Data for char");
    Canvas::Options canvas;
    canvas.control = GlyphCanvas;
    canvas.width = canvas.height = kGlyphViewSize;
    canvas.initial = kBlack;
    glyphCanvas_ = new Canvas(canvas, sink, client);
    glyphCanvas_->move(262, 0);
    for (QWidget* w : shiftButtons_)
        w->show();
    dataField_->show();
    glyphCanvas_->show();
}

QPushButton& Editor::shiftButton(int control) {
    return *shiftButtons_[control - ShiftLeftButton];
}

void Editor::CreateMenus() {
    auto sink = [this](const Event& e) { dispatch(e); };
    mainMenu_ = Menu::MenuBar(mainWindow_.get(), MainMenuLayout(), sink);
    mainMenu_.setChecked(Command::DragModeSwap, true);
    mainMenu_.setChecked(Command::DragModeCopy, false);
    setTextCodes(TextCodes::Windows1252);
    AddShortcut(mainWindow_.get(), QKeySequence(Qt::CTRL | Qt::Key_I), Command::Invert, sink);
    AddShortcut(mainWindow_.get(), QKeySequence(Qt::CTRL | Qt::Key_O), Command::Open, sink);
    // A text field with something selected copies and pastes that itself.
    AddShortcut(mainWindow_.get(), QKeySequence(Qt::CTRL | Qt::Key_C), Command::Copy, sink, true);
    AddShortcut(mainWindow_.get(), QKeySequence(Qt::CTRL | Qt::Key_V), Command::Paste, sink, true);
    AddHistoryShortcuts(mainWindow_.get(), sink);
    charsetPopup_ = Menu::Popup(mainWindow_.get(), CharsetPopupLayout());
    mapPopup_ = Menu::Popup(mainWindow_.get(), MapPopupLayout());
}

void Editor::openMapWindow() {
    auto sink = [this](const Event& e) { dispatch(e); };
    // A large map need not only be scrolled: the window opens at its usual size and place, and
    // the user may resize or maximise it, the scroll area following.
    mapWindow_ = std::make_unique<Window>(MapWindow, kMapTitle, kMapClientWidth, kMapClientHeight,
                                          sink, Window::Frame::Resizable);
    mapWindow_->move(mainWindow_->pos() + QPoint(40, 40));
    mapScrollArea_ = new ScrollArea(mapWindow_->client(), {0, 0, kMapClientWidth, kMapClientHeight},
                                    kMapClientWidth, kMapClientHeight, 16);
    FillParent(mapScrollArea_);
    Canvas::Options canvas;
    canvas.control = MapCanvas;
    canvas.width = kMapCanvasWidth;
    canvas.height = kMapCanvasHeight;
    canvas.acceptsDrops = true;
    canvas.initial = kWhite;
    mapCanvas_ = new Canvas(canvas, sink, mapScrollArea_->content());
    mapCanvas_->move(0, 0);
    // Map edits are undone where they are made.
    AddHistoryShortcuts(mapWindow_.get(), sink);
    AddShortcut(mapWindow_.get(), QKeySequence(Qt::CTRL | Qt::Key_C), Command::CopyMap, sink);
    state_.MapAvailable = true;
}

void Editor::QuitProgram() {
    if (quitting_) return;
    quitting_ = true;
    saveSessionAtQuit();
    if (options_.quit) options_.quit();
}

}  // namespace pixlore
