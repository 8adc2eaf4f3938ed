#include <QTest>

#include "app/ids.h"
#include "gui/support/editor_fixture.h"

using namespace pixlore;

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void windowsAndState() {
        EditorHarness editor;
        QCOMPARE(editor->mainWindow().windowTitle(), QString("pixlore v2 0.9b"));
        QVERIFY(editor->mainWindow().isVisible());
        QVERIFY(!editor->mapWindow().isVisible());
        QCOMPARE(editor->mapWindow().windowTitle(), QString("Character map"));
        QCOMPARE(editor->mainWindow().size(), QSize(640, 480));
        QCOMPARE(editor->mapWindow().size(), QSize(522, 394));
        QCOMPARE(editor->mapWindow().pos(), editor->mainWindow().pos() + QPoint(40, 40));
        for (auto byte : editor.state().charset)
            QCOMPARE(int(byte), 0);
        QCOMPARE(editor.state().map.MapWidth, 40);
        QCOMPARE(editor.state().map.MapHeight, 24);
        for (int y = 0; y < CharMap::kRows; ++y)
            for (int x = 0; x < CharMap::kColumns; ++x)
                QCOMPARE(editor.state().map.at(x, y), x + y);
        QVERIFY(editor->charsetCanvas().hasFocus());
    }

    void charsetCanvasShowsOnlyTheCursor() {
        EditorHarness editor;
        const Shown shown(editor->charsetCanvas());
        int cursorPixels = 0;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const Colour c = shown.at(x, y);
                const bool cursor = x < 16 && y < 16 && ((x + y) & 1);
                QCOMPARE(c, cursor ? kCursorColour : kBlack);
                cursorPixels += cursor;
            }
        QCOMPARE(cursorPixels, 128);
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
