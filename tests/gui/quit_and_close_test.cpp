// Escape ends the program from either window; closing the map window only hides it.
#include <QTest>
#include <QWindow>

#include "app/ids.h"
#include "gui/support/editor_fixture.h"

using namespace pixlore;

namespace {

QWidget* FocusTarget(Editor& editor, const QString& name) {
    if (name == "charset canvas") return &editor.charsetCanvas();
    if (name == "data field") return &editor.glyphDataField();
    if (name == "track bar") return &editor.endRangeTrackBar();
    if (name == "check box") return &editor.rangeCheckBox();
    if (name == "shift button") return &editor.shiftButton(ShiftUpButton);
    if (name == "map scroll area") return &editor.mapScrollArea();
    return nullptr;
}

}  // namespace

class QuitAndCloseTest : public QObject {
    Q_OBJECT

  private slots:
    void escapeQuitsWhateverHasTheFocus_data() {
        QTest::addColumn<bool>("inMapWindow");
        QTest::addColumn<QString>("focus");
        QTest::newRow("charset canvas") << false << "charset canvas";
        QTest::newRow("data field") << false << "data field";
        QTest::newRow("track bar") << false << "track bar";
        QTest::newRow("check box") << false << "check box";
        QTest::newRow("shift button") << false << "shift button";
        QTest::newRow("map window") << true << "map scroll area";
        QTest::newRow("map window, nothing focused") << true << "";
    }
    void escapeQuitsWhateverHasTheFocus() {
        QFETCH(bool, inMapWindow);
        QFETCH(QString, focus);
        EditorHarness editor;
        Window& window = inMapWindow ? editor->mapWindow() : editor->mainWindow();
        if (inMapWindow) {
            editor->DispatchCommand(Command::MapZx);
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        if (QWidget* target = FocusTarget(*editor, focus)) {
            target->setFocus();
            QCOMPARE(window.focusWidget(), target);
        }
        QCOMPARE(editor.quits, 0);
        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
        QCOMPARE(editor.quits, 1);
        QVERIFY(editor->quitting());
    }

    // Other keys on the same controls end nothing.
    void otherKeysDoNotQuit() {
        EditorHarness editor;
        for (Qt::Key key : {Qt::Key_Q, Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Insert})
            QTest::keyClick(editor->mainWindow().windowHandle(), key);
        QCOMPARE(editor.quits, 0);
    }

    // The close box of the map window hides it; the map, its size and its picture stay, and
    // a map-size command shows it again where it stood.
    void closingTheMapWindowHidesIt() {
        EditorHarness editor;
        editor->DispatchCommand(Command::MapZx);
        Window& map = editor->mapWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        editor.state().map.at(3, 2) = 77;
        editor->RenderCharMap();
        const Image picture = editor->mapCanvas().surface();
        const QPoint where = map.pos();

        map.windowHandle()->close();
        QVERIFY(!map.isVisible());
        QCOMPARE(editor.quits, 0);
        QCOMPARE(editor.state().map.MapWidth, 32);
        QCOMPARE(editor.state().map.MapHeight, 24);
        QCOMPARE(editor.state().map.at(3, 2), 77);
        QVERIFY(editor->mapCanvas().surface() == picture);

        editor->DispatchCommand(Command::MapZx);
        QVERIFY(map.isVisible());
        QCOMPARE(map.pos(), where);
        QCOMPARE(editor.state().map.at(3, 2), 77);
    }

    void closingTheMainWindowQuits_data() {
        QTest::addColumn<bool>("mapShown");
        QTest::newRow("map hidden") << false;
        QTest::newRow("map shown") << true;
    }
    void closingTheMainWindowQuits() {
        QFETCH(bool, mapShown);
        EditorHarness editor;
        if (mapShown) editor->DispatchCommand(Command::MapPc);
        editor->mainWindow().windowHandle()->close();
        QCOMPARE(editor.quits, 1);
    }
};

QTEST_MAIN(QuitAndCloseTest)
#include "quit_and_close_test.moc"
