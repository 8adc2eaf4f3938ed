// Undo and redo through the real widgets: strokes, commands and loads, and the views after.
#include <QDir>
#include <QFile>
#include <QTest>

#include "app/ids.h"
#include "gui/support/drop_files.h"
#include "gui/support/editor_fixture.h"
#include "gui/support/menu_user.h"

using namespace pixlore;

namespace {

void Stroke(Canvas& canvas, Qt::MouseButton button, std::initializer_list<QPoint> points) {
    const QPoint first = *points.begin();
    user::Move(canvas, first.x(), first.y());
    user::Press(canvas, button, first.x(), first.y());
    QPoint last = first;
    for (const QPoint& p : points) {
        user::Move(canvas, p.x(), p.y());
        last = p;
    }
    user::Release(canvas, button, last.x(), last.y());
}

void Key(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

}  // namespace

class UndoTest : public QObject {
    Q_OBJECT

  private slots:
    // A whole stroke is one step, and the three views show the glyph as it was again.
    void glyphStrokeIsOneStep() {
        EditorHarness editor;
        Stroke(editor->glyphCanvas(), Qt::LeftButton, {{8, 120}});  // row 7, its own step
        Stroke(editor->glyphCanvas(), Qt::LeftButton, {{8, 8}, {24, 8}, {40, 8}, {40, 24}});
        QCOMPARE(int(editor.state().charset[0]), 0xE0);
        QCOMPARE(int(editor.state().charset[1]), 0x20);
        QCOMPARE(editor->history().size(), size_t(2));

        Key(editor->mainWindow(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(int(editor.state().charset[0]), 0);
        QCOMPARE(int(editor.state().charset[1]), 0);
        QCOMPARE(int(editor.state().charset[7]), 0x80);
        QCOMPARE(editor->glyphDataField().toPlainText(), QString("0,0,0,0,0,0,0,128"));
        QCOMPARE(Shown(editor->glyphCanvas()).at(16 + 7, 8), kBlack);
        QCOMPARE(Shown(editor->charsetCanvas()).at(2, 0), kBlack);

        Key(editor->mainWindow(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(int(editor.state().charset[0]), 0xE0);
        QCOMPARE(Shown(editor->glyphCanvas()).at(16 + 7, 8), kWhite);
        Key(editor->mainWindow(), Qt::Key_Z, Qt::ControlModifier);
        Key(editor->mainWindow(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(int(editor.state().charset[1]), 0x20);
    }

    // Clicking a pixel that is already set, or moving the selection, adds no step.
    void nothingChangedAddsNoStep() {
        EditorHarness editor;
        Stroke(editor->glyphCanvas(), Qt::RightButton, {{8, 8}});
        user::Click(editor->charsetCanvas(), Qt::LeftButton, 40, 40);
        user::KeyClick(editor->charsetCanvas(), Qt::Key_Right);
        editor->DispatchCommand(Command::SetBeginRange);
        editor->DispatchCommand(Command::MapPc);
        QCOMPARE(editor->history().size(), size_t(0));
    }

    // With the data field focused, Control+Z still undoes the editor's work, not the field's.
    void shortcutsWinOverTheFocusedTextField() {
        EditorHarness editor;
        editor->DispatchCommand(Command::Invert);
        editor->glyphDataField().setFocus();
        QVERIFY(editor->glyphDataField().hasFocus());
        Key(editor->mainWindow(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(int(editor.state().charset[0]), 0);
        QCOMPARE(editor->glyphDataField().toPlainText(), QString("0,0,0,0,0,0,0,0"));
    }

    // Map strokes are undone from the map window, spare cells included.
    void mapStrokeUndoneInTheMapWindow() {
        EditorHarness editor;
        editor->DispatchCommand(Command::MapZx);
        QVERIFY(QTest::qWaitForWindowActive(&editor->mapWindow()));
        user::Click(editor->charsetCanvas(), Qt::LeftButton, 16 * 1 + 8, 16 * 4 + 8);  // code 65
        editor->mapWindow().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor->mapWindow()));
        const CharMap before = editor.state().map;
        Stroke(editor->mapCanvas(), Qt::LeftButton, {{8, 8}, {24, 8}, {40, 8}, {520, 8}});
        QCOMPARE(editor.state().map.at(2, 0), 65);
        QCOMPARE(editor.state().map.at(32, 0), 65);  // the spare column
        QCOMPARE(editor->history().size(), size_t(1));

        Key(editor->mapWindow(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(editor.state().map.cells == before.cells);
        // Cell (2, 0) shows code 2 again: an empty glyph, all paper.
        QCOMPARE(Shown(editor->mapCanvas()).at(32 + 4, 4), kBlack);
        Key(editor->mapWindow(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(editor.state().map.at(32, 0), 65);
    }

    // "Erase all charset", a built-in charset (with its colours) and a loaded map are each one
    // step, undone in turn from the Edit menu.
    void commandsUndoInOrder() {
        EditorHarness editor;
        QMenuBar& bar = *editor->mainMenu().menuBar();
        QVERIFY(user::ChooseFromMenuBar(bar, {"Char", "Charset", "C64 CAPS"}));
        const Charset c64 = editor.state().charset;
        const Palette c64Colours = editor.state().palette;
        QVERIFY(user::ChooseFromMenuBar(bar, {"Char", "Erase all charset"}));
        for (auto byte : editor.state().charset)
            QCOMPARE(int(byte), 0);
        QVERIFY(user::ChooseFromMenuBar(bar, {"Char", "Charset", "Hex numbers"}));

        QVERIFY(user::ChooseFromMenuBar(bar, {"Edit", "Undo\tCtrl+Z"}));
        for (auto byte : editor.state().charset)
            QCOMPARE(int(byte), 0);
        QVERIFY(editor.state().palette == c64Colours);
        QVERIFY(user::ChooseFromMenuBar(bar, {"Edit", "Undo\tCtrl+Z"}));
        QVERIFY(editor.state().charset == c64);
        QCOMPARE(Shown(editor->charsetCanvas()).at(16 + 6, 2), c64Colours.InkColor);
        QVERIFY(user::ChooseFromMenuBar(bar, {"Edit", "Undo\tCtrl+Z"}));
        QVERIFY(editor.state().palette == Palette{});
        QVERIFY(user::ChooseFromMenuBar(bar, {"Edit", "Redo\tCtrl+Y"}));
        QVERIFY(editor.state().charset == c64);
    }

    // A refused load adds no step; a load that reads adds one.
    void refusedLoadAddsNoStep() {
        EditorHarness editor;
        user::DropFiles(editor->charsetCanvas(), {"/nonexistent/font.fnt"});
        QCOMPARE(editor.dialogs.messages.size(), size_t(1));
        QCOMPARE(editor->history().size(), size_t(0));
        const std::string path = QDir::tempPath().toStdString() + "/pixlore-undo-test.fnt";
        {
            QFile file(QString::fromStdString(path));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(16, char(0x5A)));
        }
        user::DropFiles(editor->charsetCanvas(), {path});
        QCOMPARE(int(editor.state().charset[15]), 0x5A);
        QCOMPARE(editor->history().size(), size_t(1));
        editor->Undo();
        QCOMPARE(int(editor.state().charset[15]), 0);
        QFile::remove(QString::fromStdString(path));
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
