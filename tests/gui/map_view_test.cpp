// The map view through its real canvas: hover outline and title, redraws, painting strokes.
#include <QScrollBar>
#include <QTest>

#include "app/ids.h"
#include "gui/support/editor_fixture.h"

using namespace pixlore;

namespace {

bool RedFrameAt(const Shown& shown, int left, int top) {
    for (int i = 0; i < 16; ++i)
        for (auto [x, y] : {std::pair{left + i, top},
                            {left + i, top + 15},
                            {left, top + i},
                            {left + 15, top + i}})
            if (shown.at(x, y) != 0x0000FFu) return false;
    return true;
}

}  // namespace

class MapViewTest : public QObject {
    Q_OBJECT

  private slots:
    void hoverOutlinesAndNamesTheCell_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("title");
        QTest::newRow("first cell") << 0 << 0 << "Character map (0,0):0";
        QTest::newRow("(47, 20)") << 47 << 20 << "Character map (2,1):3";
        QTest::newRow("spare column") << 515 << 40 << "Character map (32,2):34";
        QTest::newRow("spare row") << 40 << 388 << "Character map (2,24):26";
    }
    void hoverOutlinesAndNamesTheCell() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, title);
        EditorHarness editor;
        editor->DispatchCommand(Command::MapZx);
        Canvas& canvas = editor->mapCanvas();
        user::Move(canvas, 1, 1);
        user::Move(canvas, x, y);
        QCOMPARE(editor->mapWindow().windowTitle(), title);
        QVERIFY(RedFrameAt(Shown(canvas), x / 16 * 16, y / 16 * 16));
        // The next move takes the outline away with a fresh render.
        user::Move(canvas, 100, 100);
        const Shown after(canvas);
        if (x < 512 && y < 384) QVERIFY(!RedFrameAt(after, x / 16 * 16, y / 16 * 16));
        QVERIFY(RedFrameAt(after, 96, 96));
        QCOMPARE(editor->mapWindow().windowTitle(), QString("Character map (6,6):12"));
    }

    // One beyond the spare column or row is ignored: title and picture stay.
    void beyondTheSpareColumnNothingHappens() {
        EditorHarness editor;
        editor->DispatchCommand(Command::MapZx);
        Canvas& canvas = editor->mapCanvas();
        user::Move(canvas, 47, 20);
        const Image before = canvas.surface();
        QCOMPARE(editor->mapWindow().windowTitle(), QString("Character map (2,1):3"));
        user::Press(canvas, Qt::RightButton, 47, 20);  // hold a button to reach past the area
        for (auto [x, y] : {std::pair{528, 40}, {40, 400}, {-16, 40}, {40, -16}})
            user::Move(canvas, x, y);
        user::Release(canvas, Qt::RightButton, 40, -16);
        QCOMPARE(editor->mapWindow().windowTitle(), QString("Character map (2,1):3"));
        QVERIFY(canvas.surface() == before);
    }

    // A glyph edit shows in every cell of the map holding its code as soon as it is made.
    void glyphEditShowsInTheMap() {
        EditorHarness editor;
        editor->DispatchCommand(Command::MapPc);  // 80 x 50: codes up to 128
        user::Click(editor->charsetCanvas(), Qt::LeftButton, 16 + 8, 64 + 8);  // 65
        QCOMPARE(int(editor.state().selection.CurrentChar), 65);
        user::Move(editor->glyphCanvas(), 120, 120);
        user::Press(editor->glyphCanvas(), Qt::LeftButton, 120, 120);  // column 7, row 7
        const Shown shown(editor->mapCanvas());
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 80; ++x)
                QCOMPARE(shown.at(16 * x + 14, 16 * y + 14), x + y == 65 ? kWhite : kBlack);
    }

    // A press on the scroll area's frame captures nothing: dragging onto the map paints it
    // from the second move on.
    void strokeFromTheFrame() {
        EditorHarness editor;
        editor->DispatchCommand(Command::MapZx);
        Canvas& canvas = editor->mapCanvas();
        const int frame = -editor->mapScrollArea().frameWidth();
        const CharMap before = editor.state().map;
        user::Move(canvas, frame, 100);
        user::Press(canvas, Qt::LeftButton, frame, 100);
        user::Move(canvas, 5, 100);   // cell (0, 6): comes in
        user::Move(canvas, 20, 100);  // cell (1, 6): paints
        user::Release(canvas, Qt::LeftButton, 20, 100);
        CharMap expected = before;
        expected.at(1, 6) = 0;
        QVERIFY(editor.state().map.cells == expected.cells);
        QCOMPARE(editor.state().map.at(0, 6), 6);
    }

    // Where a small map leaves room in the window, the canvas shows beyond it: what an earlier
    // larger map drew there stays in sight, and the spare column takes the pointer.
    void theCanvasShowsBesideASmallMap() {
        EditorHarness editor;
        editor->DispatchCommand(Command::MapPc);
        editor->DispatchCommand(Command::MapZx);
        ScrollArea& area = editor->mapScrollArea();
        QCOMPARE(area.contentSize(), QSize(512, 384));
        QVERIFY(!area.horizontalScrollBar()->isVisible());
        QVERIFY(!area.verticalScrollBar()->isVisible());
        const QImage view = area.viewport()->grab().toImage();
        QVERIFY(view.width() > 512 && view.height() > 384);
        const Image& surface = editor->mapCanvas().surface();
        for (int y = 0; y < view.height(); y += 3)
            for (int x = 500; x < view.width(); ++x)
                QCOMPARE(view.pixel(x, y) | 0xFF000000u, surface.row(y)[x]);
        user::Move(editor->mapCanvas(), 513, 40);
        user::Move(editor->mapCanvas(), 514, 40);
        QCOMPARE(editor->mapWindow().windowTitle(), QString("Character map (32,2):34"));
    }
};

QTEST_MAIN(MapViewTest)
#include "map_view_test.moc"
