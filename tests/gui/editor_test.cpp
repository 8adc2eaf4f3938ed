// The editor as its user works it. Each row is a script of steps in a fresh editor, then what
// the editor shows afterwards; the steps and what can be looked at are listed in Scene. Then
// random event sequences, with the editor checked after every event.
#include <QApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <random>

#include "app/editor.h"
#include "app/ids.h"
#include "core/temp_folder.h"
#include "formats/picture_import.h"
#include "formats/png_encode.h"
#include "formats/prg.h"
#include "formats/psf.h"
#include "fuzz/driver/event_run.h"
#include "gui/fake_dialogs.h"
#include "platform/clipboard.h"
#include "views/charset_view.h"
#include "views/map_view.h"

using namespace pixlore;

namespace {

using Bytes = std::vector<std::uint8_t>;

template <class... Values>
std::string Format(const char* format, Values... values) {
    return QString::asprintf(format, values...).toStdString();
}

// One editor for every row, started on scene.fnt in a temporary folder and reset before each:
// glyph 65 is 80C0603102000F01, glyph 66 0102040810204080, the rest empty; 65 is selected. The
// folder shows as "~".
struct Shared {
    testing::TempFolder folder, recovery;
    FakeDialogs dialogs;
    int quits = 0;
    std::unique_ptr<Editor> editor;
};
std::unique_ptr<Shared> shared;

std::unique_ptr<Editor> Start(const QStringList& arguments) {
    Editor::Options options;
    for (const QString& a : arguments)
        options.arguments.push_back(shared->folder / a.toStdString());
    options.currentDirectory = shared->folder.path();
    options.quit = [] { ++shared->quits; };
    options.recoveryFolder = shared->recovery.path();
    // Written at quit only: a write in the background would race with the rows.
    options.recoveryTiming = {std::chrono::seconds(60), std::chrono::seconds(60)};
    auto editor = std::make_unique<Editor>(shared->dialogs, options);
    editor->start();
    return editor;
}

class Scene {
    Shared& s_ = shared ? *shared : *(shared = std::make_unique<Shared>());
    std::unique_ptr<Editor> own;

  public:
    Editor* editor = s_.editor.get();
    QPoint popupAt;
    QWidget* clicked = nullptr;  // the canvas of the last canvas event

    Scene() {
        for (const auto* f : {&s_.folder, &s_.recovery})
            for (const auto& entry : std::filesystem::directory_iterator(f->path()))
                std::filesystem::remove_all(entry);
        Bytes scene(2048), psf = EncodePsf1(Charset{});
        std::copy_n("\x80\xC0\x60\x31\x02\x00\x0F\x01\x01\x02\x04\x08\x10\x20\x40\x80", 16,
                    scene.begin() + 65 * 8);
        psf[4 + 65 * 8] = 0xAA;
        Image picture(128, 128);
        FillRect(picture, 8, 32, 8, 1, kWhite);  // row 0 of glyph 65
        const std::pair<const char*, Bytes> files[] = {
            {"scene.fnt", scene},
            {"eight.fnt", Bytes(8, 0xFF)},
            {"cells.map", {0xFF, 0xFF}},
            {"big.map", Bytes(961)},
            {"empty.fnt", {}},
            {"font.psf", psf},
            {"small.png", EncodePng(picture)},
            {"g.prg", EncodePrg(0x3000, Bytes(scene.begin() + 528, scene.begin() + 656))}};
        for (const auto& [name, bytes] : files)
            testing::WriteBytes(s_.folder / name, bytes);
        if (editor) editor->reset();
        if (!editor) editor = (s_.editor = Start({"scene.fnt"})).get();
        s_.dialogs = FakeDialogs{}, s_.quits = 0;
        editor->dispatch(CanvasEvent(CharsetCanvas, CanvasEventType::LeftClick, 24, 72));
        show(*editor);
    }
    ~Scene() { Menu::SetPopupAnswer(nullptr); }

    // Names the controls and makes the main window the active one.
    bool show(Editor& e) {
        widget("map area");
        e.mainWindow().activateWindow();
        return QTest::qWaitForWindowActive(&e.mainWindow());
    }

    // Steps: "start NAME..." starts afresh with those arguments; "A > B > C" chooses an item
    // of the menu bar; "charset|glyph|map TYPE x,y [buttons [key]]" is a canvas event, its type
    // L, R or M with d(own), u(p) or c(lick), or mv, en(ter), lv (leave), ku, kd (keys), wh(eel);
    // "button TEXT" clicks a shift button, "bars BEGIN END" moves the track bars, "range on"
    // ticks the box; "popup [ITEM]" and "real popup [ITEM]" choose in the next popup menu, or
    // dismiss it, the first answering for the toolkit; "focus NAME" and "key main|map KEYS"
    // act on a window; "type TEXT" types on the map ("_" a space); "resize W H" and "close
    // main|map" the windows; "fresh" quits and starts again; "open NAME FILTER", "save NAME",
    // "export WHAT FORMAT ADDRESS LABEL" answer the next dialogs; "drop CANVAS NAME..." drops
    // files from the desktop.
    bool step(const QString& step) {
        QStringList w = step.split(' ');
        const QString rest = step.section(' ', 1);
        const std::map<QString, int> canvases = {
            {"charset", CharsetCanvas}, {"glyph", GlyphCanvas}, {"map", MapCanvas}};
        if (w[0] == "start" && !show(*(editor = (own = Start(w.mid(1))).get())))
            return false;  // an editor of its own, with other arguments
        if (step.contains(" > ")) {
            QList<QAction*> actions = editor->mainMenu().menuBar()->actions();
            for (const QString& text : step.split(" > "))
                for (QAction* a : std::exchange(actions, {}))
                    if (a->text().section('\t', 0, 0) == text)
                        actions = a->menu() ? a->menu()->actions() : QList{a};
            return actions.size() == 1 && (actions[0]->trigger(), true);
        }
        if (canvases.count(w[0])) {
            clicked = widget(w[0] + " canvas");
            static const QStringList kTypes = {"Ld", "Lu", "Lc", "Rd", "Rc", "mv", "en",
                                               "ku", "lv", "Ru", "Md", "Mu", "wh", "kd"};
            const QStringList xy = w.value(2).split(',');
            Event e =
                CanvasEvent(canvases.at(w[0]), static_cast<CanvasEventType>(kTypes.indexOf(w[1])),
                            xy[0].toInt(), xy[1].toInt(), w.value(3).toInt(), w.value(4).toInt());
            e.Control = w.value(5) == "ctrl";
            editor->dispatch(e);
            return kTypes.contains(w[1]);
        }
        if (w[0] == "button")
            for (int control = ShiftLeftButton; control <= ShiftDownButton; ++control)
                if (editor->shiftButton(control).text() == rest)
                    QTest::mouseClick(&editor->shiftButton(control), Qt::LeftButton);
        if (w[0] == "bars")
            editor->beginRangeTrackBar().setValue(w[1].toInt()),
                editor->endRangeTrackBar().setValue(w[2].toInt());
        if (w[0] == "range") QTest::mouseClick(&editor->rangeCheckBox(), Qt::LeftButton);
        if (w[0] == "popup")
            Menu::SetPopupAnswer([rest](const QMenu& menu) -> std::optional<int> {
                for (const QAction* a : menu.actions())
                    if (!a->isSeparator() && a->text() == rest) return a->data().toInt();
                return std::nullopt;
            });
        if (w[0] == "real")  // no answer is set: each row starts without one
            QTimer::singleShot(50, [this, item = step.section(' ', 2)] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                popupAt = menu ? menu->pos() : QPoint();
                for (QAction* a : menu ? menu->actions() : QList<QAction*>{})
                    if (!a->isSeparator() && a->text() == item) {
                        // The pointer must travel there.
                        const QPoint at = menu->actionGeometry(a).center();
                        QTest::mouseMove(menu, at + QPoint(0, 1));
                        QTest::mouseMove(menu, at);
                        return QTest::mouseClick(menu, Qt::LeftButton, {}, at);
                    }
                if (menu) menu->close();
            });
        if (w[0] == "focus") widget(rest)->setFocus();
        if (w[0] == "key") {
            Window& window = w[1] == "main" ? editor->mainWindow() : editor->mapWindow();
            window.activateWindow();
            if (!QTest::qWaitForWindowActive(&window)) return false;
            QTest::keySequence(window.windowHandle(), QKeySequence(w[2]));
        }
        for (const QChar c : w[0] == "type" ? rest : QString()) {
            Event e = CanvasEvent(MapCanvas, CanvasEventType::KeyDown, 0, 0);
            e.text = QString(c == '_' ? ' ' : c).toStdString();
            editor->dispatch(e);
        }
        if (w[0] == "fresh") editor->QuitProgram(), editor->reset();
        if (w[0] == "resize")
            editor->mapWindow().resize(w[1].toInt(), w[2].toInt()), QTest::qWait(50);
        if (w[0] == "close") (w[1] == "main" ? editor->mainWindow() : editor->mapWindow()).close();
        if (w[0] == "open" || w[0] == "save")
            s_.dialogs.fileAnswers.push_back({s_.folder / w[1].toStdString(), w.value(2).toInt()});
        if (w[0] == "export")
            s_.dialogs.exportAnswers.push_back(
                ExportSettings{.what = ExportWhat(QStringList{"range", "all", "map"}.indexOf(w[1])),
                               .format = ExportFormat(QStringList{"asm", "c", "prg"}.indexOf(w[2])),
                               .loadAddress = w[3].toInt(nullptr, 16),
                               .label = w.value(4).toStdString()});
        if (w[0] == "drop") {
            QMimeData mime;
            QList<QUrl> urls;
            for (const QString& n : w.mid(2))
                urls << QUrl::fromLocalFile(QString::fromStdString(s_.folder / n.toStdString()));
            mime.setUrls(urls);
            QDragEnterEvent enter({8, 8}, Qt::CopyAction, &mime, Qt::LeftButton, {});
            QDropEvent drop(QPointF(8, 8), Qt::CopyAction, &mime, Qt::LeftButton, {});
            QApplication::sendEvent(widget(w[1] + " canvas"), &enter);
            if (enter.isAccepted()) QApplication::sendEvent(widget(w[1] + " canvas"), &drop);
        }
        return true;
    }

    // What the editor shows: "glyph N" its bytes, "char" the current character, "title" and
    // "map title" the windows' titles, "cell x,y", "popup at" where the last
    // popup menu stood on its canvas, "map" its size and window, "range" its bars and labels,
    // "palette", "charset" the machine whose glyphs it starts with, "drag" the mode, "messages",
    // "asked" the dialogs put up, "file NAME" its size and start, "head NAME" its first lines,
    // "folder" the last one, "steps" of the history, "quits", and "focus"; "greyed" items of Edit,
    // "clipboard [LOW HIGH]", "picture NAME", "scroll" bars, text "cursor", "codes", "pixel X Y",
    // "at NAME" where a control stands.
    QString probe(const QString& what) {
        const EditorState& s = editor->state();
        const std::string kind = what.section(' ', 0, 0).toStdString(),
                          arg = what.section(' ', 1).toStdString();
        std::string out;
        auto add = [&out](const std::string& part, const char* separator = " / ") {
            out += (out.empty() ? "" : separator) + part;
        };
        // The numbers in arg: a glyph's code, a cell's x,y, a range's codes, a pixel's x y.
        const int x = std::atoi(arg.c_str()),
                  y = std::atoi(arg.c_str() + arg.find_first_of(", ") + 1);
        const std::string path = arg.empty() ? arg : s_.folder / arg;
        const Bytes file = testing::ReadBytes(path);
        const std::uint8_t* bytes = kind == "file" ? file.data() : GlyphAt(s.charset, x);
        const int count = kind == "glyph" ? 8 : kind == "file" ? std::min<int>(file.size(), 8) : 0;
        for (int i = 0; i < count; ++i)
            out += Format("%02X", bytes[i]);
        if (kind == "file")
            out = std::filesystem::exists(path) ? Format("%d bytes ", int(file.size())) + out
                                                : "missing";
        if (kind == "head")
            out = std::string(file.begin(), std::find(std::find(file.begin(), file.end(), '\n') + 1,
                                                      file.end(), '\n'));
        std::replace(out.begin(), out.end(), '\n', '|');
        if (kind == "char") out = std::to_string(s.selection.CurrentChar);
        if (kind == "title") out = editor->mainWindow().title();
        if (what == "map title") out = editor->mapWindow().title();
        if (kind == "cell") out = std::to_string(s.map.at(x, y));
        const QPoint at = popupAt - (clicked ? clicked->mapToGlobal(QPoint()) : QPoint());
        if (what == "popup at") out = Format("%d,%d", at.x(), at.y());
        const auto& area = editor->mapScrollArea();
        if (what == "map")
            out = Format("%dx%d %s %dx%d", s.map.MapWidth, s.map.MapHeight,
                         editor->mapWindow().isVisible() ? "shown" : "hidden",
                         area.contentSize().width(), area.contentSize().height());
        if (kind == "range")
            out = (QString::asprintf("%d %d ", editor->beginRangeTrackBar().value(),
                                     editor->endRangeTrackBar().value()) +
                   editor->beginRangeLabel().text() + "|" + editor->endRangeLabel().text())
                      .toStdString();
        if (kind == "palette") out = Format("%06X/%06X", s.palette.InkColor, s.palette.PaperColor);
        for (const auto& reference :
             std::filesystem::directory_iterator(PIXLORE_TEST_DATA "/reference-charsets"))
            if (const Bytes t = testing::ReadBytes(reference.path());
                kind == "charset" && t.size() > 8 &&
                std::equal(t.begin(), t.end(), s.charset.begin()))
                out = reference.path().filename();
        if (kind == "drag")
            out = std::string(editor->mainMenu().checked(Command::DragModeSwap) ? "swap" : "") +
                  (editor->mainMenu().checked(Command::DragModeCopy) ? "copy" : "");
        for (const auto& m :
             kind == "messages" ? s_.dialogs.messages : std::vector<FakeDialogs::Message>{})
            add(m.title + "|" + m.text);
        for (const auto& r :
             kind == "asked" ? s_.dialogs.requests : std::vector<FakeDialogs::Request>{})
            add(r.kind + "|" + r.title + "|" + r.folder + "|" + r.filters);
        if (kind == "folder") out = s.LastDirectory;
        if (kind == "steps") out = std::to_string(editor->history().size());
        if (kind == "quits") out = std::to_string(s_.quits);
        if (kind == "focus" && QApplication::focusWidget())
            out = QApplication::focusWidget()->objectName().toStdString();
        for (QAction* a : kind == "greyed"
                              ? editor->mainMenu().menuBar()->actions()[1]->menu()->actions()
                              : QList<QAction*>{})
            if (!a->isEnabled()) add(a->text().section('\t', 0, 0).toStdString(), " ");
        const ClipboardForms clip = ReadClipboard();
        const std::string text = clip.text.value_or("");
        if (kind == "clipboard")  // its text's first line and lines, our own bytes, what it shows
            out =
                text.substr(0, text.find('\n')) +
                Format(" (%d lines)", int(std::count(text.begin(), text.end(), '\n'))) +
                (clip.ownBytes ? " and our own bytes" : "") +
                (!clip.picture                                                 ? ""
                 : clip.picture == MapPicture(s.map, s.charset, s.palette)     ? " and the map"
                 : clip.picture == GlyphsPicture(s.charset, s.palette, {x, y}) ? " and the glyphs"
                                                                               : " and a picture");
        if (kind == "pixel")  // of the map canvas
            out = Format("%06X", editor->mapCanvas().surface().colourAt(x, y) & 0xFFFFFF);
        const auto picture = DecodePicture(file);
        if (kind == "picture")  // or why it could not be read
            out = picture.value == MapPicture(s.map, s.charset, s.palette) ? "the map"
                                                                           : picture.reason;
        const bool gap =
            editor->mapWindow().isVisible() && area.geometry() != area.parentWidget()->rect();
        if (kind == "scroll")  // the bars shown, and the area filling the window shown
            out = Format("%d %d%s", area.horizontalScrollBar()->isVisible(),
                         area.verticalScrollBar()->isVisible(), gap ? " not filling" : "");
        const QRect g = kind == "at" ? widget(QString::fromStdString(arg))->geometry() : QRect();
        if (kind == "at") out = Format("%d,%d %dx%d", g.x(), g.y(), g.width(), g.height());
        if (kind == "cursor")
            out = s.TextCursor ? Format("%d,%d", s.TextCursor->x, s.TextCursor->y) : "none";
        for (int id = Command::TextCodesWindows1252; id <= Command::TextCodesMicrosha; ++id)
            if (kind == "codes" && editor->mainMenu().checked(id)) out = std::to_string(id);
        return QString::fromStdString(out).replace(QString::fromStdString(s_.folder.path()), "~");
    }

  private:
    QWidget* widget(const QString& name) {
        Editor& e = *editor;
        const std::map<QString, QWidget*> widgets = {
            {"charset canvas", &e.charsetCanvas()}, {"glyph canvas", &e.glyphCanvas()},
            {"map canvas", &e.mapCanvas()},         {"begin bar", &e.beginRangeTrackBar()},
            {"check box", &e.rangeCheckBox()},      {"data field", &e.glyphDataField()},
            {"map area", &e.mapScrollArea()}};
        for (const auto& [n, w] : widgets)
            w->setObjectName(n);
        return widgets.at(name);
    }
};

}  // namespace

class EditorTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanupTestCase() { shared.reset(), fuzz::EndSession(); }
    void editor_data();
    void editor() {
        QFETCH(QString, steps);
        QFETCH(QString, shows);
        Scene scene;
        for (const QString& step : steps.split("; ", Qt::SkipEmptyParts))
            QVERIFY2(scene.step(step), qPrintable(step));
        for (const QString& expected :
             shows.split(QRegularExpression("; (?=[a-z][a-z0-9 ,]*: )"))) {
            const QString what = expected.section(": ", 0, 0);
            QCOMPARE(what + ": " + scene.probe(what), expected);
        }
    }

    // The fuzz target's random event sequences with fixed seeds, and the inputs kept from its
    // runs (fuzz/corpus/editor_events/regression-*), so that every build looks again.
    void sequences_data() {
        QTest::addColumn<std::vector<std::uint8_t>>("bytes");
        for (int seed = 1; seed <= 24; ++seed) {
            std::mt19937 random(seed);
            Bytes bytes(1500);
            std::ranges::generate(bytes, [&] { return static_cast<std::uint8_t>(random()); });
            QTest::newRow(("seed " + std::to_string(seed)).c_str()) << bytes;
        }
        for (const auto& kept :
             std::filesystem::directory_iterator(PIXLORE_FUZZ_CORPUS "/editor_events"))
            if (kept.path().filename().string().starts_with("regression-"))
                QTest::newRow(kept.path().filename().c_str()) << testing::ReadBytes(kept.path());
    }
    void sequences() {
        QFETCH(std::vector<std::uint8_t>, bytes);
        const fuzz::RunReport report = fuzz::RunEventBytes(bytes.data(), bytes.size());
        QVERIFY2(report.failure.empty(), report.failure.c_str());
        QVERIFY(report.events > 1);
    }
};

void EditorTest::editor_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("shows");
    const auto row = [](const char* steps, const char* shows) {
        QTest::newRow(steps) << QString(steps) << QString(shows);
    };
    // Start-up.
    row("start",
        "title: pixlore v2 0.9b; char: 0; glyph 0: 0000000000000000; cell 39,23: 62; cell 80,50: "
        "130; map: 40x24 hidden 522x394; range: 0 0 Begin range:0|End range:0; palette: "
        "FFFFFF/000000; drag: swap; folder: ~/; focus: charset canvas; messages: ; steps: 0; "
        "greyed: Undo Redo; at charset canvas: 0,0 260x260; at glyph canvas: 262,0 128x128; at "
        "data field: 262,148 128x40");
    row("start gone.fnt", "glyph 65: 0000000000000000; messages: No file|~/gone.fnt");
    // Commands on the current glyph, or with the box ticked on the range whichever way round.
    row("Char > Invert", "glyph 65: 7F3F9FCEFDFFF0FE; glyph 66: 0102040810204080");
    row("Char > Revert char left-right", "glyph 65: 0103068C4000F080");
    row("Char > Revert char up-down", "glyph 65: 010F00023160C080");
    row("Char > Clear character", "glyph 65: 0000000000000000; glyph 66: 0102040810204080");
    row("button <", "glyph 65: 0181C06204001E02");
    row("button >", "glyph 65: 4060309801008780");
    row("button ^", "glyph 65: C0603102000F0180");
    row("button v", "glyph 65: 0180C0603102000F");
    row("Char > Erase all charset", "glyph 65: 0000000000000000; glyph 66: 0000000000000000");
    row("bars 70 66; range on; Char > Invert",
        "glyph 65: 80C0603102000F01; glyph 66: FEFDFBF7EFDFBF7F; glyph 70: FFFFFFFFFFFFFFFF; glyph "
        "71: 0000000000000000");
    row("bars 66 66; range on; button <; glyph Ld 24,8 1",
        "glyph 65: C0C0603102000F01; glyph 66: 0204081020408001");
    // The built-in charsets and their colours.
    row("Char > Charset > IBM PC CGA", "charset: ibm-pc-cga.bin; palette: FFFFFF/000000");
    row("Char > Charset > IBM PC 866", "charset: ibm-pc-866.bin; palette: FFFFFF/000000");
    row("Char > Charset > ZX Spectrum",
        "charset: zx-spectrum.bin; palette: 000000/CBCBCB; char: 65");
    row("Char > Charset > ZX80", "charset: zx80.bin; palette: 000000/FFFFFF");
    row("Char > Charset > Jupiter Ace", "charset: jupiter-ace.bin; palette: FFFFFF/000000");
    row("Char > Charset > C64 CAPS", "charset: c64-caps.bin; palette: EB6D70/9B2C2E");
    row("Char > Charset > Atari XL", "charset: atari-xl.bin; palette: FDAE61/9D4E01");
    row("Char > Charset > Microsha(USSR)", "charset: microsha.bin; palette: FFFFFF/000000");
    row("Char > Charset > C64 CAPS; Char > Charset > Hex numbers",
        "glyph 65: 00A4ACE4242E0000; palette: FFFFFF/000000");
    // Selection, range and dragging.
    row("charset Lc 255,255", "char: 255; title: pixlore v2 0.9b 255($FF)'\u00FF'");
    row("charset Lc 257,20; charset Lc 20,257", "char: 65; title: pixlore v2 0.9b 65($41)'A'");
    row("charset ku 0,0 0 39; charset ku 0,0 0 38", "char: 50; title: pixlore v2 0.9b 50($32)'2'");
    row("charset ku 0,0 0 37; charset ku 0,0 0 37; charset ku 0,0 0 40", "char: 80");
    row("start; charset ku 0,0 0 37; charset ku 0,0 0 38", "title: pixlore v2 0.9b; char: 0");
    row("charset ku 0,0 0 45",
        "glyph 65: 0000000000000000; glyph 66: 80C0603102000F01; glyph 67: 0102040810204080");
    row("charset ku 0,0 0 46", "glyph 65: 0102040810204080; glyph 66: 0000000000000000; char: 65");
    row("Char > Set begin range", "range: 65 0 BeginRange:65:A|End range:0");
    row("Char > Set end range; bars 255 65", "range: 255 65 BeginRange:255:\u00FF|End range:65:A");
    row("popup Set end range; charset Rc 168,72",
        "char: 74; range: 0 74 BeginRange:0|End range:74:J");
    row("bars 66 67; Char > Copy data range to current",
        "glyph 65: 0102040810204080; glyph 66: 0000000000000000");
    row("bars 70 60; Char > Copy data range to current",
        "messages: Pixlore|Range Error!; glyph 65: 80C0603102000F01");
    row("charset Ld 24,72 1; charset Lu 40,72; charset Lc 40,72",
        "glyph 65: 0102040810204080; glyph 66: 80C0603102000F01; char: 66; drag: swap");
    row("Char > Drag mode:copy; charset Ld 24,72 1; charset Lu 40,72",
        "glyph 65: 80C0603102000F01; glyph 66: 80C0603102000F01; drag: copy");
    // Painting the glyph: the left button sets, the right clears, moves paint with a button held.
    row("glyph Ld 37,100 1; glyph mv 120,8 1; glyph mv 24,24 2; glyph mv 5,40 0; glyph Lc 5,40; "
        "glyph Ld 128,8 1; glyph mv 8,-16 1",
        "glyph 65: 8180603102002F01; steps: 1");
    row("glyph Rd -15,-1 2", "glyph 65: 00C0603102000F01");
    // The map: sizes, filling, painting with the spare column and row, hovering, the popup.
    row("Char > Map > USSR 64x30; close map", "map: 64x30 hidden 1024x480; quits: 0");
    row("Char > Map > Fill map with current char",
        "cell 0,0: 65; cell 39,23: 65; cell 40,0: 40; cell 0,24: 24");
    row("Char > Map > ZX 32x24; map Ld 40,40 1; map mv 527,399 1; map mv 528,40 1",
        "cell 2,2: 65; cell 32,24: 65; cell 33,2: 35; map title: Character map (32,24):56");
    row("map mv 40,40 1", "cell 2,2: 65");
    row("map mv 47,20 0; map mv 660,20 0", "map title: Character map (2,1):3; cell 2,1: 3");
    row("popup Delete char; map Rc 80,48", "cell 5,3: 9; cell 5,4: 9");
    row("popup Insert row; map Rc 80,48", "cell 5,3: 0; cell 5,4: 8");
    row("popup Delete row; map Rc 80,48", "cell 5,3: 9; cell 6,3: 10");
    row("popup Insert column; map Rc 80,48", "cell 5,3: 0; cell 6,3: 8; cell 5,4: 0");
    row("popup Delete column; map Rc 80,48", "cell 5,3: 9; cell 5,4: 10");
    row("real popup Insert char; map Rc 80,48", "cell 5,3: 0; cell 6,3: 8; popup at: 79,47");
    row("real popup ; charset Rc 168,72",
        "char: 74; range: 0 0 Begin range:0|End range:0; popup at: 169,73");
    row("real popup ; charset Rc 2147483647,-2147483648", "char: 65; popup at: 259,-1");
    // Files: the dialogs, what they read and write, and the messages.
    row("open eight.fnt 0; File > Open...",
        "glyph 65: FFFFFFFFFFFFFFFF; folder: ~/; asked: open|Please choose file to load|~/|Font "
        "(*.fnt)|*.fnt|Character map (*.map)|*.map");
    row("open sub/gone.map 1; File > Open...; File > Open...",
        "folder: ~/sub/; messages: Open File|unable to open:~/sub/gone.map");
    row("drop charset eight.fnt", "glyph 65: FFFFFFFFFFFFFFFF; steps: 1");
    row("drop charset gone.fnt; drop charset empty.fnt; drop charset /dev/zero; drop charset "
        "eight.fnt cells.map",
        "messages: No file|~/gone.fnt / No file|~/empty.fnt / No file|/dev/zero / No "
        "file|~/eight.fnt\n~/cells.map; steps: 0");
    row("drop map gone.map; drop map big.map; drop map /dev/zero",
        "messages: Open File|unable to open:~/gone.map / Open File|to big map:~/big.map / Open "
        "File|unable to open:/dev/zero");
    row("save s; File > Save > ZX 96 chars(768bytes)",
        "file s.fnt: 768 bytes 80C0603102000F01; asked: save|Please choose file to save|~/|Font "
        "(*.fnt)|*.fnt");
    row("save m.txt; File > Save > Character_map",
        "file m.txt.map: 960 bytes 0001020304050607; asked: save|Please choose file to "
        "save|~/|Character map (*.map)|*.map");
    row("save p; File > Save > Characters image",
        "file p.bmp: 196662 bytes 424D360003000000; asked: save|Please choose file to "
        "save|~/|.bmp");
    row("save sub/p; File > Save > Characters image",
        "messages: Save file|File Error:~/sub/p.bmp; folder: ~/sub/");
    // Export and import.
    row("bars 66 65; export range asm -1 font; save f; File > Export > Assembler source...",
        "head f.s: font:|\t.byte $80, $C0, $60, $31, $02, $00, $0F, $01; asked: export||| / "
        "save|Please choose file to save|~/|Assembler source (*.s *.asm *.inc "
        "*.a65)|*.s;*.asm;*.inc;*.a65");
    row("export map c -1; save screen.h; File > Export > C source...",
        "head screen.h: /* character map, 40 x 24 cells */|#define SCREEN_COUNT 960");
    row("export all prg -1; save f; File > Export > C64 PRG...",
        "file f.prg: 2050 bytes 0020000000000000");
    row("export map prg ffff; File > Export > C64 PRG...",
        "messages: Save File|out of size; asked: export|||");
    row("save f; File > Export > PSF font...", "file f.psf: 2052 bytes 3604000800000000");
    row("open font.psf; File > Import > PSF font...",
        "glyph 65: 0000000000000000; glyph 130: AA00000000000000; steps: 1");
    row("open small.png; File > Import > Picture (BMP, PNG)...",
        "glyph 65: 0000000000000000; glyph 130: FF00000000000000; messages: Import|~/small.png "
        "holds 256 glyphs; from glyph 65 on only the first 191 fit");
    row("charset Lc 0,0; open small.png; File > Import > Picture (BMP, PNG)...",
        "glyph 65: FF00000000000000; glyph 66: 0000000000000000; messages: ");
    row("open gone.png; File > Import > Picture (BMP, PNG)...",
        "messages: Import|~/gone.png: there is no such file");
    // Undo and redo: a stroke, a command or a load is one step; nothing changed is none.
    row("glyph Ld 8,120 1; glyph Lu 8,120; glyph Ld 8,8 1; glyph mv 24,8 1; glyph mv 40,24 1; "
        "glyph Lu 40,24; Edit > Undo",
        "glyph 65: 80C0603102000F81; steps: 2");
    row("Char > Charset > C64 CAPS; Char > Erase all charset; Edit > Undo; Edit > Undo",
        "glyph 65: 80C0603102000F01; palette: FFFFFF/000000");
    row("Char > Invert; Edit > Undo; Char > Clear character; Edit > Redo; Edit > Redo",
        "glyph 65: 0000000000000000");
    row("charset Lc 40,40; charset ku 0,0 0 39; Char > Set begin range; Char > Map > PC 80x50; "
        "glyph Rd 100,100 2",
        "steps: 0");
    row("Char > Map > ZX 32x24; map Ld 8,8 1; map mv 520,8 1; key map Ctrl+Z",
        "cell 0,0: 0; cell 32,0: 32; map: 32x24 shown 512x384");
    // Keys: shortcuts act in their window whatever has the focus there; Escape ends the program.
    row("focus data field; key main Ctrl+I; key main Ctrl+Z; key main Ctrl+Y; key main Ctrl+Z; key "
        "main Ctrl+Shift+Z",
        "glyph 65: 7F3F9FCEFDFFF0FE; focus: data field");
    row("focus check box; open eight.fnt 0; key main Ctrl+O", "glyph 65: FFFFFFFFFFFFFFFF");
    row("Char > Map > ZX 32x24; key map Ctrl+I; key map Ctrl+O",
        "glyph 65: 80C0603102000F01; asked: ");
    row("key main Tab", "focus: begin bar");
    row("key main Tab; key main Shift+Tab", "focus: charset canvas");
    row("focus data field; key main Escape", "quits: 1");
    row("Char > Map > ZX 32x24; key map Escape", "quits: 1");
    row("close main", "quits: 1");
    row("File > Quit", "quits: 1");
    // The clipboard: glyphs go out as numbers, our own bytes and a picture and come back at the
    // current glyph; a text field with a selection copies that.
    row("bars 66 65; range on; Edit > Copy; range on; charset Lc 8,8; Edit > Paste",
        "clipboard 65 66: $80, $C0, $60, $31, $02, $00, $0F, $01 (2 lines) and our own bytes and "
        "the glyphs; glyph 0: 80C0603102000F01; glyph 1: 0102040810204080; steps: 1");
    row("focus data field; key main Ctrl+A; key main Ctrl+C",
        "clipboard: 128,192,96,49,2,0,15,1 (0 lines)");
    row("Edit > Copy; Char > Clear character; key main Ctrl+V; Edit > Undo",
        "glyph 65: 0000000000000000; steps: 2; greyed: ");
    row("Char > Map > ZX 32x24; key map Ctrl+C",
        "clipboard: $00, $01, $02, $03, $04, $05, $06, $07, $08, $09, $0A, $0B, $0C, $0D, $0E, "
        "$0F, $10, $11, $12, $13, $14, $15, $16, $17, $18, $19, $1A, $1B, $1C, $1D, $1E, $1F (24 "
        "lines) and the map");
    // Typing on the map from a cell of the popup: a run of keys is one step; a row's end goes
    // on in the next; the codes follow "Text codes"; a click on the map ends it.
    row("Char > Map > Atari/C64 40x24; popup Type text here; map Rc 600,48; type AB_e; map kd 0,0 "
        "0 8",
        "cursor: 0,4; cell 37,3: 65; cell 38,3: 66; cell 39,3: 32; cell 0,4: 32; steps: 1; pixel "
        "15 64: 7FFF00; at map area: 0,0 522x394");
    row("Char > Text codes > C64 screen codes; popup Type text here; map Rc 8,8; type @a_; Edit > "
        "Undo; Edit > Redo",
        "codes: 56; cell 0,0: 0; cell 1,0: 1; cell 2,0: 32; cursor: 3,0");
    row("Char > Text codes > ZX80/ZX81; popup Type text here; map Rc 8,8; type A0!; map Ld 40,40 1",
        "cell 0,0: 38; cell 1,0: 28; cell 2,0: 2; cursor: none; cell 2,2: 65");
    row("Char > Text codes > IBM PC 866; popup Type text here; map Rc 8,8; type Ёé",
        "cell 0,0: 240; cell 1,0: 1");
    // Typing from the spare column and row starts in the last ones, and stays on the last cell.
    row("popup Type text here; map Rc 648,392; type AB", "cell 39,23: 66; cursor: 39,23");
    // Picking from the map with the middle button or Control and the left one; a bigger window
    // shows more of a large map.
    row("map Md 50,40", "char: 5");
    row("map Ld 40,20 1 0 ctrl; map mv 70,70 1", "char: 3; cell 4,4: 8; steps: 0");
    row("Char > Map > C64 40x25", "map: 40x25 shown 640x400; scroll: 1 1");
    row("Char > Map > PC 80x50; resize 1320 600", "scroll: 0 1");
    // Undo and Redo are greyed when there is nothing to undo or redo.
    row("Char > Invert; Edit > Undo", "greyed: Undo");
    // Exports and imports of the new formats.
    row("save mp; File > Export > Map picture...", "picture mp.png: the map");
    row("charset Lc 255,255; open g.prg; File > Import > C64 PRG...",
        "glyph 255: 0102040810204080; messages: Import|~/g.prg holds 16 glyphs; from glyph 255 on "
        "only the first 1 fit");
    // A drag whose release the canvas never saw drops nothing with the next click.
    row("charset Ld 24,72 1; charset mv 40,72 0; charset Ld 40,72 1; charset Lu 40,72",
        "glyph 65: 80C0603102000F01; glyph 66: 0102040810204080");
    // Recovery: a session this editor's predecessor left comes back as one step; one that
    // changed nothing leaves nothing.
    row("fresh; File > Recover last session",
        "messages: Recover last session|No earlier session to recover");
    row("Char > Charset > C64 CAPS; Char > Map > PC 80x50; fresh; File > Recover last session",
        "charset: c64-caps.bin; map: 80x50 hidden 1280x800; steps: 1");
    // Everything left as it should not stay, and then the editor reset for the next row is one
    // just started.
    row("Char > Text codes > C64 screen codes; Char > Drag mode:copy; bars 3 9; range on; Char > "
        "Map > PC 80x50; resize 900 700; popup Type text here; map Rc 80,48; type ab; Char > "
        "Invert; focus data field",
        "codes: 56");
    row("",
        "title: pixlore v2 0.9b 65($41)'A'; char: 65; glyph 65: 80C0603102000F01; map: 40x24 "
        "hidden 522x394; map title: Character map; range: 0 0 Begin range:0|End range:0; drag: "
        "swap; codes: 54; cursor: none; steps: 0; focus: charset canvas; greyed: Undo Redo; "
        "scroll: 0 0; quits: 0; pixel 1279 799: FFFFFF");
}

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
