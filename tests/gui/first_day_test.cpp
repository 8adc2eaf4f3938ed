// What a new user missed on the first day: a map window that grows, picking codes from the
// map, greyed Undo and Redo, the data field's lines, and a PRG import that says what did not
// fit. Each row's result is compared whole, with what names the row in it.
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <fstream>
#include <numeric>

#include "app/ids.h"
#include "charset/selection.h"
#include "formats/prg.h"
#include "gui/support/editor_fixture.h"
#include "gui/support/menu_items.h"

using namespace pixlore;

namespace {

void Send(EditorHarness& editor, int command) {
    Event e;
    e.kind = EventKind::MenuCommand;
    e.command = command;
    editor->dispatch(e);
}

}  // namespace

class FirstDayTest : public QObject {
    Q_OBJECT

  private slots:
    // The map window resizes and maximises; the scroll area fills it and shows scroll bars only
    // where the map does not fit.
    void mapWindowGrows() {
        const std::tuple<int, QSize, QSize, bool, bool> rows[] = {
            {Command::MapPc, {522, 394}, {1280, 800}, true, true},
            {Command::MapPc, {1300, 830}, {1280, 800}, false, false},
            {Command::MapPc, {1320, 600}, {1280, 800}, false, true},
            {Command::MapC64, {600, 500}, {640, 400}, true, false}};
        for (const auto& [command, window, content, hbar, vbar] : rows) {
            EditorHarness editor;
            Send(editor, command);
            QVERIFY(editor->mapWindow().windowFlags() & Qt::WindowMaximizeButtonHint);
            editor->mapWindow().resize(window);
            const ScrollArea& a = editor->mapScrollArea();
            QTRY_COMPARE(std::tuple(a.size(), a.contentSize(), a.horizontalScrollBar()->isVisible(),
                                    a.verticalScrollBar()->isVisible()),
                         std::tuple(window, content, hbar, vbar));
        }
    }

    // The middle button, or Control with the left one, picks a shown cell's code as the
    // current character and paints nothing, also as the pointer moves on.
    void pickFromTheMap() {
        EditorHarness editor;
        Send(editor, Command::MapAtari);
        editor->mapWindow().resize(700, 500);  // the spare column in sight
        const CharMap before = editor.state().map;
        QWindow* window = editor->mapWindow().windowHandle();
        const std::tuple<Qt::MouseButton, QPoint, QString> rows[] = {
            {Qt::MiddleButton, {3, 2}, "pixlore v2 0.9b 5($05)"},
            {Qt::LeftButton, {30, 20}, "pixlore v2 0.9b 50($32)'2'"},
            {Qt::MiddleButton, {40, 0}, "pixlore v2 0.9b 50($32)'2'"}};  // the spare column
        for (const auto& [button, cell, title] : rows) {
            const QPoint at =
                user::WindowPosition(editor->mapCanvas(), 16 * cell.x() + 8, 16 * cell.y() + 8);
            QTest::mousePress(window, button,
                              button == Qt::LeftButton ? Qt::ControlModifier : Qt::NoModifier, at);
            QTest::mouseMove(window, at + QPoint(16, 16));
            QTest::mouseRelease(window, button, Qt::NoModifier, at + QPoint(16, 16));
            QCOMPARE(std::tuple(cell, QString::fromStdString(editor->mainWindow().title()),
                                editor.state().map.cells == before.cells),
                     std::tuple(cell, title, true));
        }
    }

    // Undo and Redo are greyed, and so read by a screen reader, with nothing to undo or redo.
    void undoAndRedoGreyed() {
        EditorHarness editor;
        QAction* undo = MenuItem(editor->mainMenu().menuBar(), {"Edit", "Undo"});
        QAction* redo = MenuItem(editor->mainMenu().menuBar(), {"Edit", "Redo"});
        const std::tuple<int, bool, bool> rows[] = {
            {-1, false, false},           {Command::Invert, true, false},
            {Command::Undo, false, true}, {Command::Redo, true, false},
            {Command::Undo, false, true}, {Command::Invert, true, false}};
        for (const auto& [command, undoable, redoable] : rows) {
            if (command >= 0) Send(editor, command);
            QCOMPARE(std::tuple(command, undo->isEnabled(), redo->isEnabled()),
                     std::tuple(command, undoable, redoable));
        }
    }

    // The data field breaks its lines only after a comma, and every line shows.
    void dataFieldBreaksAfterCommas() {
        for (const QString text : {"124,198,206,22,2,246,9,9", "10,200,30,255,1,99,100,7",
                                   "255,255,255,255,255,255,255,255", "0,0,0,0,0,0,0,128"}) {
            EditorHarness editor;
            for (int r = 0; r < 8; ++r)
                editor.state().charset[r] = std::uint8_t(text.section(',', r, r).toInt());
            editor->RefreshViews();
            QPlainTextEdit& field = editor->glyphDataField();
            field.grab();
            const QTextLayout* layout = field.document()->firstBlock().layout();
            QString wrong;  // a line ending elsewhere than after a comma, or a line cut off
            for (int i = 0; i + 1 < layout->lineCount(); ++i)
                if (text[layout->lineAt(i).textStart() + layout->lineAt(i).textLength() - 1] != ',')
                    wrong += " ends at " + QString::number(layout->lineAt(i).textLength());
            if (field.verticalScrollBar()->maximum() > 0) wrong += " cut off";
            QCOMPARE(text + wrong, text);
        }
    }

    // A PRG is read after its load address from the current character on; when that leaves
    // too few places, the import says once how many glyphs went in. Each is one undo step.
    void importPrg() {
        QTemporaryDir dir;
        EditorHarness editor;
        std::vector<std::uint8_t> glyphs(128);
        std::iota(glyphs.begin(), glyphs.end(), std::uint8_t{1});
        const std::vector<std::uint8_t> file = EncodePrg(0x3000, glyphs);
        const std::string name = dir.filePath("f.prg").toStdString();
        std::ofstream(name).write(reinterpret_cast<const char*>(file.data()), file.size());
        const std::pair<int, QString> rows[] = {
            {240, "240"}, {250, "250 holds 16 glyphs; from glyph 250 on only the first 6 fit"}};
        for (const auto& [current, told] : rows) {
            SelectChar(editor.state().selection, current);
            editor.dialogs.openAnswers.push_back({name, 0});
            editor.dialogs.messages.clear();
            MenuItem(editor->mainMenu().menuBar(), {"File", "Import", "C64 PRG..."})->trigger();
            QString said = QString::number(current);
            for (const auto& m : editor.dialogs.messages)
                said += QString::fromStdString(m.title == "Import" ? m.text.substr(name.size())
                                                                   : m.text);
            if (!std::equal(glyphs.begin(), glyphs.begin() + 8,
                            GlyphAt(editor.state().charset, current)))
                said += " not laid at the current character";
            QCOMPARE(said, told);
        }
        QCOMPARE(editor->history().size(), std::size(rows));
    }
};

QTEST_MAIN(FirstDayTest)
#include "first_day_test.moc"
